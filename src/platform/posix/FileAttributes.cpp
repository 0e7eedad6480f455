#include "platform/FileAttributes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kolekt::platform {

FileMode newFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~static_cast<FileMode>(mask);
}

std::optional<KeptAttributes> regularFileAttributes(const std::filesystem::path& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return std::nullopt;
    }
    return KeptAttributes{static_cast<FileMode>(info.st_mode & 07777),
                          info.st_uid != ::geteuid() || info.st_gid != ::getegid(), info.st_uid,
                          info.st_gid};
}

bool keepOwner(File& file, const KeptAttributes& attributes) {
    const int fd = static_cast<int>(file.native());
    if (!attributes.keepOwner) {
        return true;
    }
    // Only root may give the file to its owner; a member of the file's group may still give it
    // that group, so that the others of a shared folder keep their access.
    if (::fchown(fd, attributes.owner, attributes.group) == 0 ||
        ::fchown(fd, static_cast<uid_t>(-1), attributes.group) == 0) {
        // A change of owner or group drops the set-user and set-group bits.
        ::fchmod(fd, static_cast<mode_t>(attributes.mode));
        return true;
    }
    // The file now is this user's and this user's group's, with the same bits: whoever read
    // the old one as its owner or through its group, and not as anyone, is shut out.
    const FileMode mode = attributes.mode;
    const bool ownerShutOut = attributes.owner != ::geteuid() && (mode & S_IRUSR) != 0;
    const bool groupShutOut = attributes.group != ::getegid() && (mode & S_IRGRP) != 0;
    return (mode & S_IROTH) != 0 || (!ownerShutOut && !groupShutOut);
}

std::optional<FileMode> modeOf(const std::filesystem::path& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return std::nullopt;
    }
    return static_cast<FileMode>(info.st_mode & 07777);
}

bool isWriteProtected(const std::filesystem::path& path) {
    const std::optional<FileMode> mode = modeOf(path);
    return ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0 ||
           (mode && (*mode & 0222) == 0);
}

} // namespace kolekt::platform
