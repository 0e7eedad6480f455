// The return file for the secretary and the offer to mail it.
#include "services/ReturnFile.h"

#include "CollectionFiles.h"
#include "ScriptedDialogs.h"
#include "ScriptedPasswordPrompt.h"
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
        store_.initialise(kToday, "eng");
        ASSERT_TRUE(store_.loadCollection(collectionPath_, kToday));
    }

    // What the exit action writes for the same store.
    std::vector<std::uint8_t> exitActionBytes() {
        const std::string path = dir_.file("exit-action.k09");
        EXPECT_TRUE(store_.saveCollection(path));
        return test::readBytes(path);
    }

    static QString offer(const std::string& returnPath, const QString& address) {
        return QStringLiteral("Your updates have been saved in a file at\n") +
               QString::fromStdString(returnPath) +
               QStringLiteral("\n\nClick Yes to E-mail the .k19 file to ") + address +
               QStringLiteral(",\n       or\nClick No to send the file to the secretary later.");
    }

    test::TempDir dir_;
    GuiStoreMessages messages_;
    CollectionStore store_{&messages_};
    std::string collectionPath_;
    ScriptedMessageBox boxes_;
};

TEST_F(ReturnFileTest, WritesBesideTheCollectionAndMailsItOnYes) {
    load(dir_.path(), "Group3.k09");
    StandInProgram xdgEmail(QStringLiteral("xdg-email"));
    boxes_.queueAnswer(MessageAnswer::Yes);

    createReturnFile(store_, MailSettings{}, nullptr);

    const std::string returnPath = dir_.file("Group3.k19");
    ASSERT_EQ(boxes_.shown().size(), 1);
    EXPECT_EQ(boxes_.shown()[0].text, offer(returnPath, QStringLiteral("secretary@example.org")));
    EXPECT_EQ(boxes_.shown()[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(boxes_.shown()[0].icon, MessageIcon::Question);
    const std::vector<std::uint8_t> written = test::readBytes(returnPath);
    EXPECT_EQ(written, exitActionBytes());
    EXPECT_EQ(store_.filePath(), collectionPath_);

    EXPECT_EQ(xdgEmail.arguments(),
              (QStringList{"--utf8", "--subject", kSubject, "--body", kBody + " ", "--attach",
                           QString::fromStdString(returnPath), "secretary@example.org"}));
    const QByteArray attached = xdgEmail.attachment(0);
    EXPECT_EQ(std::vector<std::uint8_t>(attached.begin(), attached.end()), written);
}

TEST_F(ReturnFileTest, AnsweringNoWritesTheFileAndSendsNothing) {
    load(dir_.path(), "Group3.k09");
    StandInProgram xdgEmail(QStringLiteral("xdg-email"));
    boxes_.queueAnswer(MessageAnswer::No);

    createReturnFile(store_, MailSettings{}, nullptr);

    EXPECT_EQ(boxes_.shown().size(), 1);
    EXPECT_TRUE(std::filesystem::exists(dir_.file("Group3.k19")));
    EXPECT_EQ(xdgEmail.runCount(), 0);
}

TEST_F(ReturnFileTest, WithoutAnAtSignOnlyTheFileIsReported) {
    load(dir_.path(), "Group3.k09", 3, "secretary.example.org");

    createReturnFile(store_, MailSettings{}, nullptr);

    ASSERT_EQ(boxes_.shown().size(), 1);
    EXPECT_EQ(boxes_.shown()[0].text,
              QStringLiteral("Your updates have been saved in a file at\n") +
                  QString::fromStdString(dir_.file("Group3.k19")));
    EXPECT_EQ(boxes_.shown()[0].buttons, MessageButtons::Ok);
}

TEST_F(ReturnFileTest, FewerThanTwoPublishersWriteNoFile) {
    load(dir_.path(), "Group3.k09", 1);

    createReturnFile(store_, MailSettings{}, nullptr);

    EXPECT_EQ(boxes_.texts(), QStringList{"Group has less than 3 publishers"});
    EXPECT_FALSE(std::filesystem::exists(dir_.file("Group3.k19")));
}

TEST_F(ReturnFileTest, AFileThatCannotBeCreatedGetsNoMailOffer) {
    load(dir_.path(), "Group3.k09");
    // A folder in the return file's place cannot be replaced by a file, even by root.
    std::filesystem::create_directory(dir_.file("Group3.k19"));
    StandInProgram xdgEmail(QStringLiteral("xdg-email"));

    createReturnFile(store_, MailSettings{}, nullptr);

    ASSERT_EQ(boxes_.shown().size(), 1);
    EXPECT_TRUE(boxes_.shown()[0].text.startsWith(QStringLiteral("Unable to create new file: ")));
    EXPECT_EQ(xdgEmail.runCount(), 0);
}

TEST_F(ReturnFileTest, FoldersNamedLikeCollectionFilesAreNotRenamed) {
    const std::string folder = dir_.file("march.k09.K09 files");
    load(folder, "GROUP3.K09");
    boxes_.queueAnswer(MessageAnswer::No);

    createReturnFile(store_, MailSettings{}, nullptr);

    EXPECT_TRUE(std::filesystem::exists(folder + "/GROUP3.k19"));
    EXPECT_FALSE(std::filesystem::exists(dir_.file("march.k19.k19 files")));
    EXPECT_EQ(boxes_.shown().size(), 1);
}

TEST_F(ReturnFileTest, NothingHappensWithoutACollectionFile) {
    load(dir_.path(), "Group3.k09");
    store_.setFilePath(dir_.file("Group3.txt"));

    createReturnFile(store_, MailSettings{}, nullptr);
    store_.setFilePath("");
    createReturnFile(store_, MailSettings{}, nullptr);

    EXPECT_TRUE(boxes_.shown().isEmpty());
    EXPECT_FALSE(std::filesystem::exists(dir_.file("Group3.k19")));
}

TEST_F(ReturnFileTest, AHostileAddressIsNeverHandedToTheMailProgram) {
    load(dir_.path(), "Group3.k09", 3, "-x@y.z");
    StandInProgram xdgEmail(QStringLiteral("xdg-email"));
    boxes_.queueAnswer(MessageAnswer::Yes);

    createReturnFile(store_, MailSettings{}, nullptr);

    EXPECT_EQ(xdgEmail.runCount(), 0);
    EXPECT_EQ(boxes_.texts().last(), QStringLiteral("Send Mail failed to send message."));
}

TEST_F(ReturnFileTest, MailsTheFileThroughSmtpIntact) {
    load(dir_.path(), "Group3.k09");
    test::SmtpTestServer server(QStringLiteral("pw"));
    ASSERT_TRUE(server.isRunning());
    test::ScriptedPasswordPrompt prompt(QStringLiteral("pw"));
    boxes_.queueAnswer(MessageAnswer::Yes);

    createReturnFile(store_, {server.url(), "overseer@example.org", "overseer"}, nullptr);

    EXPECT_EQ(boxes_.shown().size(), 1);
    ASSERT_EQ(server.receivedCount(), 1);
    const QJsonObject message = server.received(0);
    EXPECT_EQ(message["rcptTos"].toArray(), QJsonArray{"secretary@example.org"});
    EXPECT_EQ(message["subject"].toString(), kSubject);
    EXPECT_EQ(message["body"].toString(), kBody + " ");
    EXPECT_EQ(message["attachments"].toArray(), QJsonArray{"Group3.k19"});
    const QByteArray attached = server.attachment(0, 0);
    EXPECT_EQ(std::vector<std::uint8_t>(attached.begin(), attached.end()),
              test::readBytes(dir_.file("Group3.k19")));
}

} // namespace
} // namespace kolekt
