// The main window's mail, return-file and dial commands, with stand-ins for the
// desktop's xdg-email and xdg-open first on PATH.
#include "MainWindowFixture.h"
#include "StandInProgram.h"

#include <filesystem>

namespace kolekt::test {
namespace {

using namespace main_dialog;

const QString kReminder = QStringLiteral("Please submit your report for February. \nThank you.");
const QString kSaved = QStringLiteral("Your updates have been saved in a file at\n");

TEST_F(MainWindowTest, CreateFileForSecretaryByKeyboardWritesAndMailsTheReturnFile) {
    CollectionBuilder builder = group({{"Anna", "Berg"}, {"Ben", "Cole"}});
    builder.setSecretary("secretary@example.org");
    const std::string path = write(builder);
    StandInProgram xdgEmail(QStringLiteral("xdg-email"));
    open(path);

    for (int tab = 0; tab < 20 && dlg->focusedId() != kCreateReturnFile; ++tab)
        key(Qt::Key_Tab);
    ASSERT_EQ(dlg->focusedId(), kCreateReturnFile);
    messages.queueAnswer(MessageAnswer::Yes);
    key(Qt::Key_Space);

    const std::string returnFile = dir.file("Group3.k19");
    ASSERT_TRUE(std::filesystem::exists(returnFile));
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_EQ(messages.shown()[0].text,
              kSaved + QString::fromStdString(returnFile) +
                  QStringLiteral("\n\nClick Yes to E-mail the .k19 file to secretary@example.org,"
                                 "\n       or\nClick No to send the file to the secretary later."));
    EXPECT_EQ(messages.shown()[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(messages.shown()[0].icon, MessageIcon::Question);
    EXPECT_EQ(xdgEmail.arguments(),
              (QStringList{"--utf8", "--subject", "Collection File - February - Group 3", "--body",
                           "February .k19 file for Group 3 ", "--attach",
                           QString::fromStdString(returnFile), "secretary@example.org"}));
    const QByteArray attached = xdgEmail.attachment(0);
    EXPECT_EQ(std::vector<std::uint8_t>(attached.begin(), attached.end()), readBytes(returnFile));
    EXPECT_EQ(dlg->focusedId(), kPublisherList);
}

TEST_F(MainWindowTest, TheReturnFileIsMailedOnlyOnYesAndOnlyToAnAddress) {
    struct Case {
        const char* secretary;
        MessageAnswer answer;
        QString followsThePath; // the rest of the one message shown
        MessageButtons buttons;
    };
    const Case cases[] = {
        {"secretary@example.org", MessageAnswer::No,
         QStringLiteral("\n\nClick Yes to E-mail the .k19 file to secretary@example.org,\n"
                        "       or\nClick No to send the file to the secretary later."),
         MessageButtons::YesNo},
        {"secretary.example.org", MessageAnswer::Ok, QString(), MessageButtons::Ok},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.secretary);
        CollectionBuilder builder = group({{"Anna", "Berg"}, {"Ben", "Cole"}});
        builder.setSecretary(c.secretary);
        StandInProgram xdgEmail(QStringLiteral("xdg-email"));
        open(write(builder));
        messages.clear();
        messages.queueAnswer(c.answer);

        click(kCreateReturnFile);

        const std::string returnFile = dir.file("Group3.k19");
        EXPECT_TRUE(std::filesystem::exists(returnFile));
        ASSERT_EQ(messages.shown().size(), 1);
        EXPECT_EQ(messages.shown()[0].text,
                  kSaved + QString::fromStdString(returnFile) + c.followsThePath);
        EXPECT_EQ(messages.shown()[0].buttons, c.buttons);
        EXPECT_EQ(xdgEmail.runCount(), 0);
        std::filesystem::remove(returnFile);
    }
}

TEST_F(MainWindowTest, ReminderAndPreviewNameTheCollectionMonth) {
    CollectionBuilder builder = group({{"Anna", "Berg"}, {"Ben", "Cole"}});
    builder.setEmail(1, "anna@example.org");
    StandInProgram xdgEmail(QStringLiteral("xdg-email"));
    open(write(builder));
    ASSERT_TRUE(shown(kSendReminder));

    click(kPreviewReminder);
    EXPECT_EQ(messages.texts(), QStringList{kReminder});
    EXPECT_EQ(xdgEmail.runCount(), 0);
    EXPECT_EQ(dlg->focusedId(), kPublisherList);

    messages.clear();
    click(kSendReminder);
    EXPECT_EQ(messages.texts(), QStringList{"anna@example.org"});
    EXPECT_EQ(xdgEmail.arguments(), (QStringList{"--utf8", "--subject", "Report", "--body",
                                                 kReminder, "anna@example.org"}));
    EXPECT_EQ(dlg->focusedId(), kPublisherList);
}

TEST_F(MainWindowTest, WithoutMailOrTelephonyTheReminderAndDialSayWhy) {
    CollectionBuilder builder = group({{"Anna", "Berg"}, {"Ben", "Cole"}});
    builder.setEmail(1, "anna@example.org").setPhone(1, 0, "0171 555 0101");
    open(write(builder));
    const EmptyPath noPrograms;

    click(kSendReminder);
    EXPECT_EQ(messages.texts(),
              (QStringList{"anna@example.org", "Unable to load mail system support."}));

    messages.clear();
    click(kDial);
    EXPECT_EQ(messages.texts(), QStringList{"Telephone service not available"});
    EXPECT_EQ(dlg->focusedId(), kPublisherList);
}

TEST_F(MainWindowTest, AnAddressThatLooksLikeAnOptionGetsNoReminder) {
    CollectionBuilder builder = group({{"Anna", "Berg"}, {"Ben", "Cole"}});
    builder.setEmail(1, "-x@y.z");
    open(write(builder));

    EXPECT_FALSE(shown(kSendReminder));
    EXPECT_FALSE(shown(kPreviewReminder));
}

TEST_F(MainWindowTest, DialDialsTheShownNumber) {
    CollectionBuilder builder = group({{"Anna", "Berg"}, {"Ben", "Cole"}});
    builder.setPhone(1, 0, "12345").setPhone(1, 1, "0171 555 0101").setPhone(1, 2, "0171 555 0202");
    StandInProgram xdgOpen(QStringLiteral("xdg-open"));
    open(write(builder));
    click(kNextPhone);
    ASSERT_EQ(text(kPhoneNumber), "0171 555 0202");

    click(kDial);

    EXPECT_EQ(xdgOpen.arguments(), QStringList{"tel:0171%20555%200202"});
    EXPECT_TRUE(messages.shown().isEmpty());
    EXPECT_EQ(dlg->focusedId(), kPublisherList);
}

} // namespace
} // namespace kolekt::test
