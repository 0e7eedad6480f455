// The main window's mail, return-file and dial commands, with stand-ins for the
// desktop's xdg-email, xdg-mime and xdg-open first on PATH.
#include "MainWindowFixture.h"
#include "SmtpTestServer.h"
#include "StandInProgram.h"
#include "ui/main/CMailSettingsDlg.h"
#include "ui/main/PasswordKeyring.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QJsonArray>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <filesystem>

namespace kolekt::test {

using namespace Qt::StringLiterals;
namespace {

using namespace main_dialog;

const QString kReminderSubject = u"Field service report for February 2026"_s;
const QString kReminder =
    u"Dear Anna,\n\nPlease submit your report for February 2026.\nThank you."_s;
const QString kReminderDraft =
    u"To: anna@example.org\nSubject: "_s + kReminderSubject + u"\n\n"_s + kReminder;
const QString kSaved = QStringLiteral("Your updates have been saved in a file at\n");

TEST_F(MainWindowTest, CreateFileForSecretaryByKeyboardWritesAndMailsTheReturnFile) {
    CollectionBuilder builder = group({{"Anna", "Berg"}, {"Ben", "Cole"}});
    builder.setSecretary("secretary@example.org");
    for (const int n : {1, 2})
        builder.setReport(n, kMonth, kSlot, {.shared = true});
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
    // The mail program gets a private copy of the file under its own name.
    const QString attachedPath = xdgEmail.attachedPath();
    EXPECT_EQ(QFileInfo(attachedPath).fileName(), u"Group3.k19"_s);
    EXPECT_NE(QFileInfo(attachedPath).absolutePath(), QString::fromStdString(dir.path()));
    EXPECT_EQ(xdgEmail.arguments(),
              (QStringList{u"--utf8"_s, u"--subject"_s, u"Collection File - February - Group 3"_s,
                           u"--body"_s, u"February .k19 file for Group 3 "_s, u"--attach"_s,
                           attachedPath, u"secretary@example.org"_s}));
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
        {"mailto:secretary@example.org?bcc=spy@example.net", MessageAnswer::Ok,
         QStringLiteral("\n\nThe secretary's e-mail address in the file cannot be used, so the "
                        "file cannot be e-mailed from here. Please hand it to the secretary "
                        "yourself."),
         MessageButtons::Ok},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.secretary);
        CollectionBuilder builder = group({{"Anna", "Berg"}, {"Ben", "Cole"}});
        builder.setSecretary(c.secretary);
        for (const int n : {1, 2})
            builder.setReport(n, kMonth, kSlot, {.shared = true});
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

TEST_F(MainWindowTest, AReturnFileNoMailProgramTakesIsOfferedToCopyAndToShowInItsFolder) {
    CollectionBuilder builder = group({{"Anna", "Berg"}, {"Ben", "Cole"}});
    builder.setSecretary("secretary@example.org");
    for (const int n : {1, 2})
        builder.setReport(n, kMonth, kSlot, {.shared = true});
    open(write(builder));
    const EmptyPath noPrograms;
    StandInProgram dbusSend(u"dbus-send"_s);
    messages.queueAnswer(MessageAnswer::Yes);
    messages.queueOffer(1);

    click(kCreateReturnFile);

    const QString returnFile = QString::fromStdString(dir.file("Group3.k19"));
    ASSERT_EQ(messages.shown().size(), 3);
    EXPECT_EQ(messages.shown()[1].text, u"No mail program was found.\n\nThe file to attach to the "
                                        u"mail is:\n"_s +
                                            returnFile);
    EXPECT_EQ(messages.shown()[1].offers,
              (QStringList{u"Copy Message"_s, u"Show File in Folder"_s}));
    EXPECT_TRUE(dbusSend.arguments().contains(u"array:string:"_s +
                                              QUrl::fromLocalFile(returnFile).toString()))
        << dbusSend.arguments().join(u' ').toStdString();
    EXPECT_EQ(dlg->focusedId(), kPublisherList);
}

TEST_F(MainWindowTest, RemindAllMissingMailsEachPublisherWithAnAddressOnItsOwn) {
    SmtpTestServer server;
    ASSERT_TRUE(server.isRunning());
    CollectionBuilder builder =
        group({{"Anna", "Berg"}, {"Ben", "Cole"}, {"Cleo", "Dunn"}, {"Dan", "Eyre"}});
    builder.setEmail(1, "anna@example.org").setEmail(2, "ben@example.org");
    builder.setEmail(4, "dan@example.org").setReport(4, kMonth, kSlot, {.shared = true});
    for (bool smtp : {true, false}) {
        SCOPED_TRACE(smtp);
        settings.mail = {};
        if (smtp)
            settings.mail = {.smtpUrl = server.url(), .from = u"overseer@example.org"_s};
        StandInProgram xdgEmail(u"xdg-email"_s);
        open(write(builder));
        messages.clear();

        key(Qt::Key_M, Qt::ControlModifier);

        ASSERT_FALSE(messages.shown().isEmpty());
        EXPECT_EQ(messages.shown()[0].text,
                  u"Send a reminder to each of these 2 publishers whose report is missing, one "
                  u"message each?\n    Anna Berg\n    Ben Cole\n\nThese publishers have no usable "
                  u"e-mail address and get no reminder:\n    Cleo Dunn"_s);
        if (smtp) {
            ASSERT_EQ(server.receivedCount(), 2);
            for (int i = 0; i < 2; ++i) {
                const QJsonObject message = server.received(i);
                const QString name = i == 0 ? u"Anna"_s : u"Ben"_s;
                EXPECT_EQ(message[u"rcptTos"_s].toArray(),
                          QJsonArray{name.toLower() + u"@example.org"_s});
                EXPECT_EQ(message[u"subject"_s].toString(), kReminderSubject);
                EXPECT_TRUE(message[u"body"_s].toString().startsWith(u"Dear "_s + name + u","_s));
            }
            EXPECT_EQ(messages.texts().last(), u"2 of 2 reminders were sent."_s);
        } else {
            EXPECT_EQ(xdgEmail.runCount(), 2);
            EXPECT_EQ(xdgEmail.arguments().last(), u"ben@example.org"_s);
            EXPECT_EQ(messages.texts().mid(1),
                      (QStringList{u"The mail program will now open 2 messages, one for each "
                                   u"publisher. Check and send each of them there."_s,
                                   u"2 of 2 reminders were opened in the mail program."_s}));
            EXPECT_EQ(dlg->focusedId(), kPublisherList);
        }
    }
}

// With reports missing the file is written only when the overseer says so, told whose.
TEST_F(MainWindowTest, CreateFileForSecretaryNamesTheMissingFirst) {
    CollectionBuilder builder = group({{"Anna", "Berg"}, {"Ben", "Cole"}, {"Cleo", "Dunn"}});
    builder.setReport(2, kMonth, kSlot, {.shared = true});
    open(write(builder));
    const std::string returnFile = dir.file("Group3.k19");
    for (const MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes}) {
        messages.clear();
        messages.queueAnswer(answer);
        click(kCreateReturnFile);
        ASSERT_FALSE(messages.shown().isEmpty());
        EXPECT_EQ(messages.shown()[0].text,
                  u"These reports are still missing: Berg, Anna; Dunn, Cleo\n\nCreate the file "
                  u"for the secretary all the same?"_s);
        EXPECT_EQ(messages.shown()[0].buttons, MessageButtons::YesNo);
        EXPECT_EQ(std::filesystem::exists(returnFile), answer == MessageAnswer::Yes);
        EXPECT_EQ(messages.shown().size(), answer == MessageAnswer::Yes ? 2 : 1);
    }
}

TEST_F(MainWindowTest, ReminderAndPreviewNameTheCollectionMonth) {
    CollectionBuilder builder = group({{"Anna", "Berg"}, {"Ben", "Cole"}});
    builder.setEmail(1, "anna@example.org");
    StandInProgram xdgEmail(QStringLiteral("xdg-email"));
    open(write(builder));
    ASSERT_TRUE(shown(kSendReminder));

    click(kPreviewReminder);
    EXPECT_EQ(messages.texts(), QStringList{kReminderDraft});
    EXPECT_EQ(xdgEmail.runCount(), 0);
    EXPECT_EQ(dlg->focusedId(), kPublisherList);

    messages.clear();
    click(kSendReminder);
    EXPECT_EQ(messages.texts(), QStringList{u"anna@example.org"_s});
    EXPECT_EQ(xdgEmail.arguments(), (QStringList{u"--utf8"_s, u"--subject"_s, kReminderSubject,
                                                 u"--body"_s, kReminder, u"anna@example.org"_s}));
    EXPECT_EQ(dlg->focusedId(), kPublisherList);
}

TEST_F(MainWindowTest, WithoutMailOrTelephonyTheReminderAndDialSayWhy) {
    CollectionBuilder builder = group({{"Anna", "Berg"}, {"Ben", "Cole"}});
    builder.setEmail(1, "anna@example.org").setPhone(1, 0, "0171 555 0101");
    open(write(builder));
    const EmptyPath noPrograms;

    // The reminder can still go by web mail: copied, the message is offered again.
    messages.queueOffer(0);
    click(kSendReminder);
    EXPECT_EQ(messages.texts(), (QStringList{u"anna@example.org"_s, u"No mail program was found."_s,
                                             u"No mail program was found."_s}));
    EXPECT_EQ(messages.shown()[1].offers, QStringList{u"Copy Message"_s});
    EXPECT_EQ(QGuiApplication::clipboard()->text(), kReminderDraft);

    messages.clear();
    click(kDial);
    EXPECT_EQ(messages.texts(), QStringList{u"Telephone service not available"_s});
    EXPECT_EQ(dlg->focusedId(), kPublisherList);
}

TEST_F(MainWindowTest, AnAddressThatIsNotPlainGetsNoReminder) {
    for (const char* address : {"-x@y.z", "mailto:anna@example.org?bcc=spy@example.net"}) {
        SCOPED_TRACE(address);
        CollectionBuilder builder = group({{"Anna", "Berg"}, {"Ben", "Cole"}});
        builder.setEmail(1, address);
        open(write(builder));

        EXPECT_FALSE(shown(kSendReminder));
        EXPECT_FALSE(shown(kPreviewReminder));
    }
}

TEST_F(MainWindowTest, MailToASilentServerShowsItsProgressAndEndsWithWhatHappened) {
    struct Case {
        bool cancel;
        QString outcome;
    };
    const Case cases[] = {
        {true, u"Sending was cancelled. The mail was not sent."_s},
        {false, u"The mail server 127.0.0.1 did not answer in time. The mail was not sent."_s},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cancel);
        SmtpTestServer server(SmtpTestServer::Silent{});
        ASSERT_TRUE(server.isRunning());
        settings.mail = {.smtpUrl = server.url(),
                         .from = u"overseer@example.org"_s,
                         .serverTimeout = std::chrono::seconds(c.cancel ? 30 : 1)};
        CollectionBuilder builder = group({{"Anna", "Berg"}, {"Ben", "Cole"}});
        builder.setEmail(1, "anna@example.org");
        open(write(builder));
        messages.clear();

        // While the mail goes out: the progress window is the one that takes input, every
        // control in it has a name, and the main window still repaints.
        int paints = 0;
        QPointer<QDialog> progress;
        bool seen = false;
        QStringList names;
        QTimer watcher;
        watcher.setInterval(50);
        QObject::connect(&watcher, &QTimer::timeout, [&] {
            auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!seen && modal != nullptr && modal != dlg.get()) {
                seen = true;
                progress = modal;
                for (QWidget* child : modal->findChildren<QWidget*>()) {
                    if (child->isVisible() && child->focusPolicy() != Qt::NoFocus)
                        names << QAccessible::queryAccessibleInterface(child)->text(
                            QAccessible::Name);
                }
                names << QAccessible::queryAccessibleInterface(modal->findChild<QProgressBar*>())
                             ->text(QAccessible::Name);
                dlg->update();
                QTimer::singleShot(300, modal, [modal, &c] {
                    if (c.cancel)
                        QTest::keyClick(modal, Qt::Key_Escape);
                });
            }
        });
        struct PaintCounter : QObject {
            int& count;
            explicit PaintCounter(int& n) : count(n) {}
            bool eventFilter(QObject*, QEvent* event) override {
                count += event->type() == QEvent::Paint ? 1 : 0;
                return false;
            }
        } counter(paints);
        dlg->installEventFilter(&counter);
        watcher.start();

        click(kSendReminder);

        watcher.stop();
        dlg->removeEventFilter(&counter);
        ASSERT_TRUE(seen);
        EXPECT_EQ(names, (QStringList{u"Cancel"_s, u"Sending the mail through 127.0.0.1..."_s}));
        EXPECT_GT(paints, 0);
        EXPECT_EQ(messages.texts(), (QStringList{u"anna@example.org"_s, c.outcome}));
        EXPECT_TRUE(progress.isNull()); // gone with the transfer
    }
}

TEST_F(MainWindowTest, DialDialsTheShownNumber) {
    CollectionBuilder builder = group({{"Anna", "Berg"}, {"Ben", "Cole"}});
    builder.setPhone(1, 0, "12345").setPhone(1, 1, "0171 555 0101").setPhone(1, 2, "0171 555 0202");
    const StandInProgram xdgMime(u"xdg-mime"_s, 0, "org.example.Phone.desktop\n");
    StandInProgram xdgOpen(QStringLiteral("xdg-open"));
    open(write(builder));
    click(kNextPhone);
    ASSERT_EQ(text(kPhoneNumber), u"0171 555 0202"_s);

    click(kDial);

    EXPECT_EQ(xdgOpen.arguments(), QStringList{u"tel:0171%20555%200202"_s});
    EXPECT_TRUE(messages.shown().isEmpty());
    EXPECT_EQ(dlg->focusedId(), kPublisherList);
}

// Where the system's mail client sends everything, the dialog sets only who signs the reminders
// and what they say; the server settings it leaves out are kept as they were.
TEST(MailSettingsDlgTest, EachScopeTabsThroughItsOwnFieldsAndKeepsWhatItLeavesOut) {
    MailSettings stored;
    stored.smtpUrl = u"smtps://mail.example.org"_s;
    stored.from = u"overseer@example.org"_s;
    stored.user = u"overseer"_s;
    stored.rememberPassword = keyringBuiltIn();
    QStringList server{u"Mail server:"_s, u"Sender address:"_s, u"User name:"_s, u"Password:"_s};
    if (keyringBuiltIn())
        server << u"Remember the password in the desktop's keyring"_s;
    const QStringList reminder{u"Your name (signs the reminders):"_s, u"Reminder subject:"_s,
                               u"Reminder text:"_s};
    const struct {
        MailSettingsScope scope;
        QStringList chain;
    } cases[] = {
        {MailSettingsScope::ServerAndReminder,
         server + reminder + QStringList{u"OK"_s, u"Send Test Message"_s, u"Cancel"_s}},
        {MailSettingsScope::ReminderOnly, reminder + QStringList{u"OK"_s, u"Cancel"_s}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.chain.first().toStdString());
        DesktopHandOff handOff(nullptr);
        CMailSettingsDlg dialog(stored, handOff, nullptr, c.scope);
        dialog.show();
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        QStringList chain;
        for (int step = 0; step <= c.chain.size(); ++step) {
            QWidget* focused = QApplication::focusWidget();
            ASSERT_NE(focused, nullptr);
            chain << QAccessible::queryAccessibleInterface(focused)->text(QAccessible::Name);
            QTest::keyClick(focused, Qt::Key_Tab);
        }
        EXPECT_EQ(chain.join(u" | "_s).toStdString(),
                  (c.chain + QStringList{c.chain.first()}).join(u" | "_s).toStdString());
        const MailSettings kept = dialog.settings();
        EXPECT_EQ(QStringList({kept.smtpUrl, kept.from, kept.user}),
                  QStringList({stored.smtpUrl, stored.from, stored.user}));
        EXPECT_EQ(kept.rememberPassword, stored.rememberPassword);
        EXPECT_TRUE(dialog.password().isEmpty());
    }
}

} // namespace
} // namespace kolekt::test
