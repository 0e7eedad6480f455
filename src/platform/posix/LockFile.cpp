#include "platform/LockFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kolekt::platform {

namespace {

// Another process may remove a lock file between our open and our lock; a few tries are
// enough, as each retry follows a release.
constexpr int kAttempts = 8;

bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Open-file-description locks conflict between any two opens, even in one process, and go
// with the last descriptor of the open. flock() does the same where they are missing (macOS).
// Returns 0 when locked, EAGAIN when another holds it, another errno when locks do not work.
int lockExclusive(int fd) {
#ifdef F_OFD_SETLK
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
#endif
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        return 0;
    }
    return errno == EWOULDBLOCK ? EAGAIN : errno;
}

// A lock file we may not open for writing (another user's, in a shared folder) still tells
// whether someone holds it.
bool lockedByAnother(const std::filesystem::path& lockPath) {
    const int fd = ::open(lockPath.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    bool locked = false;
#ifdef F_OFD_GETLK
    struct flock range {};
    range.l_type = F_WRLCK;
    range.l_whence = SEEK_SET;
    locked = ::fcntl(fd, F_OFD_GETLK, &range) == 0 && range.l_type != F_UNLCK;
#endif
    if (!locked && ::flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK) {
        locked = true;
    }
    ::close(fd);
    return locked;
}

} // namespace

class HeldLock {
public:
    HeldLock(int fd, std::filesystem::path path, const struct stat& identity, bool lockFile = true)
        : fd_(fd), path_(std::move(path)), identity_(identity), lockFile_(lockFile) {}
    HeldLock(const HeldLock&) = delete;
    HeldLock& operator=(const HeldLock&) = delete;
    ~HeldLock() {
        // Removed while still locked, and only if it is still ours, so that a process waiting
        // on the old file finds it gone when it checks, and makes a new one.
        if (lockFile_ && isAt(path_)) {
            ::unlink(path_.c_str());
        }
        ::close(fd_);
    }

    bool isAt(const std::filesystem::path& path) const {
        struct stat onDisk {};
        return ::lstat(path.c_str(), &onDisk) == 0 && sameFile(onDisk, identity_);
    }

private:
    int fd_;
    std::filesystem::path path_;
    struct stat identity_;
    bool lockFile_; // a lock file of its own, else the collection file itself
};

LockAttempt lockFile(const std::filesystem::path& lockPath, FileMode mode) {
    LockAttempt attempt;
    for (int tries = 0; tries < kAttempts; ++tries) {
        const int flags = O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
        int fd = ::open(lockPath.c_str(), flags | O_CREAT | O_EXCL, static_cast<mode_t>(mode));
        if (fd >= 0) {
            ::fchmod(fd, static_cast<mode_t>(mode));
        } else if (errno == EEXIST) {
            fd = ::open(lockPath.c_str(), flags);
            if (fd < 0 && errno == ENOENT) {
                continue;
            }
            if (fd < 0) {
                const int error = errno;
                attempt.outcome = error == EACCES && lockedByAnother(lockPath)
                                      ? LockOutcome::HeldElsewhere
                                  : error == ELOOP || error == EISDIR ? LockOutcome::Blocked
                                                                      : LockOutcome::Unavailable;
                return attempt;
            }
        } else {
            return attempt;
        }

        // Until it is known to be ours, nothing may remove what someone else put there.
        File open(fd);
        struct stat identity {};
        if (::fstat(fd, &identity) != 0 || !S_ISREG(identity.st_mode)) {
            attempt.outcome = LockOutcome::Blocked;
            return attempt;
        }
        const int locked = lockExclusive(fd);
        if (locked != 0) {
            attempt.outcome =
                locked == EAGAIN ? LockOutcome::HeldElsewhere : LockOutcome::Unavailable;
            return attempt;
        }
        struct stat onDisk {};
        if (::lstat(lockPath.c_str(), &onDisk) != 0 || !sameFile(onDisk, identity)) {
            // Its holder removed it between our open and our lock: the lock is on a lost file.
            continue;
        }
        attempt.lock =
            std::make_shared<HeldLock>(static_cast<int>(open.release()), lockPath, identity);
        attempt.outcome = LockOutcome::Held;
        return attempt;
    }
    return attempt;
}

LockAttempt lockLinkedFile(const std::filesystem::path& path) {
    LockAttempt attempt;
    // A write lock needs an open for writing; the file is not written through it.
    const int fd = ::open(path.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return attempt;
    }
    File open(fd);
    struct stat identity {};
    if (::fstat(fd, &identity) != 0 || !S_ISREG(identity.st_mode) || identity.st_nlink < 2) {
        return attempt;
    }
    const int locked = lockExclusive(fd);
    if (locked != 0) {
        attempt.outcome = locked == EAGAIN ? LockOutcome::HeldElsewhere : LockOutcome::Unavailable;
        return attempt;
    }
    attempt.lock =
        std::make_shared<HeldLock>(static_cast<int>(open.release()), path, identity, false);
    attempt.outcome = LockOutcome::Held;
    return attempt;
}

bool isLockAt(const HeldLock& lock, const std::filesystem::path& lockPath) {
    return lock.isAt(lockPath);
}

} // namespace kolekt::platform
