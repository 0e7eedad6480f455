// saveCollection replaces the file atomically: a failure at any step leaves the old
// file as it was, reports message 1231 and keeps the store plain.
#include "CollectionFiles.h"
#include "RecordingMessages.h"
#include "TempDir.h"
#include "collection/CollectionStore.h"
#include "collection/FileSystemOps.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kolekt {
namespace {

namespace fs = std::filesystem;
using test::readBytes;
using test::writeCollection;
using Bytes = std::vector<std::uint8_t>;

constexpr LocalDate kToday{2026, 11, 8};

enum class Step { Create, Write, Sync, Close, Rename };

// The real file system, with one step failing.
class FailingFileSystem : public FileSystemOps {
public:
    explicit FailingFileSystem(Step failing) : failing_(failing) {}

    int createUnique(const std::string& folder, const std::string& prefix, mode_t mode,
                     std::string& createdPath) override {
        return failing_ == Step::Create
                   ? -1
                   : FileSystemOps::createUnique(folder, prefix, mode, createdPath);
    }
    bool writeAll(int fd, const std::uint8_t* data, std::size_t size) override {
        // Half the data reaches the disk, as with a full disk.
        return failing_ == Step::Write ? (FileSystemOps::writeAll(fd, data, size / 2), false)
                                       : FileSystemOps::writeAll(fd, data, size);
    }
    bool sync(int fd) override { return failing_ != Step::Sync && FileSystemOps::sync(fd); }
    bool close(int fd) override { return FileSystemOps::close(fd) && failing_ != Step::Close; }
    bool rename(const std::string& from, const std::string& to) override {
        return failing_ != Step::Rename && FileSystemOps::rename(from, to);
    }

private:
    Step failing_;
};

class AtomicSaveTest : public ::testing::Test {
protected:
    void SetUp() override {
        CollectionBuilder b;
        b.setGroup(3).setMonth(10);
        b.addPublisher("Anna", "Berg");
        b.addPublisher("Ben", "Cole");
        b.addRemark(1, 10, 0, "old");
        writeCollection(b, path);
        store.initialise(kToday, "eng");
        ASSERT_TRUE(store.loadCollection(path, kToday));
        original = readBytes(path);
        // A change that a successful save would write.
        store.storeRemark(1, 10, 0, 1, "new");
        plainRecords = Bytes(store.record(0), store.record(0) + 3 * layout::kRecordSize);
    }

    std::vector<std::string> folderEntries() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir.path())) {
            names.push_back(entry.path().filename().string());
        }
        return names;
    }

    void expectFailureLeftEverythingAsItWas(const std::string& target) {
        EXPECT_FALSE(store.saveCollection(target));
        EXPECT_EQ(messages.events,
                  (std::vector<StoreEvent>{{StoreEvent::CannotCreateFile, target}}));
        EXPECT_EQ(readBytes(path), original);
        EXPECT_EQ(folderEntries(), std::vector<std::string>{"Group3.k09"});
        EXPECT_EQ(Bytes(store.record(0), store.record(0) + 3 * layout::kRecordSize), plainRecords);
        messages.events.clear();
    }

    test::TempDir dir;
    std::string path = dir.file("Group3.k09");
    test::RecordingMessages messages;
    CollectionStore store{&messages};
    Bytes original;
    Bytes plainRecords;
};

TEST_F(AtomicSaveTest, AnyFailingStepLeavesTheOldFile) {
    for (Step step : {Step::Create, Step::Write, Step::Sync, Step::Close, Step::Rename}) {
        SCOPED_TRACE(static_cast<int>(step));
        FailingFileSystem failing(step);
        store.setFileSystem(&failing);
        expectFailureLeftEverythingAsItWas(path);
    }
    store.setFileSystem(nullptr);
    EXPECT_TRUE(store.saveCollection(path));
    EXPECT_NE(readBytes(path), original);
    EXPECT_EQ(Bytes(store.record(0), store.record(0) + 3 * layout::kRecordSize), plainRecords);
    EXPECT_EQ(folderEntries(), std::vector<std::string>{"Group3.k09"});
}

TEST_F(AtomicSaveTest, MissingFolderOrFolderThatIsAFile) {
    const std::string missing = dir.file("gone/Group3.k19");
    EXPECT_FALSE(store.saveCollection(missing));
    EXPECT_EQ(messages.events, (std::vector<StoreEvent>{{StoreEvent::CannotCreateFile, missing}}));
    messages.events.clear();
    EXPECT_FALSE(store.saveCollection(path + "/Group3.k19"));
    EXPECT_EQ(messages.events.size(), 1u);
    EXPECT_EQ(readBytes(path), original);
}

// Root ignores permissions, so as root the save runs in a child that drops to nobody.
// Returns 0 when the save failed with one message, 1 when it succeeded, else 2.
int saveWithoutPrivileges(CollectionStore& store, const std::vector<StoreEvent>& messages,
                          const std::string& path) {
    if (geteuid() != 0) {
        return store.saveCollection(path) ? 1 : (messages.size() == 1 ? 0 : 2);
    }
    const pid_t child = fork();
    if (child == 0) {
        constexpr uid_t kNobody = 65534;
        if (setgid(kNobody) != 0 || setuid(kNobody) != 0) {
            _exit(2);
        }
        _exit(store.saveCollection(path) ? 1 : (messages.size() == 1 ? 0 : 2));
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 2;
}

TEST_F(AtomicSaveTest, ReadOnlyFolder) {
    fs::permissions(dir.path(), fs::perms::all, fs::perm_options::remove);
    fs::permissions(dir.path(),
                    fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                        fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec,
                    fs::perm_options::add);
    EXPECT_EQ(saveWithoutPrivileges(store, messages.events, path), 0);
    EXPECT_EQ(readBytes(path), original);
    EXPECT_EQ(folderEntries(), std::vector<std::string>{"Group3.k09"});
}

TEST_F(AtomicSaveTest, KeepsThePermissionBitsOfTheReplacedFile) {
    ::chmod(path.c_str(), 0640);
    ASSERT_TRUE(store.saveCollection(path));
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);

    // A new file gets the usual permissions, not those of a private temporary file.
    const std::string fresh = dir.file("Group3.k19");
    ASSERT_TRUE(store.saveCollection(fresh));
    ASSERT_EQ(::stat(fresh.c_str(), &info), 0);
    const mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(info.st_mode & 07777, 0666u & ~mask);
}

TEST_F(AtomicSaveTest, RelativePathIsNamedFromTheWorkingFolder) {
    const fs::path previous = fs::current_path();
    fs::current_path(dir.path());
    FailingFileSystem failing(Step::Rename);
    store.setFileSystem(&failing);
    EXPECT_FALSE(store.saveCollection("Group3.k09"));
    fs::current_path(previous);
    const std::string absolute = fs::canonical(dir.path()).string() + "/Group3.k09";
    EXPECT_EQ(messages.events, (std::vector<StoreEvent>{{StoreEvent::CannotCreateFile, absolute}}));
}

TEST_F(AtomicSaveTest, TooFewPublishersWritesNothing) {
    CollectionBuilder one;
    one.addPublisher("Anna", "Berg");
    writeCollection(one, dir.file("one.k09"));
    ASSERT_TRUE(store.loadCollection(dir.file("one.k09"), kToday));
    EXPECT_FALSE(store.saveCollection(path));
    EXPECT_EQ(messages.events, (std::vector<StoreEvent>{{StoreEvent::TooFewPublishers, {}}}));
    EXPECT_EQ(readBytes(path), original);
}

} // namespace
} // namespace kolekt
