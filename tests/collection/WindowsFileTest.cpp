// The Windows side of the file rules: the lock, the replace of a file another program holds,
// the read-only attribute, device names and paths beyond the ANSI code page.
#include "CollectionFiles.h"
#include "RecordingMessages.h"
#include "TempDir.h"
#include "collection/CollectionLock.h"
#include "collection/CollectionStore.h"
#include "collection/RecoveryFolder.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <windows.h>

namespace kolekt {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

constexpr LocalDate kToday{2026, 11, 8};

// Another program's open of path, sharing what share says.
class OtherProgram {
public:
    OtherProgram(const fs::path& path, DWORD share)
        : handle_(::CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, share, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    ~OtherProgram() { close(); }
    OtherProgram(const OtherProgram&) = delete;
    OtherProgram& operator=(const OtherProgram&) = delete;
    bool holds() const { return handle_ != INVALID_HANDLE_VALUE; }
    void close() {
        if (holds()) {
            ::CloseHandle(handle_);
            handle_ = INVALID_HANDLE_VALUE;
        }
    }

private:
    HANDLE handle_;
};

class WindowsFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        CollectionBuilder b;
        b.setGroup(3).setMonth(10);
        b.addPublisher("Anna", "Berg");
        b.addPublisher("Ben", "Cole");
        b.addRemark(1, 10, 0, "old");
        test::writeCollection(b, path.string());
        store.initialise(kToday, "eng", "CP1252");
        ASSERT_TRUE(store.loadCollection(path, kToday, store.lockForOpening(path)));
        original = test::readBytes(path.string());
        store.storeRemark(1, 10, 0, 1, "new");
    }

    std::vector<fs::path> folderEntries() const {
        std::vector<fs::path> names;
        for (const auto& entry : fs::directory_iterator(fs::path(dir.path()))) {
            names.push_back(entry.path().filename());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    test::TempDir dir;
    fs::path path = fs::path(dir.path()) / "Group3.k09";
    test::RecordingMessages messages;
    CollectionStore store{&messages};
    Bytes original;
};

TEST_F(WindowsFileTest, TheLockIsHiddenRefusesASecondOpenAndGoesWithItsHolder) {
    const fs::path lockFile = CollectionLock::lockFilePath(path);
    EXPECT_EQ(lockFile.filename(), fs::path(".Group3.k09.kolekt-lock"));
    const DWORD attributes = ::GetFileAttributesW(lockFile.c_str());
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
    EXPECT_NE(attributes & FILE_ATTRIBUTE_HIDDEN, 0u);

    // Another Kolekt, in this process or another, finds it held; this one keeps it.
    CollectionStore second{&messages};
    second.initialise(kToday, "eng", "CP1252");
    EXPECT_TRUE(second.lockForOpening(path).heldElsewhere());
    EXPECT_EQ(messages.events, (std::vector<StoreEvent>{{StoreEvent::OpenElsewhere, path}}));
    EXPECT_TRUE(store.lockForOpening(path).held());

    store.releaseStore();
    EXPECT_FALSE(fs::exists(lockFile));
    EXPECT_TRUE(CollectionLock::take(path).held());
}

TEST_F(WindowsFileTest, AFileWithTwoNamesIsLockedByEitherAndStillSaves) {
    store.releaseStore();
    const fs::path other = fs::path(dir.path()) / "Copy of Group3.k09";
    fs::create_hard_link(path, other);
    ASSERT_TRUE(store.loadCollection(path, kToday, store.lockForOpening(path)));
    EXPECT_TRUE(CollectionLock::take(other).heldElsewhere());
    // Other programs still read the file while it is locked, and this Kolekt still saves it.
    EXPECT_EQ(test::readBytes(other.string()), original);
    store.storeRemark(1, 10, 0, 1, "new");
    EXPECT_EQ(store.saveBack(), SaveResult::Saved);
    EXPECT_TRUE(messages.events.empty());
}

TEST_F(WindowsFileTest, AFileHeldByAnotherProgramIsLeftIntactAndSavedOnceItLetsGo) {
    {
        OtherProgram holder(path, FILE_SHARE_READ);
        ASSERT_TRUE(holder.holds());
        EXPECT_EQ(store.saveBack(), SaveResult::Failed);
        EXPECT_EQ(messages.causes(),
                  (std::vector<StoreEvent>{test::failedWrite(path, platform::ErrorCause::Other)}));
    }
    EXPECT_EQ(test::readBytes(path.string()), original);
    EXPECT_EQ(folderEntries(), (std::vector<fs::path>{".Group3.k09.kolekt-lock", "Group3.k09"}));

    // The secretary's program may keep it open for reading and writing as long as it shares.
    OtherProgram sharing(path, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);
    ASSERT_TRUE(sharing.holds());
    EXPECT_EQ(store.saveBack(), SaveResult::Saved);
    CollectionStore reread;
    reread.initialise(kToday, "eng", "CP1252");
    ASSERT_TRUE(reread.loadCollection(path, kToday));
    EXPECT_EQ(reread.remarkFor(1, 10, 0).text, "new");
}

TEST_F(WindowsFileTest, TheReadOnlyAttributeProtectsTheFile) {
    ASSERT_NE(::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY), 0);
    EXPECT_EQ(store.saveBack(), SaveResult::Failed);
    EXPECT_EQ(messages.causes(),
              (std::vector<StoreEvent>{test::failedWrite(path, platform::ErrorCause::ReadOnly)}));
    ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(test::readBytes(path.string()), original);
}

TEST_F(WindowsFileTest, DeviceNamesAreRefusedAndNamesBeyondTheAnsiCodePageOpen) {
    for (const wchar_t* device : {L"\\\\.\\NUL", L"NUL", L"COM1.k09"}) {
        messages.events.clear();
        CollectionStore other{&messages};
        other.initialise(kToday, "eng", "CP1252");
        EXPECT_TRUE(other.loadCollection(device, kToday));
        ASSERT_EQ(messages.events.size(), 1u);
        EXPECT_EQ(messages.events[0].kind, StoreEvent::NotARegularFile);
    }

    const fs::path folder = fs::path(dir.path()) / L"Ji\u0159\u00ed \u0395\u03bb\u03ad\u03bd\u03b7";
    fs::create_directory(folder);
    const fs::path named = folder / L"Skupina \u010d. 3.k09";
    ASSERT_TRUE(store.saveCollection(named));
    CollectionStore reread;
    reread.initialise(kToday, "eng", "CP1252");
    ASSERT_TRUE(reread.loadCollection(named, kToday, reread.lockForOpening(named)));
    EXPECT_EQ(reread.filePath(), named);
    EXPECT_EQ(reread.remarkFor(1, 10, 0).text, "new");
    EXPECT_TRUE(fs::exists(folder / L".Skupina \u010d. 3.k09.kolekt-lock"));
}

TEST(WindowsRecoveryFolder, LiesInTheLocalApplicationData) {
    ::_wputenv_s(L"LOCALAPPDATA", L"C:\\Users\\Ji\u0159\u00ed\\AppData\\Local");
    EXPECT_EQ(recoveryFolders().front(),
              fs::path(L"C:\\Users\\Ji\u0159\u00ed\\AppData\\Local\\Kolekt\\recovered"));
}

} // namespace
} // namespace kolekt
