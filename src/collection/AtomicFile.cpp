#include "collection/AtomicFile.h"

#include "collection/FileSystemOps.h"

#include <climits>
#include <cstdlib>
#include <sys/stat.h>

namespace kolekt {
namespace {

struct Target {
    std::string path;   // the file that gets replaced (a symbolic link's target)
    std::string folder; // where the temporary file goes, so the rename stays in one file system
    std::string name;
    mode_t mode;
};

mode_t newFileMode() {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

Target resolve(const std::string& path) {
    Target target{path, ".", path, newFileMode()};
    struct stat info {};
    if (lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
        char resolved[PATH_MAX];
        if (realpath(path.c_str(), resolved) != nullptr) {
            target.path = resolved;
        }
    }
    if (stat(target.path.c_str(), &info) == 0) {
        target.mode = info.st_mode & 07777;
    }
    const std::size_t slash = target.path.rfind('/');
    if (slash != std::string::npos) {
        target.folder = slash == 0 ? "/" : target.path.substr(0, slash);
        target.name = target.path.substr(slash + 1);
    }
    return target;
}

} // namespace

bool writeFileAtomically(FileSystemOps& fs, const std::string& path,
                         std::span<const std::uint8_t> data) {
    const Target target = resolve(path);
    std::string tempPath;
    const int fd = fs.createUnique(target.folder, "." + target.name + ".", target.mode, tempPath);
    if (fd < 0) {
        return false;
    }
    const bool written = fs.writeAll(fd, data.data(), data.size()) && fs.sync(fd);
    const bool closed = fs.close(fd);
    if (!written || !closed || !fs.rename(tempPath, target.path)) {
        fs.remove(tempPath);
        return false;
    }
    fs.syncFolder(target.folder);
    return true;
}

} // namespace kolekt
