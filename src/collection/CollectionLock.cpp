#include "collection/CollectionLock.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kolekt {

namespace {

// Another process may remove a lock file between our open and our lock; a few tries are
// enough, as each retry follows a release.
constexpr int kAttempts = 8;

bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Open-file-description locks conflict between any two opens, even in one process, and go
// with the last descriptor of the open. flock() does the same where they are missing.
// Returns 0 when locked, EAGAIN when another holds it, another errno when locks do not work.
int lockExclusive(int fd) {
    struct flock range {};
    range.l_type = F_WRLCK;
    range.l_whence = SEEK_SET;
    if (::fcntl(fd, F_OFD_SETLK, &range) == 0) {
        return 0;
    }
    if (errno == EAGAIN || errno == EACCES) {
        return EAGAIN;
    }
    if (errno != EINVAL) {
        return errno;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        return 0;
    }
    return errno == EWOULDBLOCK ? EAGAIN : errno;
}

// A lock file we may not open for writing (another user's, in a shared folder) still tells
// whether someone holds it.
bool lockedByAnother(const std::string& lockPath) {
    const int fd = ::open(lockPath.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    struct flock range {};
    range.l_type = F_WRLCK;
    range.l_whence = SEEK_SET;
    bool locked = ::fcntl(fd, F_OFD_GETLK, &range) == 0 && range.l_type != F_UNLCK;
    if (!locked && ::flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK) {
        locked = true;
    }
    ::close(fd);
    return locked;
}

} // namespace

struct CollectionLock::Handle {
    int fd = -1;
    std::string path;
    struct stat identity {};

    Handle() = default;
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    ~Handle() {
        // Removed while still locked, and only if it is still ours, so that a process waiting
        // on the old file finds it gone when it checks, and makes a new one.
        struct stat onDisk {};
        if (::lstat(path.c_str(), &onDisk) == 0 && sameFile(onDisk, identity)) {
            ::unlink(path.c_str());
        }
        ::close(fd);
    }
};

std::string CollectionLock::lockFilePath(const std::string& path) {
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved) == nullptr) {
        return {};
    }
    const std::string target = resolved;
    const std::size_t slash = target.rfind('/');
    return target.substr(0, slash + 1) + "." + target.substr(slash + 1) + ".kolekt-lock";
}

CollectionLock CollectionLock::take(const std::string& path) {
    CollectionLock lock;
    struct stat file {};
    if (::stat(path.c_str(), &file) != 0 || !S_ISREG(file.st_mode)) {
        return lock;
    }
    const std::string lockPath = lockFilePath(path);
    // Whoever may write the collection may lock it; the owner always can.
    const mode_t mode = (file.st_mode & 0666) | 0600;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        const int flags = O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
        int fd = ::open(lockPath.c_str(), flags | O_CREAT | O_EXCL, mode);
        if (fd >= 0) {
            ::fchmod(fd, mode);
        } else if (errno == EEXIST) {
            fd = ::open(lockPath.c_str(), flags);
            if (fd < 0 && errno == ENOENT) {
                continue;
            }
            if (fd < 0) {
                lock.state_ = errno == EACCES && lockedByAnother(lockPath) ? State::HeldElsewhere
                                                                           : State::None;
                return lock;
            }
        } else {
            return lock;
        }

        auto handle = std::make_shared<Handle>();
        handle->fd = fd;
        handle->path = lockPath;
        if (::fstat(fd, &handle->identity) != 0 || !S_ISREG(handle->identity.st_mode)) {
            // The handle's clean-up must not remove what someone else put there.
            handle->path.clear();
            return lock;
        }
        const int locked = lockExclusive(fd);
        if (locked == EAGAIN) {
            handle->path.clear();
            lock.state_ = State::HeldElsewhere;
            return lock;
        }
        if (locked != 0) {
            handle->path.clear();
            return lock;
        }
        struct stat onDisk {};
        if (::lstat(lockPath.c_str(), &onDisk) != 0 || !sameFile(onDisk, handle->identity)) {
            // Its holder removed it between our open and our lock: the lock is on a lost file.
            handle->path.clear();
            continue;
        }
        lock.handle_ = std::move(handle);
        lock.state_ = State::Held;
        return lock;
    }
    return lock;
}

bool CollectionLock::covers(const std::string& path) const {
    if (!handle_) {
        return false;
    }
    struct stat onDisk {};
    const std::string lockPath = lockFilePath(path);
    return !lockPath.empty() && ::lstat(lockPath.c_str(), &onDisk) == 0 &&
           sameFile(onDisk, handle_->identity);
}

} // namespace kolekt
