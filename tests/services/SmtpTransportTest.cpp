// Mail sent straight to a real SMTP server that the test starts on 127.0.0.1.
#include "ScriptedHandOffHost.h"
#include "SmtpTestServer.h"
#include "services/MailMessage.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kolekt {

using namespace Qt::StringLiterals;
namespace {

using test::ScriptedHandOffHost;
using test::SmtpTestServer;
using Kind = HandOffResult::Kind;

const QString kPassword = QStringLiteral("s3cret pass");

MailSettings settingsFor(const SmtpTestServer& server) {
    return {server.url(), QStringLiteral("overseer@example.org"), QStringLiteral("overseer")};
}

HandOffResult sendReport(const MailSettings& settings, HandOffHost& host,
                         const QString& attachment = QString()) {
    MailMessage mail(settings);
    mail.setSenderName(QStringLiteral("Kolekt"));
    mail.addRecipients(QStringLiteral("secretary@example.org;;clerk@example.org"));
    mail.setSubject(QStringLiteral("Collection File - March - Group 7"));
    mail.setBody(QStringLiteral("March .k19 file for Group 7"));
    if (!attachment.isEmpty()) {
        mail.addAttachment(attachment);
    }
    return mail.sendMail(host);
}

TEST(SmtpTransport, DeliversRecipientsSubjectBodyAndAttachmentAsSent) {
    SmtpTestServer server(kPassword);
    ASSERT_TRUE(server.isRunning());
    ScriptedHandOffHost prompt(kPassword);
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
    EXPECT_EQ(sendReport(readMailSettings(ini), prompt, path).kind, Kind::Handed);

    EXPECT_EQ(prompt.asked(), 1);
    EXPECT_EQ(prompt.user(), QStringLiteral("overseer"));
    ASSERT_EQ(server.receivedCount(), 1);
    const QJsonObject message = server.received(0);
    EXPECT_EQ(message[u"mailFrom"_s].toString(), QStringLiteral("overseer@example.org"));
    EXPECT_EQ(message[u"rcptTos"_s].toArray(),
              (QJsonArray{u"secretary@example.org"_s, u"clerk@example.org"_s}));
    EXPECT_EQ(message[u"subject"_s].toString(),
              QStringLiteral("Collection File - March - Group 7"));
    EXPECT_EQ(message[u"from"_s].toString(), QStringLiteral("Kolekt <overseer@example.org>"));
    EXPECT_EQ(message[u"body"_s].toString(), QStringLiteral("March .k19 file for Group 7 "));
    EXPECT_EQ(message[u"attachments"_s].toArray(), QJsonArray{u"Group7.k19"_s});
    EXPECT_EQ(server.attachment(0, 0), bytes);
}

TEST(SmtpTransport, ARefusedLogOnFailsToSend) {
    SmtpTestServer server(kPassword);
    ASSERT_TRUE(server.isRunning());
    ScriptedHandOffHost prompt(QStringLiteral("wrong"));

    const HandOffResult result = sendReport(settingsFor(server), prompt);

    EXPECT_EQ(result.kind, Kind::Failed);
    EXPECT_EQ(result.message, TextId::SendMailFailed);
    EXPECT_EQ(server.receivedCount(), 0);
}

TEST(SmtpTransport, CancellingThePasswordPromptIsTheUserCancelling) {
    SmtpTestServer server(kPassword);
    ASSERT_TRUE(server.isRunning());
    ScriptedHandOffHost prompt(std::nullopt);

    const HandOffResult result = sendReport(settingsFor(server), prompt);

    EXPECT_EQ(prompt.asked(), 1);
    EXPECT_EQ(result.kind, Kind::Cancelled);
    EXPECT_EQ(result.message, TextId::None);
    EXPECT_EQ(server.receivedCount(), 0);
}

TEST(SmtpTransport, AServerWithoutLogOnIsNotAskedForAPassword) {
    SmtpTestServer server;
    ASSERT_TRUE(server.isRunning());
    ScriptedHandOffHost prompt(kPassword);

    EXPECT_EQ(
        sendReport({server.url(), QStringLiteral("overseer@example.org"), QString()}, prompt).kind,
        Kind::Handed);

    EXPECT_EQ(prompt.asked(), 0);
    EXPECT_EQ(server.receivedCount(), 1);
}

TEST(SmtpTransport, NoServerToConnectToFailsToSend) {
    ScriptedHandOffHost prompt(kPassword);

    const HandOffResult result =
        sendReport({QStringLiteral("smtp://127.0.0.1:1"), QStringLiteral("overseer@example.org"),
                    QStringLiteral("overseer")},
                   prompt);

    EXPECT_EQ(result.kind, Kind::Failed);
    EXPECT_EQ(result.message, TextId::SendMailFailed);
}

} // namespace
} // namespace kolekt
