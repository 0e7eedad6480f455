#include "platform/File.h"

#include "StatIdentity.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kolekt::platform {

namespace {

int descriptor(File::Native native) {
    return static_cast<int>(native);
}

OpenFailure openFailure(int error) {
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return OpenFailure::Missing;
    case ENXIO: // a socket
        return OpenFailure::NotRegular;
    default:
        return OpenFailure::Unreadable;
    }
}

} // namespace

File::~File() {
    if (isOpen()) {
        ::close(descriptor(native_));
    }
}

File& File::operator=(File&& other) noexcept {
    if (this != &other) {
        if (isOpen()) {
            ::close(descriptor(native_));
        }
        native_ = other.release();
    }
    return *this;
}

std::size_t File::readUpTo(std::uint8_t* data, std::size_t size) {
    std::size_t got = 0;
    while (got < size) {
        const ssize_t n = ::read(descriptor(native_), data + got, size - got);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            break;
        }
        got += static_cast<std::size_t>(n);
    }
    return got;
}

bool File::writeAll(const std::uint8_t* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(descriptor(native_), data, size);
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

bool File::sync() {
    return ::fsync(descriptor(native_)) == 0;
}

std::optional<FileIdentity> File::identity() const {
    struct stat info {};
    if (::fstat(descriptor(native_), &info) != 0) {
        return std::nullopt;
    }
    return identityOf(info);
}

bool File::close() {
    return ::close(descriptor(release())) == 0;
}

OpenedFile openForReading(const std::filesystem::path& path) {
    // Without O_NONBLOCK a FIFO would block here until someone writes to it.
    OpenedFile opened{File(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC))};
    if (!opened.file.isOpen()) {
        opened.failure = openFailure(errno);
        return opened;
    }
    struct stat info {};
    if (::fstat(descriptor(opened.file.native()), &info) != 0 || !S_ISREG(info.st_mode)) {
        opened.file = File();
        opened.failure = OpenFailure::NotRegular;
    }
    return opened;
}

File createNew(const std::filesystem::path& path, FileMode mode, bool* nameTaken) {
    File file(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                     static_cast<mode_t>(mode)));
    if (nameTaken != nullptr) {
        *nameTaken = !file.isOpen() && errno == EEXIST;
    }
    return file;
}

File createUnique(const std::filesystem::path& folder, const std::filesystem::path& prefix,
                  FileMode mode, std::filesystem::path& createdPath) {
    std::string pattern = (folder / prefix).native() + "XXXXXX";
    File file(mkostemp(pattern.data(), O_CLOEXEC));
    if (!file.isOpen()) {
        return file;
    }
    // A file system without permission bits (FAT, exFAT) refuses to set them; the file is
    // still written, with what that file system keeps.
    ::fchmod(descriptor(file.native()), static_cast<mode_t>(mode));
    createdPath = pattern;
    return file;
}

} // namespace kolekt::platform
