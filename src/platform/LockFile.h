// An exclusive lock held through a file, which the system releases when the process ends
// however it ends.
#pragma once

#include "platform/File.h"

#include <filesystem>
#include <memory>

namespace kolekt::platform {

// The held lock; released, and its file removed if it is still the one locked, when it goes.
class HeldLock;

enum class LockOutcome {
    Held,          // this process holds it now
    HeldElsewhere, // another process (or another lock of this one) holds it
    Unavailable,   // no lock file can be made or locked here: a read-only folder or medium
    Blocked,       // something other than a regular file is at its name: a link, a folder, a
                   // FIFO or a device, planted or left there, which must not switch the lock off
};

struct LockAttempt {
    LockOutcome outcome = LockOutcome::Unavailable;
    std::shared_ptr<HeldLock> lock; // set when Held
};

// Locks the file at lockPath, creating it with the permission bits mode (hidden on Windows);
// a link at lockPath is never followed.
LockAttempt lockFile(const std::filesystem::path& lockPath, FileMode mode);

// Locks the file that path names (a link followed) itself, when it has more than one name (hard
// links): every name then meets the same lock, where the lock files beside each name differ. The
// file is never removed or changed. Unavailable for a file with one name, and one this user may
// not write (who cannot save it either).
LockAttempt lockLinkedFile(const std::filesystem::path& path);

// True when the file at lockPath is the one lock holds.
bool isLockAt(const HeldLock& lock, const std::filesystem::path& lockPath);

} // namespace kolekt::platform
