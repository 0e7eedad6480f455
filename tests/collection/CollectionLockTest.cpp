// One writer per collection file: the lock beside it, held by this process or another.
#include "collection/CollectionLock.h"

#include "CollectionFiles.h"
#include "RecordingMessages.h"
#include "TempDir.h"
#include "collection/CollectionStore.h"

#include <csignal>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kolekt {
namespace {

namespace fs = std::filesystem;

constexpr LocalDate kToday{2026, 11, 8};

// Another process that holds the lock of path until it is killed.
class OtherKolekt {
public:
    explicit OtherKolekt(const std::string& path) {
        int ready[2];
        if (::pipe(ready) != 0)
            return;
        pid_ = ::fork();
        if (pid_ == 0) {
            const CollectionLock lock = CollectionLock::take(path);
            const char state = lock.held() ? 'y' : 'n';
            [[maybe_unused]] const ssize_t written = ::write(ready[1], &state, 1);
            ::pause();
            _exit(0);
        }
        char state = 0;
        held_ = ::read(ready[0], &state, 1) == 1 && state == 'y';
        ::close(ready[0]);
        ::close(ready[1]);
    }
    ~OtherKolekt() { kill(); }
    bool held() const { return held_; }
    // As a crash or SIGKILL ends it: nothing of its own clean-up runs.
    void kill() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
            pid_ = -1;
        }
    }

private:
    pid_t pid_ = -1;
    bool held_ = false;
};

class CollectionLockTest : public ::testing::Test {
protected:
    void SetUp() override {
        CollectionBuilder b;
        b.addPublisher("Anna", "Berg");
        b.addPublisher("Ben", "Cole");
        test::writeCollection(b, path);
        store.initialise(kToday, "eng", "CP1252");
    }

    test::TempDir dir;
    std::string path = dir.file("Group3.k09");
    test::RecordingMessages messages;
    CollectionStore store{&messages};
};

TEST_F(CollectionLockTest, AFileOpenInAnotherKolektIsNotOpenedUntilThatOneEndsHoweverItEnds) {
    OtherKolekt other(path);
    ASSERT_TRUE(other.held());
    const CollectionLock refused = store.lockForOpening(path);
    EXPECT_TRUE(refused.heldElsewhere());
    EXPECT_EQ(messages.events, (std::vector<StoreEvent>{{StoreEvent::OpenElsewhere, path}}));

    // Killed, it leaves its lock file behind, which blocks no one.
    other.kill();
    ASSERT_TRUE(fs::exists(CollectionLock::lockFilePath(path)));
    messages.events.clear();
    ASSERT_TRUE(store.loadCollection(path, kToday, store.lockForOpening(path)));
    EXPECT_TRUE(messages.events.empty());
    EXPECT_TRUE(CollectionLock::take(path).heldElsewhere());

    // Opening the same file again here, through a link too, keeps the lock it has.
    const std::string link = dir.file("Link.k09");
    fs::create_symlink(path, link);
    EXPECT_TRUE(store.lockForOpening(link).held());
    ASSERT_TRUE(store.loadCollection(link, kToday, store.lockForOpening(link)));
    EXPECT_TRUE(CollectionLock::take(path).heldElsewhere());

    // Released at the end, with its file.
    store.releaseStore();
    EXPECT_FALSE(fs::exists(CollectionLock::lockFilePath(path)));
    EXPECT_TRUE(CollectionLock::take(path).held());
}

TEST_F(CollectionLockTest, AFileWithSeveralNamesIsOpenedThroughOneOfThemOnly) {
    // The other name lies in another folder, so its lock file lies there too.
    fs::create_directory(dir.file("elsewhere"));
    const std::string other = dir.file("elsewhere/Same.k09");
    fs::create_hard_link(path, other);
    const std::vector<std::uint8_t> bytes = test::readBytes(path);
    {
        OtherKolekt first(path);
        ASSERT_TRUE(first.held());
        EXPECT_TRUE(store.lockForOpening(other).heldElsewhere());
        EXPECT_EQ(messages.events, (std::vector<StoreEvent>{{StoreEvent::OpenElsewhere, other}}));
        EXPECT_FALSE(fs::exists(CollectionLock::lockFilePath(other)));
    }
    ASSERT_TRUE(store.loadCollection(other, kToday, store.lockForOpening(other)));
    EXPECT_TRUE(CollectionLock::take(path).heldElsewhere());
    // This Kolekt may open it again under its first name, keeping its lock.
    EXPECT_TRUE(store.lockForOpening(path).held());
    store.releaseStore();
    EXPECT_TRUE(CollectionLock::take(path).held());
    EXPECT_EQ(test::readBytes(path), bytes);
    EXPECT_EQ(fs::hard_link_count(path), 2u);
}

TEST_F(CollectionLockTest, WhatCannotBeLockedCanStillBeOpened) {
    // A special file has no lock, and no lock file appears beside it.
    ASSERT_EQ(::mkfifo(dir.file("fifo.k09").c_str(), 0600), 0);
    EXPECT_EQ(CollectionLock::take(dir.file("fifo.k09")).state(), CollectionLock::State::None);
    EXPECT_EQ(CollectionLock::take(dir.file("absent.k09")).state(), CollectionLock::State::None);

    // A link, a folder or a FIFO at the lock file's name is never followed or used, and the
    // collection is not opened while it is there: it would open unlocked.
    const fs::path lockPath = CollectionLock::lockFilePath(path);
    const std::string victim = dir.file("victim");
    const std::function<void()> plants[] = {
        [&] { fs::create_symlink(victim, lockPath); },
        [&] { fs::create_directory(lockPath); },
        [&] { ASSERT_EQ(::mkfifo(lockPath.c_str(), 0600), 0); },
    };
    for (const auto& plant : plants) {
        plant();
        messages.events.clear();
        EXPECT_EQ(store.lockForOpening(path).state(), CollectionLock::State::Blocked);
        EXPECT_EQ(messages.events,
                  (std::vector<StoreEvent>{{StoreEvent::LockBlocked, path, lockPath}}));
        EXPECT_FALSE(fs::exists(victim));
        fs::remove(lockPath);
    }

    // A read-only folder (root writes anywhere, so the check runs as nobody).
    fs::permissions(dir.path(),
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    fs::permissions(dir.path(), fs::perms::others_exec | fs::perms::others_read,
                    fs::perm_options::add);
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            _exit(2);
        _exit(CollectionLock::take(path).state() == CollectionLock::State::None ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

} // namespace
} // namespace kolekt
