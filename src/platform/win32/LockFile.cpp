#include "platform/LockFile.h"

#include "Win32File.h"

namespace kolekt::platform {

namespace {

// A lock file whose holder has just closed it is being deleted, and refuses opens until it
// is gone; a few short waits see it through.
constexpr int kAttempts = 8;
constexpr DWORD kPauseMilliseconds = 10;

bool sameFile(const BY_HANDLE_FILE_INFORMATION& a, const BY_HANDLE_FILE_INFORMATION& b) {
    return a.dwVolumeSerialNumber == b.dwVolumeSerialNumber &&
           a.nFileIndexHigh == b.nFileIndexHigh && a.nFileIndexLow == b.nFileIndexLow;
}

} // namespace

// Held through an open that shares nothing, so every other open of the lock file, from this
// process or another, fails until it is closed; the system closes it when the process ends
// and then deletes the file.
class HeldLock {
public:
    HeldLock(HANDLE handle, const BY_HANDLE_FILE_INFORMATION& identity)
        : handle_(handle), identity_(identity) {}
    HeldLock(const HeldLock&) = delete;
    HeldLock& operator=(const HeldLock&) = delete;
    ~HeldLock() { ::CloseHandle(handle_); }

    bool isAt(const std::filesystem::path& path) const {
        const HANDLE handle = win32::openForAttributes(path, FILE_FLAG_OPEN_REPARSE_POINT);
        if (handle == INVALID_HANDLE_VALUE) {
            return false;
        }
        BY_HANDLE_FILE_INFORMATION onDisk{};
        const bool same =
            ::GetFileInformationByHandle(handle, &onDisk) != 0 && sameFile(onDisk, identity_);
        ::CloseHandle(handle);
        return same;
    }

private:
    HANDLE handle_;
    BY_HANDLE_FILE_INFORMATION identity_;
};

LockAttempt lockFile(const std::filesystem::path& lockPath, FileMode) {
    LockAttempt attempt;
    if (win32::namesDevice(lockPath)) {
        return attempt;
    }
    for (int tries = 1;; ++tries) {
        // A link planted at the name is neither followed nor, being no lock file, deleted.
        const DWORD attributes = ::GetFileAttributesW(lockPath.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES &&
            (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) != 0) {
            attempt.outcome = LockOutcome::Blocked;
            return attempt;
        }
        const HANDLE handle = ::CreateFileW(
            lockPath.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
            FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE | FILE_FLAG_OPEN_REPARSE_POINT,
            nullptr);
        if (handle != INVALID_HANDLE_VALUE) {
            BY_HANDLE_FILE_INFORMATION identity{};
            if (::GetFileType(handle) != FILE_TYPE_DISK ||
                ::GetFileInformationByHandle(handle, &identity) == 0) {
                ::CloseHandle(handle);
                attempt.outcome = LockOutcome::Blocked;
                return attempt;
            }
            attempt.lock = std::make_shared<HeldLock>(handle, identity);
            attempt.outcome = LockOutcome::Held;
            return attempt;
        }
        const DWORD error = ::GetLastError();
        if (error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION) {
            attempt.outcome = LockOutcome::HeldElsewhere;
            return attempt;
        }
        // Denied is also what a lock file being deleted answers; a read-only folder stays
        // denied.
        if (error != ERROR_ACCESS_DENIED || tries == kAttempts) {
            return attempt;
        }
        ::Sleep(kPauseMilliseconds);
    }
}

// One byte far beyond any collection's end: other programs still read and write the file, and
// the secretary's program never meets the lock, while every Kolekt that opens the file by any of
// its names does.
LockAttempt lockLinkedFile(const std::filesystem::path& path) {
    LockAttempt attempt;
    if (win32::namesDevice(path)) {
        return attempt;
    }
    const HANDLE handle = ::CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return attempt;
    }
    BY_HANDLE_FILE_INFORMATION identity{};
    if (::GetFileType(handle) != FILE_TYPE_DISK ||
        ::GetFileInformationByHandle(handle, &identity) == 0 || identity.nNumberOfLinks < 2) {
        ::CloseHandle(handle);
        return attempt;
    }
    OVERLAPPED farByte{};
    farByte.Offset = 0xFFFFFFFE;
    farByte.OffsetHigh = 0x7FFFFFFF;
    if (::LockFileEx(handle, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0,
                     &farByte) == 0) {
        const DWORD error = ::GetLastError();
        ::CloseHandle(handle);
        attempt.outcome =
            error == ERROR_LOCK_VIOLATION ? LockOutcome::HeldElsewhere : LockOutcome::Unavailable;
        return attempt;
    }
    // Closing the handle, as the process's end does, releases the byte.
    attempt.lock = std::make_shared<HeldLock>(handle, identity);
    attempt.outcome = LockOutcome::Held;
    return attempt;
}

bool isLockAt(const HeldLock& lock, const std::filesystem::path& lockPath) {
    return lock.isAt(lockPath);
}

} // namespace kolekt::platform
