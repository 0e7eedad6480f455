#include "collection/AtomicFile.h"

#include "collection/FileSystemOps.h"
#include "collection/HelperName.h"
#include "platform/FileAttributes.h"
#include "platform/PathKind.h"

#include <optional>
#include <string>

namespace kolekt {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kUniqueLetters = 6;
constexpr int kMostUniqueNames = 999;

struct Target {
    fs::path path;   // the name that gets replaced
    fs::path folder; // where the temporary file goes, so the rename stays in one file system
    platform::KeptAttributes attributes;
};

Target resolve(const fs::path& path, LinkHandling links) {
    Target target;
    target.path = links == LinkHandling::WriteTarget ? replacedFile(path) : path;
    // Only a regular file hands on its mode and owner: a planted link or device must not.
    target.attributes = platform::regularFileAttributes(target.path)
                            .value_or(platform::KeptAttributes{platform::newFileMode()});
    target.folder = folderOf(target.path);
    return target;
}

bool isTemporaryOf(const fs::path::string_type& prefix, const fs::path::string_type& entry) {
    if (entry.size() != prefix.size() + kUniqueLetters ||
        entry.compare(0, prefix.size(), prefix) != 0) {
        return false;
    }
    for (std::size_t i = prefix.size(); i < entry.size(); ++i) {
        const auto c = entry[i];
        const bool letterOrDigit =
            (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        if (!letterOrDigit) {
            return false;
        }
    }
    return true;
}

// The first step that fails gives the reason, read before the close that follows it. A file
// system that is full may call a refused write anything; it is still full.
bool writeAndClose(FileSystemOps& fs, platform::File& file, const fs::path& folder,
                   std::span<const std::uint8_t> data, platform::FileIdentity* written,
                   platform::SystemError& failure) {
    bool ok = fs.writeAll(file, data.data(), data.size()) && fs.sync(file);
    if (!ok) {
        failure = fs.lastError();
        if (const platform::SystemError full = platform::noRoomIn(folder);
            full.cause != platform::ErrorCause::None) {
            failure = full;
        }
    }
    if (ok && written != nullptr) {
        const std::optional<platform::FileIdentity> identity = file.identity();
        ok = identity.has_value();
        *written = identity.value_or(platform::FileIdentity{});
    }
    if (!ok && failure.cause == platform::ErrorCause::None) {
        failure = fs.lastError();
    }
    if (!fs.close(file) && ok) {
        failure = fs.lastError();
        ok = false;
    }
    return ok;
}

} // namespace

fs::path folderOf(const fs::path& path) {
    const fs::path folder = path.parent_path();
    return folder.empty() ? fs::path(".") : folder;
}

fs::path replacedFile(const fs::path& path) {
    if (platform::entryKind(path) == platform::PathKind::Link) {
        fs::path resolved = platform::resolvedPath(path);
        if (!resolved.empty()) {
            return resolved;
        }
    }
    return path;
}

fs::path temporaryPrefix(const fs::path& name) {
    return helperName(name, ".kolekt-", kUniqueLetters);
}

WriteResult writeFileAtomically(FileSystemOps& fs, const fs::path& path,
                                std::span<const std::uint8_t> data, LinkHandling links,
                                platform::FileIdentity* written) {
    const Target target = resolve(path, links);
    WriteResult result;
    fs::path tempPath;
    platform::File file = fs.createUnique(target.folder, temporaryPrefix(target.path.filename()),
                                          target.attributes.mode, tempPath);
    if (!file.isOpen()) {
        result.error = fs.lastError();
        return result;
    }
    const bool accessKept = platform::keepOwner(file, target.attributes);
    if (!writeAndClose(fs, file, target.folder, data, written, result.error)) {
        fs.remove(tempPath);
        return result;
    }
    if (!fs.rename(tempPath, target.path)) {
        result.error = fs.lastError();
        fs.remove(tempPath);
        return result;
    }
    fs.syncFolder(target.folder);
    result.written = true;
    result.accessNarrowed = !accessKept;
    return result;
}

fs::path writeUniqueFile(FileSystemOps& fs, const fs::path& folder, const fs::path& stem,
                         const fs::path& extension, std::span<const std::uint8_t> data,
                         platform::FileMode mode, platform::FileIdentity* written,
                         platform::SystemError* failure) {
    platform::SystemError error;
    const auto fail = [&] {
        if (failure != nullptr) {
            *failure = error;
        }
        return fs::path();
    };
    for (int number = 1; number <= kMostUniqueNames; ++number) {
        fs::path name = stem;
        if (number != 1) {
            name += " ";
            name += std::to_string(number);
        }
        name += extension;
        const fs::path path = folder / name;
        bool taken = false;
        platform::File file = fs.createNew(path, mode, taken);
        if (!file.isOpen()) {
            if (taken) {
                continue;
            }
            error = fs.lastError();
            return fail();
        }
        if (!writeAndClose(fs, file, folder, data, written, error)) {
            fs.remove(path);
            return fail();
        }
        fs.syncFolder(folder);
        return path;
    }
    return fail();
}

void removeStaleTemporaries(FileSystemOps& fs, const fs::path& path) {
    const fs::path target = replacedFile(path);
    const fs::path::string_type prefix = temporaryPrefix(target.filename()).native();
    std::error_code error;
    for (fs::directory_iterator entry(folderOf(target), error), end; !error && entry != end;
         entry.increment(error)) {
        const fs::path& entryPath = entry->path();
        if (isTemporaryOf(prefix, entryPath.filename().native()) &&
            platform::entryKind(entryPath) == platform::PathKind::RegularFile) {
            fs.remove(entryPath);
        }
    }
}

} // namespace kolekt
