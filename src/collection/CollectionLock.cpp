#include "collection/CollectionLock.h"

#include "collection/HelperName.h"
#include "platform/FileAttributes.h"
#include "platform/LockFile.h"
#include "platform/PathKind.h"

namespace kolekt {

std::filesystem::path CollectionLock::lockFilePath(const std::filesystem::path& path) {
    const std::filesystem::path target = platform::resolvedPath(path);
    if (target.empty()) {
        return {};
    }
    return target.parent_path() / helperName(target.filename(), ".kolekt-lock");
}

CollectionLock CollectionLock::take(const std::filesystem::path& path) {
    CollectionLock lock;
    if (platform::targetKind(path) != platform::PathKind::RegularFile) {
        return lock;
    }
    // Whoever may write the collection may lock it; the owner always can.
    const platform::FileMode mode = (platform::modeOf(path).value_or(0) & 0666) | 0600;
    platform::LockAttempt attempt = platform::lockFile(lockFilePath(path), mode);
    switch (attempt.outcome) {
    case platform::LockOutcome::Held:
        lock.handle_ = std::move(attempt.lock);
        lock.state_ = State::Held;
        break;
    case platform::LockOutcome::HeldElsewhere:
        lock.state_ = State::HeldElsewhere;
        break;
    case platform::LockOutcome::Blocked:
        lock.state_ = State::Blocked;
        break;
    case platform::LockOutcome::Unavailable:
        break;
    }
    if (lock.state_ != State::Held && lock.state_ != State::None) {
        return lock;
    }
    platform::LockAttempt linked = platform::lockLinkedFile(platform::resolvedPath(path));
    if (linked.outcome == platform::LockOutcome::HeldElsewhere) {
        lock.handle_.reset();
        lock.state_ = State::HeldElsewhere;
    } else if (linked.outcome == platform::LockOutcome::Held) {
        lock.linkedFile_ = std::move(linked.lock);
    }
    return lock;
}

bool CollectionLock::covers(const std::filesystem::path& path) const {
    if (!handle_) {
        return false;
    }
    const std::filesystem::path lockPath = lockFilePath(path);
    if (!lockPath.empty() && platform::isLockAt(*handle_, lockPath)) {
        return true;
    }
    // Another name of the file this lock holds.
    const std::filesystem::path target = platform::resolvedPath(path);
    return linkedFile_ && !target.empty() && platform::isLockAt(*linkedFile_, target);
}

} // namespace kolekt
