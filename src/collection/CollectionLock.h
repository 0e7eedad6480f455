// One writer per collection file: while a Kolekt has a collection open it holds a lock on a
// hidden file beside it (".Group3.k09.kolekt-lock"), which the system releases when the process
// ends however it ends, so a killed Kolekt never blocks the next start. A lock on the
// collection file itself would not do: every save replaces it. A file with several names (hard
// links) is locked itself as well while it is open, so that a Kolekt opening it through another
// name, whose lock file differs, is refused all the same.
#pragma once

#include <filesystem>
#include <memory>

namespace kolekt {

namespace platform {
class HeldLock;
}

class CollectionLock {
public:
    enum class State {
        None,          // no lock: the file is not a regular file, or the lock file cannot be made
                       // (a read-only folder or medium), which must not keep anyone from viewing
        Held,          // this process holds it
        HeldElsewhere, // another process holds it
        Blocked,       // something other than a lock file is at the lock file's name
    };

    CollectionLock() = default;

    // Locks the file that path names (a symbolic link's target). Copies share one lock, which
    // is released, and its file removed, when the last copy goes.
    static CollectionLock take(const std::filesystem::path& path);

    State state() const { return state_; }
    bool held() const { return state_ == State::Held; }
    bool heldElsewhere() const { return state_ == State::HeldElsewhere; }
    // The file may not be opened: another Kolekt has it, or its lock cannot be taken.
    bool refusesOpening() const {
        return state_ == State::HeldElsewhere || state_ == State::Blocked;
    }
    // True when this lock is held and is the one that path (or any link to its file) would take.
    bool covers(const std::filesystem::path& path) const;

    // Where the lock of the file that path names lies; empty when path names no file.
    static std::filesystem::path lockFilePath(const std::filesystem::path& path);

private:
    std::shared_ptr<platform::HeldLock> handle_;
    std::shared_ptr<platform::HeldLock> linkedFile_;
    State state_ = State::None;
};

} // namespace kolekt
