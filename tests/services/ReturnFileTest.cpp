// The return file for the secretary and the offer to mail it.
#include "services/ReturnFile.h"

#include "CollectionFiles.h"
#include "ScriptedDialogs.h"
#include "ScriptedHandOffHost.h"
#include "SmtpTestServer.h"
#include "StandInProgram.h"
#include "TempDir.h"
#include "collection/CollectionStore.h"
#include "ui/common/GuiStoreMessages.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <filesystem>
#include <gtest/gtest.h>

namespace kolekt {

using namespace Qt::StringLiterals;
namespace {

using test::ScriptedMessageBox;
using test::StandInProgram;
using test::writeCollection;

constexpr LocalDate kToday{2026, 1, 10};

const QString kSubject = QStringLiteral("Collection File - January - Group 3");
const QString kBody = QStringLiteral("January .k19 file for Group 3");

class ReturnFileTest : public ::testing::Test {
protected:
    // A collection of January for group 3 in folder/name, loaded into the store.
    void load(const std::string& folder, const std::string& name, int publishers = 3,
              const std::string& secretary = "secretary@example.org") {
        CollectionBuilder builder;
        builder.setGroup(3).setMonth(0).setSecretary(secretary);
        for (int i = 0; i < publishers; ++i) {
            const int n = builder.addPublisher("First" + std::to_string(i), "Last");
            builder.setReport(n, 0, 0, {.shared = true, .studies = 1});
        }
        builder.addRemark(1, 0, 0, "Was ill");
        std::filesystem::create_directories(folder);
        collectionPath_ = folder + "/" + name;
        writeCollection(builder, collectionPath_);
        store_.initialise(kToday, "eng", "CP1252");
        ASSERT_TRUE(store_.loadCollection(collectionPath_, kToday));
    }

    // What the exit action writes for the same store.
    std::vector<std::uint8_t> exitActionBytes() {
        const std::string path = dir_.file("exit-action.k09");
        EXPECT_TRUE(store_.saveCollection(path));
        return test::readBytes(path);
    }

    test::TempDir dir_;
    GuiStoreMessages messages_;
    CollectionStore store_{&messages_};
    std::string collectionPath_;
    ScriptedMessageBox boxes_;
    test::ScriptedHandOffHost host_;
};

TEST_F(ReturnFileTest, WritesBesideTheCollectionAndMailsIt) {
    load(dir_.path(), "Group3.k09");
    StandInProgram xdgEmail(QStringLiteral("xdg-email"));

    const std::optional<QString> path = writeReturnFile(store_);

    const std::string returnPath = dir_.file("Group3.k19");
    ASSERT_EQ(path, QString::fromStdString(returnPath));
    const std::vector<std::uint8_t> written = test::readBytes(returnPath);
    EXPECT_EQ(written, exitActionBytes());
    EXPECT_EQ(store_.filePath(), collectionPath_);
    EXPECT_TRUE(boxes_.shown().isEmpty());

    const SecretaryAddress secretary = secretaryMailAddress(store_);
    EXPECT_TRUE(secretary.usable);
    EXPECT_EQ(secretary.address, QStringLiteral("secretary@example.org"));
    EXPECT_EQ(
        sendDraft(returnFileMail(store_, *path, secretary.address), MailSettings{}, host_).kind,
        HandOffResult::Kind::Handed);
    EXPECT_EQ(xdgEmail.arguments(),
              (QStringList{u"--utf8"_s, u"--subject"_s, kSubject, u"--body"_s, kBody + u" "_s,
                           u"--attach"_s, xdgEmail.attachedPath(), u"secretary@example.org"_s}));
    const QByteArray attached = xdgEmail.attachment(0);
    EXPECT_EQ(std::vector<std::uint8_t>(attached.begin(), attached.end()), written);
}

TEST_F(ReturnFileTest, OnlyPlainAddressesAreOffered) {
    struct Case {
        const char* header;
        const char* address; // as offered
        bool usable;
    };
    const Case cases[] = {
        {"secretary.example.org", "", false},
        {" sec@example.org ; clerk@example.org", "sec@example.org ; clerk@example.org", true},
        {"@example.org", "@example.org", false},
        {"mailto:sec@example.org?bcc=spy@example.net", "mailto:sec@example.org?bcc=spy@example.net",
         false},
        {"sec@example.org;spy <spy@example.net>", "sec@example.org;spy <spy@example.net>", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.header);
        load(dir_.path(), "Group3.k09", 3, c.header);

        const SecretaryAddress secretary = secretaryMailAddress(store_);

        EXPECT_EQ(secretary.address, QString::fromUtf8(c.address));
        EXPECT_EQ(secretary.usable, c.usable);
    }
}

TEST_F(ReturnFileTest, FewerThanTwoPublishersWriteNoFile) {
    load(dir_.path(), "Group3.k09", 1);

    EXPECT_EQ(writeReturnFile(store_), std::nullopt);

    EXPECT_EQ(boxes_.texts(), QStringList{u"Group has less than 3 publishers"_s});
    EXPECT_FALSE(std::filesystem::exists(dir_.file("Group3.k19")));
}

TEST_F(ReturnFileTest, AFileThatCannotBeCreatedIsNotOffered) {
    load(dir_.path(), "Group3.k09");
    // A folder in the return file's place cannot be replaced by a file, even by root.
    std::filesystem::create_directory(dir_.file("Group3.k19"));

    EXPECT_EQ(writeReturnFile(store_), std::nullopt);

    ASSERT_EQ(boxes_.shown().size(), 1);
    // Not the read-only message: the system's own reason.
    const QString text = boxes_.shown()[0].text;
    EXPECT_TRUE(text.startsWith(QStringLiteral("Kolekt could not save "))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("The system reports: "))) << text.toStdString();
}

TEST_F(ReturnFileTest, ALinkPlantedAtItsNameIsReplacedNotFollowed) {
    load(dir_.path(), "Group3.k09");
    const std::string victim = dir_.file("someone-elses-file");
    test::writeBytes(victim, {1, 2, 3});
    std::filesystem::create_symlink(victim, dir_.file("Group3.k19"));

    ASSERT_NE(writeReturnFile(store_), std::nullopt);
    EXPECT_EQ(test::readBytes(victim), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_EQ(test::readBytes(dir_.file("Group3.k19")), exitActionBytes());
}

TEST_F(ReturnFileTest, FoldersNamedLikeCollectionFilesAreNotRenamed) {
    const std::string folder = dir_.file("march.k09.K09 files");
    load(folder, "GROUP3.K09");

    EXPECT_EQ(writeReturnFile(store_), QString::fromStdString(folder + "/GROUP3.k19"));

    EXPECT_TRUE(std::filesystem::exists(folder + "/GROUP3.k19"));
    EXPECT_FALSE(std::filesystem::exists(dir_.file("march.k19.k19 files")));
}

TEST_F(ReturnFileTest, NothingHappensWithoutACollectionFile) {
    load(dir_.path(), "Group3.k09");
    store_.setFilePath(dir_.file("Group3.txt"));

    EXPECT_EQ(writeReturnFile(store_), std::nullopt);
    store_.setFilePath("");
    EXPECT_EQ(writeReturnFile(store_), std::nullopt);

    EXPECT_TRUE(boxes_.shown().isEmpty());
    EXPECT_FALSE(std::filesystem::exists(dir_.file("Group3.k19")));
}

TEST_F(ReturnFileTest, AHostileAddressIsNeverHandedToTheMailProgram) {
    for (const char* hostile : {"-x@y.z", "mailto:sec@example.org?bcc=spy@example.net"}) {
        SCOPED_TRACE(hostile);
        load(dir_.path(), "Group3.k09", 3, hostile);
        StandInProgram xdgEmail(QStringLiteral("xdg-email"));
        const std::optional<QString> path = writeReturnFile(store_);
        ASSERT_TRUE(path);

        const HandOffResult result =
            sendDraft(returnFileMail(store_, *path, secretaryMailAddress(store_).address),
                      MailSettings{}, host_);

        EXPECT_EQ(xdgEmail.runCount(), 0);
        EXPECT_EQ(result.kind, HandOffResult::Kind::Failed);
        EXPECT_EQ(result.message, TextId::SendMailFailed);
    }
}

TEST_F(ReturnFileTest, MailsTheFileThroughSmtpIntact) {
    load(dir_.path(), "Group3.k09");
    test::SmtpTestServer server(QStringLiteral("pw"));
    ASSERT_TRUE(server.isRunning());
    test::ScriptedHandOffHost prompt(QStringLiteral("pw"));
    const std::optional<QString> path = writeReturnFile(store_);
    ASSERT_TRUE(path);

    const HandOffResult result =
        sendDraft(returnFileMail(store_, *path, secretaryMailAddress(store_).address),
                  {.smtpUrl = server.url(),
                   .from = u"overseer@example.org"_s,
                   .user = u"overseer"_s,
                   .allowPlainText = true},
                  prompt);

    EXPECT_EQ(result.kind, HandOffResult::Kind::Handed);
    ASSERT_EQ(server.receivedCount(), 1);
    const QJsonObject message = server.received(0);
    EXPECT_EQ(message[u"rcptTos"_s].toArray(), QJsonArray{u"secretary@example.org"_s});
    EXPECT_EQ(message[u"subject"_s].toString(), kSubject);
    EXPECT_EQ(message[u"body"_s].toString(), kBody + u" "_s);
    EXPECT_EQ(message[u"attachments"_s].toArray(), QJsonArray{u"Group3.k19"_s});
    const QByteArray attached = server.attachment(0, 0);
    EXPECT_EQ(std::vector<std::uint8_t>(attached.begin(), attached.end()),
              test::readBytes(dir_.file("Group3.k19")));
}

} // namespace
} // namespace kolekt
