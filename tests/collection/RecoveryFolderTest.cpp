// Recovered collections go only to folders no other user may change, so that none can be
// removed by another user or planted to be announced as recovered.
#include "collection/RecoveryFolder.h"

#include "CollectionFiles.h"
#include "RecordingMessages.h"
#include "TempDir.h"
#include "collection/CollectionStore.h"
#include "platform/PrivateFolder.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace kolekt {
namespace {

namespace fs = std::filesystem;
using platform::FolderStatus;
using platform::PathKind;

constexpr LocalDate kToday{2026, 3, 15};

TEST(PrivateFolder, OnlyAFolderOfTheUsersOwnThatNoOneElseMayWriteIsPrivate) {
    constexpr std::uint32_t kUser = 1000;
    struct Case {
        FolderStatus status;
        bool isPrivate;
    };
    const Case cases[] = {
        {{PathKind::Folder, kUser, 0700}, true},
        {{PathKind::Folder, kUser, 0755}, true},
        {{PathKind::Folder, kUser, 01700}, true},
        {{PathKind::Folder, kUser, 0770}, false},  // the group may plant files
        {{PathKind::Folder, kUser, 0707}, false},  // everyone may
        {{PathKind::Folder, kUser, 01777}, false}, // a /tmp of the user's own making
        {{PathKind::Folder, 1001, 0700}, false},   // made first by another user
        {{PathKind::Folder, 0, 0755}, false},      // the system's
        {{PathKind::Link, kUser, 0777}, false},    // a link is never a folder of its own
        {{PathKind::RegularFile, kUser, 0600}, false},
        {{PathKind::Missing, kUser, 0}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "owner " << c.status.owner << " mode " << std::oct << c.status.mode);
        EXPECT_EQ(platform::isPrivateFolder(c.status, kUser), c.isPrivate);
    }
}

// Sets or clears an environment variable for the scope of the object.
class Variable {
public:
    Variable(const char* name, const std::optional<std::string>& value) : name_(name) {
        if (const char* old = std::getenv(name))
            old_ = old;
        if (value)
            ::setenv(name, value->c_str(), 1);
        else
            ::unsetenv(name);
    }
    ~Variable() {
        if (old_)
            ::setenv(name_, old_->c_str(), 1);
        else
            ::unsetenv(name_);
    }
    Variable(const Variable&) = delete;
    Variable& operator=(const Variable&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

class RecoveryFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        CollectionBuilder builder;
        builder.setGroup(3);
        builder.addPublisher("Anna", "Berg");
        builder.addPublisher("Bob", "Brown");
        fs::create_directory(dir.file("stick"));
        test::writeCollection(builder, collection);
        store.initialise(kToday, "eng", "CP1252");
        ASSERT_TRUE(store.loadCollection(collection, kToday));
        fs::create_directories(dir.file("run"));
        fs::permissions(dir.file("run"), fs::perms::owner_all);
    }

    test::TempDir dir;
    const std::string collection = dir.file("stick/Group3.k09");
    test::RecordingMessages messages;
    CollectionStore store{&messages};
    Variable data{"XDG_DATA_HOME", dir.file("data")};
    Variable runtime{"XDG_RUNTIME_DIR", dir.file("run")};
};

TEST_F(RecoveryFolderTest, IsMadeForTheUserAloneAndPassedOverWhenAnotherCouldChangeIt) {
    const fs::path own = dir.file("data/kolekt/recovered");
    const fs::path inRuntime = dir.file("run/kolekt-recovered");
    const fs::path beside = dir.file("stick/Kolekt recovered");
    EXPECT_EQ(usableRecoveryFolder(collection), own);
    EXPECT_EQ(fs::status(own).permissions(), fs::perms::owner_all);

    // Opened to everyone: a file planted there is not announced, and none goes there.
    fs::permissions(own, fs::perms::all);
    CollectionBuilder planted;
    planted.addPublisher("Spy", "One");
    planted.addPublisher("Spy", "Two");
    test::writeCollection(planted, (own / "Group3 March.k09").string());
    EXPECT_EQ(privateRecoveryFolders(), std::vector<fs::path>{});
    EXPECT_TRUE(store.saveRecovery(own, "March").empty());
    ASSERT_EQ(messages.events.size(), 1u);
    EXPECT_EQ(messages.events[0].kind, StoreEvent::RecoveryFailed);
    EXPECT_EQ(recoveredCollections(own).size(), 1u);
    EXPECT_EQ(usableRecoveryFolder(collection), inRuntime);
    EXPECT_EQ(privateRecoveryFolders(), std::vector<fs::path>{inRuntime});

    // A link in place of the runtime's folder is no folder of the user's own either.
    fs::remove(inRuntime);
    fs::create_directory_symlink(dir.file("data"), inRuntime);
    EXPECT_EQ(usableRecoveryFolder(collection), beside);
    const fs::path recovered = store.saveRecovery(beside, "March");
    EXPECT_EQ(recovered.parent_path(), beside);
}

TEST_F(RecoveryFolderTest, WithoutAHomeOrARuntimeFolderItGoesBesideTheCollection) {
    const Variable noData{"XDG_DATA_HOME", std::nullopt};
    const Variable noHome{"HOME", "relative"};
    const Variable noRuntime{"XDG_RUNTIME_DIR", std::nullopt};
    const std::vector<fs::path> folders = recoveryFolders(collection);
    ASSERT_FALSE(folders.empty());
    EXPECT_EQ(folders.back(), fs::path(dir.file("stick/Kolekt recovered")));
    for (const fs::path& folder : folders)
        EXPECT_NE(folder.string().rfind("/tmp/.local", 0), 0u) << folder;
}

} // namespace
} // namespace kolekt
