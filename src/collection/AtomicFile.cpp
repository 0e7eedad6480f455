#include "collection/AtomicFile.h"

#include "collection/FileIdentity.h"
#include "collection/FileSystemOps.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <dirent.h>
#include <memory>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>

namespace kolekt {
namespace {

constexpr std::size_t kUniqueLetters = 6;
constexpr int kMostUniqueNames = 999;

struct Target {
    std::string path;   // the name that gets replaced
    std::string folder; // where the temporary file goes, so the rename stays in one file system
    std::string name;
    mode_t mode = 0;
    // The replaced file's owner, kept where the process may set it.
    bool keepOwner = false;
    uid_t owner = 0;
    gid_t group = 0;
};

mode_t newFileMode() {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

std::pair<std::string, std::string> splitFolder(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return {".", path};
    }
    return {slash == 0 ? "/" : path.substr(0, slash), path.substr(slash + 1)};
}

Target resolve(const std::string& path, LinkHandling links) {
    Target target;
    target.path = links == LinkHandling::WriteTarget ? replacedFile(path) : path;
    target.mode = newFileMode();
    struct stat info {};
    // Only a regular file hands on its mode and owner: a planted link or device must not.
    if (lstat(target.path.c_str(), &info) == 0 && S_ISREG(info.st_mode)) {
        target.mode = info.st_mode & 07777;
        target.keepOwner = info.st_uid != geteuid() || info.st_gid != getegid();
        target.owner = info.st_uid;
        target.group = info.st_gid;
    }
    std::tie(target.folder, target.name) = splitFolder(target.path);
    return target;
}

bool isTemporaryOf(const std::string& prefix, const std::string& entry) {
    if (entry.size() != prefix.size() + kUniqueLetters || !entry.starts_with(prefix)) {
        return false;
    }
    for (std::size_t i = prefix.size(); i < entry.size(); ++i) {
        if (std::isalnum(static_cast<unsigned char>(entry[i])) == 0) {
            return false;
        }
    }
    return true;
}

bool writeAndClose(FileSystemOps& fs, int fd, std::span<const std::uint8_t> data,
                   FileIdentity* written) {
    bool ok = fs.writeAll(fd, data.data(), data.size()) && fs.sync(fd);
    if (ok && written != nullptr) {
        struct stat info {};
        ok = ::fstat(fd, &info) == 0;
        *written = identityOf(info);
    }
    return fs.close(fd) && ok;
}

} // namespace

std::string replacedFile(const std::string& path) {
    struct stat info {};
    if (lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
        char resolved[PATH_MAX];
        if (realpath(path.c_str(), resolved) != nullptr) {
            return resolved;
        }
    }
    return path;
}

std::string temporaryPrefix(const std::string& name) {
    return "." + name + ".kolekt-";
}

bool writeFileAtomically(FileSystemOps& fs, const std::string& path,
                         std::span<const std::uint8_t> data, LinkHandling links,
                         FileIdentity* written) {
    const Target target = resolve(path, links);
    std::string tempPath;
    const int fd =
        fs.createUnique(target.folder, temporaryPrefix(target.name), target.mode, tempPath);
    if (fd < 0) {
        return false;
    }
    if (target.keepOwner && ::fchown(fd, target.owner, target.group) == 0) {
        // A change of owner drops the set-user and set-group bits.
        ::fchmod(fd, target.mode);
    }
    if (!writeAndClose(fs, fd, data, written) || !fs.rename(tempPath, target.path)) {
        fs.remove(tempPath);
        return false;
    }
    fs.syncFolder(target.folder);
    return true;
}

std::string writeUniqueFile(FileSystemOps& fs, const std::string& folder, const std::string& stem,
                            const std::string& extension, std::span<const std::uint8_t> data,
                            mode_t mode, FileIdentity* written) {
    for (int number = 1; number <= kMostUniqueNames; ++number) {
        const std::string path = folder + "/" + stem +
                                 (number == 1 ? std::string() : " " + std::to_string(number)) +
                                 extension;
        const int fd = fs.createNew(path, mode);
        if (fd < 0) {
            if (errno == EEXIST) {
                continue;
            }
            return {};
        }
        if (!writeAndClose(fs, fd, data, written)) {
            fs.remove(path);
            return {};
        }
        fs.syncFolder(folder);
        return path;
    }
    return {};
}

void removeStaleTemporaries(FileSystemOps& fs, const std::string& path) {
    const auto [folder, name] = splitFolder(replacedFile(path));
    const std::string prefix = temporaryPrefix(name);
    const std::unique_ptr<DIR, int (*)(DIR*)> entries(::opendir(folder.c_str()), ::closedir);
    if (!entries) {
        return;
    }
    while (const dirent* entry = ::readdir(entries.get())) {
        const std::string entryName = entry->d_name;
        struct stat info {};
        const std::string entryPath = folder + "/" + entryName;
        if (isTemporaryOf(prefix, entryName) && lstat(entryPath.c_str(), &info) == 0 &&
            S_ISREG(info.st_mode)) {
            fs.remove(entryPath);
        }
    }
}

} // namespace kolekt
