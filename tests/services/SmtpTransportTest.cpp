// Mail sent straight to a real SMTP server that the test starts on 127.0.0.1.
#include "ScriptedHandOffHost.h"
#include "SmtpTestServer.h"
#include "services/MailMessage.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QUrl>
#include <algorithm>
#include <gtest/gtest.h>

namespace kolekt {

using namespace Qt::StringLiterals;
namespace {

using test::ScriptedHandOffHost;
using test::SmtpTestServer;
using Kind = HandOffResult::Kind;

const QString kPassword = QStringLiteral("s3cret pass");

const QString kFrom = u"overseer@example.org"_s;
const QString kUser = u"overseer"_s;

// The test servers offer log-on without TLS on 127.0.0.1, which only a local relay may do.
MailSettings settingsFor(const SmtpTestServer& server, const QString& user = kUser) {
    return {.smtpUrl = server.url(), .from = kFrom, .user = user, .allowPlainText = true};
}

HandOffResult sendReport(const MailSettings& settings, HandOffHost& host,
                         const QString& attachment = QString(),
                         const QString& subject = u"Collection File - March - Group 7"_s,
                         const QString& senderName = u"Kolekt"_s) {
    MailMessage mail(settings);
    mail.setSenderName(senderName);
    mail.addRecipients(QStringLiteral("secretary@example.org;;clerk@example.org"));
    mail.setSubject(subject);
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
        settings.setValue(QStringLiteral("Mail/From"), kFrom);
        settings.setValue(QStringLiteral("Mail/User"), kUser);
        settings.setValue(QStringLiteral("Mail/AllowPlainText"), true);
    }
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    EXPECT_EQ(sendReport(readMailSettings(ini), prompt, path).kind, Kind::Handed);

    EXPECT_EQ(prompt.asked(), 1);
    EXPECT_EQ(prompt.user(), kUser);
    EXPECT_EQ(prompt.transfers(), 1);
    EXPECT_EQ(prompt.server(), u"127.0.0.1"_s);
    ASSERT_EQ(server.receivedCount(), 1);
    const QJsonObject message = server.received(0);
    EXPECT_EQ(message[u"mailFrom"_s].toString(), kFrom);
    EXPECT_EQ(message[u"rcptTos"_s].toArray(),
              (QJsonArray{u"secretary@example.org"_s, u"clerk@example.org"_s}));
    EXPECT_EQ(message[u"subject"_s].toString(),
              QStringLiteral("Collection File - March - Group 7"));
    EXPECT_EQ(message[u"from"_s].toString(), QStringLiteral("Kolekt <overseer@example.org>"));
    EXPECT_EQ(message[u"body"_s].toString(), QStringLiteral("March .k19 file for Group 7 "));
    EXPECT_EQ(message[u"attachments"_s].toArray(), QJsonArray{u"Group7.k19"_s});
    EXPECT_EQ(server.attachment(0, 0), bytes);

    const QDateTime date = QDateTime::fromString(message[u"date"_s].toString(), Qt::RFC2822Date);
    EXPECT_TRUE(date >= before && date <= QDateTime::currentDateTime())
        << date.toString().toStdString();
    EXPECT_TRUE(message[u"messageId"_s].toString().endsWith(u"@example.org>"_s));
    QByteArray lines = server.raw(0);
    EXPECT_FALSE(lines.replace("\r\n", "").contains('\n'));
}

TEST(SmtpTransport, TextBeyondAsciiTravelsEncodedAndArrivesWhole) {
    SmtpTestServer server;
    ASSERT_TRUE(server.isRunning());
    ScriptedHandOffHost host;
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(u"Skupina Jižní.k19"_s);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("k19");
    file.close();
    // Long enough to need several encoded-words, with a character outside the basic plane.
    const QString subject =
        u"Sběrný soubor – září – Skupina 3 – přehled všech zpráv 🙂 konec"_s;
    const QString name = u"Kolekt – Skupina Jih"_s;
    MailSettings settings = settingsFor(server, QString());

    EXPECT_EQ(sendReport(settings, host, path, subject, name).kind, Kind::Handed);

    ASSERT_EQ(server.receivedCount(), 1);
    const QJsonObject message = server.received(0);
    EXPECT_EQ(message[u"subject"_s].toString(), subject);
    EXPECT_EQ(message[u"from"_s].toString(), name + u" <overseer@example.org>"_s);
    EXPECT_EQ(message[u"attachments"_s].toArray(), QJsonArray{u"Skupina Jižní.k19"_s});
    const QByteArray raw = server.raw(0);
    EXPECT_TRUE(std::all_of(raw.begin(), raw.end(),
                            [](char c) { return static_cast<unsigned char>(c) < 0x80; }));
    const QString rawSubject = message[u"rawSubject"_s].toString();
    for (const QString& word : rawSubject.split(QRegularExpression(u"\\s+"_s))) {
        EXPECT_TRUE(word.startsWith(u"=?UTF-8?B?"_s)) << word.toStdString();
        EXPECT_LE(word.size(), 75);
    }
}

TEST(SmtpTransport, APasswordGoesOnlyOverAnEncryptedConnectionOrToAChosenLocalRelay) {
    struct Case {
        const char* url;
        bool allowPlainText;
        Kind kind;
        TextId message;
        int logOns;
    };
    const Case cases[] = {
        {"smtp://127.0.0.1:%1", false, Kind::Failed, TextId::MailServerWithoutStartTls, 0},
        {"smtp://127.0.0.1:%1", true, Kind::Handed, TextId::None, 1},
        {"smtp://localhost:%1", true, Kind::Handed, TextId::None, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.url);
        SCOPED_TRACE(c.allowPlainText);
        SmtpTestServer server(kPassword);
        ASSERT_TRUE(server.isRunning());
        ScriptedHandOffHost prompt(kPassword);
        MailSettings settings = settingsFor(server);
        settings.smtpUrl = QString::fromLatin1(c.url).arg(QUrl(server.url()).port());
        settings.allowPlainText = c.allowPlainText;

        const HandOffResult result = sendReport(settings, prompt);

        EXPECT_EQ(result.kind, c.kind);
        EXPECT_EQ(result.message, c.message);
        EXPECT_EQ(server.logOnAttempts(), c.logOns);
        EXPECT_EQ(server.receivedCount(), c.logOns);
    }
}

TEST(SmtpTransport, ARefusedLogOnOrNoServerSaysSo) {
    SmtpTestServer server(kPassword);
    ASSERT_TRUE(server.isRunning());
    ScriptedHandOffHost prompt(QStringLiteral("wrong"));

    HandOffResult result = sendReport(settingsFor(server), prompt);

    EXPECT_EQ(result.kind, Kind::Failed);
    EXPECT_EQ(result.message, TextId::MailLogOnRefused);
    EXPECT_EQ(result.argument, u"127.0.0.1"_s);
    EXPECT_EQ(server.receivedCount(), 0);

    MailSettings nowhere = settingsFor(server);
    nowhere.smtpUrl = u"smtp://127.0.0.1:1"_s;
    result = sendReport(nowhere, prompt);
    EXPECT_EQ(result.kind, Kind::Failed);
    EXPECT_EQ(result.message, TextId::MailServerUnreachable);
}

TEST(SmtpTransport, ASilentServerTimesOutOrIsCancelledWhileTheEventLoopRuns) {
    struct Case {
        std::optional<std::chrono::milliseconds> cancelAfter;
        Kind kind;
        TextId message;
    };
    const Case cases[] = {
        {std::nullopt, Kind::Failed, TextId::MailServerTimedOut},
        {std::chrono::milliseconds(300), Kind::Cancelled, TextId::MailCancelled},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cancelAfter.has_value());
        SmtpTestServer server(SmtpTestServer::Silent{});
        ASSERT_TRUE(server.isRunning());
        ScriptedHandOffHost host;
        if (c.cancelAfter) {
            host.cancelTransferAfter(*c.cancelAfter);
        }
        MailSettings settings = settingsFor(server, QString());
        settings.serverTimeout = std::chrono::seconds(c.cancelAfter ? 30 : 1);
        QElapsedTimer clock;
        clock.start();

        const HandOffResult result = sendReport(settings, host);

        EXPECT_EQ(result.kind, c.kind);
        EXPECT_EQ(result.message, c.message);
        EXPECT_LT(clock.elapsed(), 5000);
        EXPECT_EQ(host.transfers(), 1);
    }
}

TEST(SmtpTransport, CancellingThePasswordPromptIsTheUserCancelling) {
    SmtpTestServer server(kPassword);
    ASSERT_TRUE(server.isRunning());
    ScriptedHandOffHost prompt(std::nullopt);

    const HandOffResult result = sendReport(settingsFor(server), prompt);

    EXPECT_EQ(prompt.asked(), 1);
    EXPECT_EQ(result.kind, Kind::Cancelled);
    EXPECT_EQ(result.message, TextId::None);
    EXPECT_EQ(prompt.transfers(), 0);
    EXPECT_EQ(server.receivedCount(), 0);
}

TEST(SmtpTransport, AServerWithoutLogOnIsNotAskedForAPassword) {
    SmtpTestServer server;
    ASSERT_TRUE(server.isRunning());
    ScriptedHandOffHost prompt(kPassword);

    EXPECT_EQ(sendReport(settingsFor(server, QString()), prompt).kind, Kind::Handed);

    EXPECT_EQ(prompt.asked(), 0);
    EXPECT_EQ(server.receivedCount(), 1);
}

} // namespace
} // namespace kolekt
