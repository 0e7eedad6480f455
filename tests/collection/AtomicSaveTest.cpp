// saveCollection replaces the file atomically: a failure at any step leaves the old
// file as it was, reports why and keeps the store plain.
#include "CollectionFiles.h"
#include "RecordingMessages.h"
#include "TempDir.h"
#include "collection/CollectionStore.h"
#include "collection/FileSystemOps.h"
#include "collection/RecoveryFolder.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <regex>
#ifndef _WIN32
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace kolekt {
namespace {

namespace fs = std::filesystem;
using test::readBytes;
using test::writeCollection;
using Bytes = std::vector<std::uint8_t>;

constexpr LocalDate kToday{2026, 11, 8};

enum class Step { Create, Write, Sync, Close, Rename };

// The real file system, with one step failing, as a full disk makes it fail.
class FailingFileSystem : public FileSystemOps {
public:
    explicit FailingFileSystem(Step failing) : failing_(failing) {}

    platform::SystemError lastError() override {
        return {platform::ErrorCause::DiskFull, "disk full"};
    }

    platform::File createUnique(const fs::path& folder, const fs::path& prefix,
                                platform::FileMode mode, fs::path& createdPath) override {
        return failing_ == Step::Create
                   ? platform::File()
                   : FileSystemOps::createUnique(folder, prefix, mode, createdPath);
    }
    bool writeAll(platform::File& file, const std::uint8_t* data, std::size_t size) override {
        // Half the data reaches the disk, as with a full disk.
        return failing_ == Step::Write ? (FileSystemOps::writeAll(file, data, size / 2), false)
                                       : FileSystemOps::writeAll(file, data, size);
    }
    bool sync(platform::File& file) override {
        return failing_ != Step::Sync && FileSystemOps::sync(file);
    }
    bool close(platform::File& file) override {
        return FileSystemOps::close(file) && failing_ != Step::Close;
    }
    bool rename(const fs::path& from, const fs::path& to) override {
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
        store.initialise(kToday, "eng", "CP1252");
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
        EXPECT_EQ(
            messages.causes(),
            (std::vector<StoreEvent>{test::failedWrite(target, platform::ErrorCause::DiskFull)}));
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
    EXPECT_EQ(messages.causes(),
              (std::vector<StoreEvent>{test::failedWrite(missing, platform::ErrorCause::Other)}));
    EXPECT_FALSE(messages.events[0].error.reason.empty());
    messages.events.clear();
    EXPECT_FALSE(store.saveCollection(path + "/Group3.k19"));
    EXPECT_EQ(messages.events.size(), 1u);
    EXPECT_EQ(readBytes(path), original);
}

// Permission bits, owners and root are POSIX matters; Windows has its own tests.
#ifndef _WIN32
constexpr uid_t kNobody = 65534;

// Root ignores permissions, so as root the save runs in a child that drops to nobody.
// Returns 0 when the save failed with one message, 1 when it succeeded, else 2.
int saveWithoutPrivileges(const std::function<bool()>& save,
                          const std::vector<StoreEvent>& messages) {
    if (geteuid() != 0) {
        return save() ? 1 : (messages.size() == 1 ? 0 : 2);
    }
    const pid_t child = fork();
    if (child == 0) {
        if (setgid(kNobody) != 0 || setuid(kNobody) != 0) {
            _exit(2);
        }
        _exit(save() ? 1 : (messages.size() == 1 ? 0 : 2));
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
    EXPECT_EQ(saveWithoutPrivileges([&] { return store.saveCollection(path); }, messages.events),
              0);
    EXPECT_EQ(readBytes(path), original);
    EXPECT_EQ(folderEntries(), std::vector<std::string>{"Group3.k09"});
}

TEST_F(AtomicSaveTest, AWriteProtectedFileInAWritableFolderIsNotReplaced) {
    // Not even by root, who could.
    ::chmod(path.c_str(), 0444);
    EXPECT_EQ(store.saveBack(), SaveResult::Failed);
    EXPECT_EQ(messages.causes(),
              (std::vector<StoreEvent>{test::failedWrite(path, platform::ErrorCause::ReadOnly)}));
    EXPECT_EQ(readBytes(path), original);
    EXPECT_EQ(folderEntries(), std::vector<std::string>{"Group3.k09"});

    // One that others may write but this user may not.
    messages.events.clear();
    fs::permissions(dir.path(), fs::perms::all, fs::perm_options::add);
    ::chmod(path.c_str(), 0464);
    EXPECT_EQ(saveWithoutPrivileges([&] { return store.saveBack() == SaveResult::Saved; },
                                    messages.events),
              0);
    EXPECT_EQ(readBytes(path), original);
}

TEST_F(AtomicSaveTest, KeepsThePermissionBitsAndOwnerOfTheReplacedFile) {
    ::chmod(path.c_str(), 0640);
    // Only root may give a file to another owner, so only root can see it kept.
    const bool asRoot = geteuid() == 0;
    if (asRoot) {
        ASSERT_EQ(::chown(path.c_str(), kNobody, kNobody), 0);
    }
    ASSERT_EQ(store.saveBack(), SaveResult::Saved);
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    if (asRoot) {
        EXPECT_EQ(info.st_uid, kNobody);
        EXPECT_EQ(info.st_gid, kNobody);
    }

    // A new file gets the usual permissions, not those of a private temporary file.
    const std::string fresh = dir.file("Group3.k19");
    ASSERT_TRUE(store.saveCollection(fresh));
    ASSERT_EQ(::stat(fresh.c_str(), &info), 0);
    const mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(info.st_mode & 07777, 0666u & ~mask);
}

TEST_F(AtomicSaveTest, AMemberOfTheFilesGroupKeepsTheGroupInASharedFolder) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "only root can give the file to another owner for the saver";
    }
    constexpr gid_t kShared = 100;
    fs::permissions(dir.path(), fs::perms::all, fs::perm_options::add);
    // An owner outside the file's group keeps neither, and is told that the group may be shut
    // out.
    for (const bool member : {true, false}) {
        SCOPED_TRACE(member);
        ASSERT_EQ(::chown(path.c_str(), member ? 0 : kNobody, kShared), 0);
        ::chmod(path.c_str(), 0660);
        test::RecordingMessages told;
        CollectionStore saver{&told};
        saver.initialise(kToday, "eng", "CP1252");
        ASSERT_TRUE(saver.loadCollection(path, kToday));
        const pid_t child = fork();
        if (child == 0) {
            const gid_t groups[] = {kShared};
            if (setgroups(member ? 1 : 0, groups) != 0 || setgid(kNobody) != 0 ||
                setuid(kNobody) != 0) {
                _exit(2);
            }
            const std::vector<StoreEvent> expected =
                member ? std::vector<StoreEvent>{}
                       : std::vector<StoreEvent>{{StoreEvent::AccessNarrowed, path}};
            _exit(saver.saveBack() == SaveResult::Saved && told.events == expected ? 0 : 1);
        }
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        struct stat info {};
        ASSERT_EQ(::stat(path.c_str(), &info), 0);
        EXPECT_EQ(info.st_gid, member ? kShared : kNobody);
        EXPECT_EQ(info.st_mode & 07777, 0660u);
    }
}
#endif

TEST_F(AtomicSaveTest, AFileReplacedOnDiskIsKeptAndTheCollectionGoesBesideIt) {
    // The secretary's new list, moved over the file that was loaded.
    CollectionBuilder next;
    next.setGroup(3).setMonth(11).addPublisher("Cleo", "Dunn");
    next.addPublisher("Dora", "Eck");
    writeCollection(next, dir.file("incoming"));
    // A read-only copy: the store's own file beside it must not become read-only too.
    fs::permissions(dir.file("incoming"),
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::rename(dir.file("incoming"), path);
    const Bytes theirs = readBytes(path);

    ASSERT_EQ(store.saveBack(), SaveResult::Saved);
    EXPECT_EQ(readBytes(path), theirs);
    const std::string beside = store.filePath().generic_string();
    EXPECT_TRUE(std::regex_match(
        beside, std::regex(dir.path() + R"(/Group3 \(Kolekt \d{4}-\d\d-\d\d \d\d\.\d\d\)\.k09)")))
        << beside;
    EXPECT_EQ(messages.events, (std::vector<StoreEvent>{{StoreEvent::SavedBeside, path, beside}}));

    // The copy beside it is Kolekt's file from now on, and an edit of the file beside
    // it by another program is caught in the same way.
    messages.events.clear();
    store.storeRemark(1, 10, 0, 1, "newer");
    ASSERT_EQ(store.saveBack(), SaveResult::Saved);
    EXPECT_EQ(store.filePath(), beside);
    EXPECT_TRUE(messages.events.empty());
    EXPECT_EQ(readBytes(path), theirs);
    CollectionStore reread;
    reread.initialise(kToday, "eng", "CP1252");
    ASSERT_TRUE(reread.loadCollection(beside, kToday));
    EXPECT_EQ(reread.remarkFor(1, 10, 0).text, "newer");

    // A file that is gone is simply written again.
    fs::remove(beside);
    ASSERT_EQ(store.saveBack(), SaveResult::Saved);
    EXPECT_EQ(store.filePath(), beside);
    EXPECT_TRUE(fs::exists(beside));
}

TEST_F(AtomicSaveTest, ARewriteOfTheSameSizeAndTimeIsStillAChangeOnDisk) {
    // As a program on a FAT stick writes within the time stamp's two seconds, or keeps it.
    const fs::file_time_type time = fs::last_write_time(path);
    Bytes theirs = original;
    theirs[layout::kRecordSize + layout::kFirstName] ^= 1;
    {
        std::fstream inPlace(path, std::ios::binary | std::ios::in | std::ios::out);
        inPlace.write(reinterpret_cast<const char*>(theirs.data()),
                      static_cast<std::streamsize>(theirs.size()));
    }
    fs::last_write_time(path, time);

    ASSERT_EQ(store.saveBack(), SaveResult::Saved);
    EXPECT_EQ(readBytes(path), theirs);
    ASSERT_EQ(messages.events.size(), 1u);
    EXPECT_EQ(messages.events[0].kind, StoreEvent::SavedBeside);
}

TEST_F(AtomicSaveTest, AFolderThatIsNoLongerTheOneOpenedIsNotWrittenTo) {
    // As a stick unmounted under Kolekt leaves its empty mount folder on the system disk.
    const fs::path stick = dir.file("stick");
    fs::create_directory(stick);
    fs::copy_file(path, stick / "Group3.k09");
    CollectionStore onStick{&messages};
    onStick.initialise(kToday, "eng", "CP1252");
    ASSERT_TRUE(onStick.loadCollection(stick / "Group3.k09", kToday));
    onStick.storeRemark(1, 10, 0, 1, "posted");
    fs::rename(stick, dir.file("unmounted"));
    fs::create_directory(stick);

    EXPECT_EQ(onStick.saveBack(), SaveResult::Failed);
    EXPECT_EQ(messages.events, (std::vector<StoreEvent>{test::failedWrite(
                                   stick / "Group3.k09", platform::ErrorCause::FolderGone)}));
    EXPECT_TRUE(fs::is_empty(stick));
    EXPECT_TRUE(onStick.hasUnsavedChanges());
}

TEST_F(AtomicSaveTest, TheNextSaveRemovesOnlyTheTemporaryFilesOfKilledSaves) {
    store.loadCollection(path, kToday, store.lockForOpening(path));
    const std::vector<std::string> kept{"Group3.k09", ".Group3.k09.kolekt-lock",
                                        ".Group3.k09.Ab12Cd", ".Group4.k09.kolekt-Ab12Cd",
                                        ".Group3.k09.kolekt-Ab12Cde"};
    for (const std::string& name : kept) {
        if (!fs::exists(dir.file(name))) {
            test::writeBytes(dir.file(name), {1});
        }
    }
    test::writeBytes(dir.file(".Group3.k09.kolekt-Zz9yX8"), {1});
    ASSERT_EQ(store.saveBack(), SaveResult::Saved);
    std::vector<std::string> left = folderEntries();
    std::sort(left.begin(), left.end());
    std::vector<std::string> expected = kept;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(left, expected);
}

#ifndef _WIN32
TEST_F(AtomicSaveTest, ACollectionReachedThroughALinkStaysALink) {
    const std::string link = dir.file("Linked.k09");
    fs::create_symlink(path, link);
    ASSERT_TRUE(store.loadCollection(link, kToday));
    store.storeRemark(1, 10, 0, 1, "linked");
    ASSERT_EQ(store.saveBack(), SaveResult::Saved);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_NE(readBytes(path), original);
}

#endif

TEST_F(AtomicSaveTest, RecoveryFilesNeverReplaceOneAnother) {
    const std::string folder = dir.file("data/kolekt/recovered");
    const fs::path first = store.saveRecovery(folder, "November");
    store.storeRemark(1, 10, 0, 1, "later");
    const fs::path second = store.saveRecovery(folder, "November");
    ASSERT_FALSE(first.empty());
    ASSERT_FALSE(second.empty());
    EXPECT_NE(first, second);
    EXPECT_EQ(first.filename().string().substr(0, 24), "Group3 November (Kolekt ");
    CollectionStore reread;
    reread.initialise(kToday, "eng", "CP1252");
    ASSERT_TRUE(reread.loadCollection(first, kToday));
    EXPECT_EQ(reread.remarkFor(1, 10, 0).text, "new");
    EXPECT_EQ(messages.events, (std::vector<StoreEvent>{{StoreEvent::Recovered, path, first},
                                                        {StoreEvent::Recovered, path, second}}));
    std::vector<fs::path> names{first.filename(), second.filename()};
    std::sort(names.begin(), names.end());
    EXPECT_EQ(recoveredCollections(folder), names);
}

TEST_F(AtomicSaveTest, RelativePathIsNamedFromTheWorkingFolder) {
    const fs::path previous = fs::current_path();
    fs::current_path(dir.path());
    FailingFileSystem failing(Step::Rename);
    store.setFileSystem(&failing);
    EXPECT_FALSE(store.saveCollection("Group3.k09"));
    fs::current_path(previous);
    const std::string absolute = fs::canonical(dir.path()).string() + "/Group3.k09";
    EXPECT_EQ(messages.causes(), (std::vector<StoreEvent>{
                                     test::failedWrite(absolute, platform::ErrorCause::DiskFull)}));
}

// Windows limits a whole path to 260 characters, which a temporary folder and a name of 255 pass.
#ifndef _WIN32
TEST(LongNames, ACollectionUpToTheLongestNameIsLockedAndSaved) {
    for (const std::size_t length : {12u, 240u, 241u, 255u}) {
        SCOPED_TRACE(length);
        test::TempDir dir;
        const fs::path path = fs::path(dir.path()) / (std::string(length - 4, 'n') + ".k09");
        CollectionBuilder b;
        b.addPublisher("Anna", "Berg");
        b.addPublisher("Ben", "Cole");
        writeCollection(b, path.string());
        test::RecordingMessages messages;
        CollectionStore store{&messages};
        store.initialise(kToday, "eng", "CP1252");
        ASSERT_TRUE(store.loadCollection(path, kToday, store.lockForOpening(path)));
        EXPECT_TRUE(CollectionLock::take(path).heldElsewhere());
        EXPECT_EQ(store.saveBack(), SaveResult::Saved);
        EXPECT_TRUE(messages.events.empty());
    }
}
#endif

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
