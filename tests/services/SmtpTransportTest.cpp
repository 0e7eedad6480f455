// Mail sent straight to a real SMTP server that the test starts on 127.0.0.1.
#include "ScriptedDialogs.h"
#include "ScriptedPasswordPrompt.h"
#include "SmtpTestServer.h"
#include "services/MailMessage.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kolekt {
namespace {

using test::ScriptedMessageBox;
using test::ScriptedPasswordPrompt;
using test::SmtpTestServer;

const QString kPassword = QStringLiteral("s3cret pass");

MailSettings settingsFor(const SmtpTestServer& server) {
    return {server.url(), QStringLiteral("overseer@example.org"), QStringLiteral("overseer")};
}

bool sendReport(const MailSettings& settings, const QString& attachment = QString()) {
    MailMessage mail(settings);
    if (mail.takeError() != mail_error::kNone) {
        return false;
    }
    mail.setSenderName(QStringLiteral("Kolekt"));
    mail.addRecipients(QStringLiteral("secretary@example.org;;clerk@example.org"));
    mail.setSubject(QStringLiteral("Collection File - March - Group 7"));
    mail.setBody(QStringLiteral("March .k19 file for Group 7"));
    if (!attachment.isEmpty()) {
        mail.addAttachment(attachment);
    }
    return mail.sendMail();
}

TEST(SmtpTransport, DeliversRecipientsSubjectBodyAndAttachmentAsSent) {
    SmtpTestServer server(kPassword);
    ASSERT_TRUE(server.isRunning());
    ScriptedMessageBox boxes;
    ScriptedPasswordPrompt prompt(kPassword);
    QTemporaryDir dir;
    QByteArray bytes;
    for (int i = 0; i < 3000; ++i) {
        bytes += static_cast<char>(i % 256);
    }
    const QString path = QDir(dir.path()).filePath(QStringLiteral("Group7.k19"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();

    // The settings come from section "Mail" of an INI file.
    const QString ini = QDir(dir.path()).filePath(QStringLiteral("kolekt.ini"));
    {
        QSettings settings(ini, QSettings::IniFormat);
        settings.setValue(QStringLiteral("Mail/SmtpUrl"), server.url());
        settings.setValue(QStringLiteral("Mail/From"), QStringLiteral("overseer@example.org"));
        settings.setValue(QStringLiteral("Mail/User"), QStringLiteral("overseer"));
    }
    EXPECT_TRUE(sendReport(readMailSettings(ini), path));

    EXPECT_TRUE(boxes.shown().isEmpty());
    EXPECT_EQ(prompt.asked(), 1);
    EXPECT_EQ(prompt.user(), QStringLiteral("overseer"));
    ASSERT_EQ(server.receivedCount(), 1);
    const QJsonObject message = server.received(0);
    EXPECT_EQ(message["mailFrom"].toString(), QStringLiteral("overseer@example.org"));
    EXPECT_EQ(message["rcptTos"].toArray(),
              (QJsonArray{"secretary@example.org", "clerk@example.org"}));
    EXPECT_EQ(message["subject"].toString(), QStringLiteral("Collection File - March - Group 7"));
    EXPECT_EQ(message["from"].toString(), QStringLiteral("Kolekt <overseer@example.org>"));
    EXPECT_EQ(message["body"].toString(), QStringLiteral("March .k19 file for Group 7 "));
    EXPECT_EQ(message["attachments"].toArray(), QJsonArray{"Group7.k19"});
    EXPECT_EQ(server.attachment(0, 0), bytes);
}

TEST(SmtpTransport, ARefusedLogOnFailsToSend) {
    SmtpTestServer server(kPassword);
    ASSERT_TRUE(server.isRunning());
    ScriptedMessageBox boxes;
    ScriptedPasswordPrompt prompt(QStringLiteral("wrong"));

    EXPECT_FALSE(sendReport(settingsFor(server)));

    EXPECT_EQ(boxes.texts(), QStringList{"Send Mail failed to send message."});
    EXPECT_EQ(server.receivedCount(), 0);
}

TEST(SmtpTransport, CancellingThePasswordPromptIsTheUserCancelling) {
    SmtpTestServer server(kPassword);
    ASSERT_TRUE(server.isRunning());
    ScriptedMessageBox boxes;
    ScriptedPasswordPrompt prompt(std::nullopt);

    EXPECT_TRUE(sendReport(settingsFor(server)));

    EXPECT_EQ(prompt.asked(), 1);
    EXPECT_TRUE(boxes.shown().isEmpty());
    EXPECT_EQ(server.receivedCount(), 0);
}

TEST(SmtpTransport, AServerWithoutLogOnIsNotAskedForAPassword) {
    SmtpTestServer server;
    ASSERT_TRUE(server.isRunning());
    ScriptedMessageBox boxes;
    ScriptedPasswordPrompt prompt(kPassword);

    EXPECT_TRUE(sendReport({server.url(), QStringLiteral("overseer@example.org"), QString()}));

    EXPECT_EQ(prompt.asked(), 0);
    EXPECT_EQ(server.receivedCount(), 1);
}

TEST(SmtpTransport, NoServerToConnectToFailsToSend) {
    ScriptedMessageBox boxes;
    ScriptedPasswordPrompt prompt(kPassword);

    EXPECT_FALSE(sendReport({QStringLiteral("smtp://127.0.0.1:1"),
                             QStringLiteral("overseer@example.org"), QStringLiteral("overseer")}));

    EXPECT_EQ(boxes.texts(), QStringList{"Send Mail failed to send message."});
}

} // namespace
} // namespace kolekt
