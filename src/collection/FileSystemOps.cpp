#include "collection/FileSystemOps.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kolekt {

int FileSystemOps::createUnique(const std::string& folder, const std::string& prefix, mode_t mode,
                                std::string& createdPath) {
    std::string pattern = folder + "/" + prefix + "XXXXXX";
    const int fd = mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0) {
        return -1;
    }
    if (fchmod(fd, mode) != 0) {
        ::close(fd);
        ::unlink(pattern.c_str());
        return -1;
    }
    createdPath = pattern;
    return fd;
}

int FileSystemOps::createNew(const std::string& path, mode_t mode) {
    return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
}

bool FileSystemOps::writeAll(int fd, const std::uint8_t* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

bool FileSystemOps::sync(int fd) {
    return ::fsync(fd) == 0;
}

bool FileSystemOps::close(int fd) {
    return ::close(fd) == 0;
}

bool FileSystemOps::rename(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str()) == 0;
}

void FileSystemOps::remove(const std::string& path) {
    ::unlink(path.c_str());
}

void FileSystemOps::syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

FileSystemOps& FileSystemOps::real() {
    static FileSystemOps instance;
    return instance;
}

} // namespace kolekt
