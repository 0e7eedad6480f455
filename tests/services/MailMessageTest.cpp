// The mail message model and the xdg-email hand-off, through a stand-in
// xdg-email placed first on PATH.
#include "services/MailMessage.h"

#include "ScriptedHandOffHost.h"
#include "StandInProgram.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <filesystem>
#include <gtest/gtest.h>

namespace kolekt {

using namespace Qt::StringLiterals;
namespace {

using test::EmptyPath;
using test::StandInProgram;
using Kind = HandOffResult::Kind;

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = QDir(dir.path()).filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
}

TEST(MailMessage, RecipientsAreNamedByTheirAddressAndEmptyPiecesAreSkipped) {
    StandInProgram xdgEmail(QStringLiteral("xdg-email"));
    MailMessage mail{MailSettings{}};
    ASSERT_EQ(mail.takeError(), mail_error::kNone);

    EXPECT_TRUE(mail.addRecipients(QStringLiteral("anna@example.org;;ben@example.org;")));

    const QList<MailRecipient>& recipients = mail.message().recipients;
    ASSERT_EQ(recipients.size(), 2);
    EXPECT_EQ(recipients[0].name, QStringLiteral("anna@example.org"));
    EXPECT_EQ(recipients[0].address, QStringLiteral("SMTP:anna@example.org"));
    EXPECT_EQ(recipients[0].recipientClass, RecipientClass::To);
    EXPECT_EQ(recipients[1].name, QStringLiteral("ben@example.org"));
    EXPECT_EQ(recipients[1].address, QStringLiteral("SMTP:ben@example.org"));
    EXPECT_EQ(mail.message().originator.recipientClass, RecipientClass::Originator);
}

// xdg-email passes the attachment's path on inside an option text of some mail programs, where
// a quote, comma or equals sign could add a recipient: it gets a copy under a plain name, in a
// folder only the user may enter.
TEST(MailMessage, HandsEverythingToXdgEmailWithTheAddressesLastAndAPlainCopyAttached) {
    struct Case {
        const char* name;
        const char* handedName;
    };
    const Case cases[] = {
        {"Group3.k19", "Group3.k19"},
        {"x',bcc='spy@evil.example',y='.k19", "x__bcc__spy_evil.example__y__.k19"},
        {"Gruppe 3 Müller.k19", "Gruppe_3_Müller.k19"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::ScriptedHandOffHost host;
        StandInProgram xdgEmail(QStringLiteral("xdg-email"));
        QTemporaryDir dir;
        const QByteArray bytes("K09\0\x01\xff binary", 14);
        const QString attachment = writeFile(dir, QString::fromUtf8(c.name), bytes);

        MailMessage mail{MailSettings{}};
        ASSERT_EQ(mail.takeError(), mail_error::kNone);
        mail.setSenderName(QStringLiteral("Kolekt"));
        mail.addRecipients(QStringLiteral("anna@example.org;;ben@example.org"));
        mail.setSubject(QStringLiteral("Collection File"));
        mail.setBody(QStringLiteral("twenty characters..."));
        mail.addAttachment(attachment);
        const HandOffResult result = mail.sendMail(host);
        EXPECT_EQ(result.kind, Kind::Handed);
        EXPECT_EQ(result.message, TextId::None);

        // The attachment stands on its own blank after the 20 characters of the body.
        EXPECT_EQ(mail.message().noteText.size(), 21);
        EXPECT_EQ(mail.message().attachments[0].position, 20);
        const QFileInfo handed(xdgEmail.attachedPath());
        EXPECT_EQ(handed.fileName(), QString::fromUtf8(c.handedName));
        EXPECT_NE(handed.absolutePath(), dir.path());
        EXPECT_EQ(std::filesystem::status(handed.absolutePath().toStdString()).permissions(),
                  std::filesystem::perms::owner_all);
        EXPECT_EQ(xdgEmail.arguments(),
                  (QStringList{u"--utf8"_s, u"--subject"_s, u"Collection File"_s, u"--body"_s,
                               u"twenty characters... "_s, u"--attach"_s, handed.filePath(),
                               u"anna@example.org"_s, u"ben@example.org"_s}));
        EXPECT_EQ(xdgEmail.attachment(0), bytes);
        EXPECT_EQ(host.asked(), 0);
    }
}

TEST(MailMessage, MissingXdgEmailIsAMissingMailLibrary) {
    test::ScriptedHandOffHost host;
    EmptyPath noPrograms;

    MailMessage mail{MailSettings{}};

    EXPECT_EQ(mail.takeError(), mail_error::kLibraryMissing);
    EXPECT_EQ(mail.takeError(), mail_error::kNone);
    mail.addRecipients(QStringLiteral("anna@example.org"));
    const HandOffResult result = mail.sendMail(host);
    EXPECT_EQ(result.kind, Kind::NoSystem);
    EXPECT_EQ(result.message, TextId::NoMailSystem);
}

TEST(MailMessage, ExitStatusesOfXdgEmail) {
    struct Case {
        int status;
        Kind kind;
        TextId message;
    };
    const Case cases[] = {
        {3, Kind::NoSystem, TextId::NoMailSystem},
        {1, Kind::Failed, TextId::SendMailFailed},
        {4, Kind::Failed, TextId::SendMailFailed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.status);
        test::ScriptedHandOffHost host;
        StandInProgram xdgEmail(QStringLiteral("xdg-email"), c.status);
        MailMessage mail{MailSettings{}};
        ASSERT_EQ(mail.takeError(), mail_error::kNone);
        mail.addRecipients(QStringLiteral("anna@example.org"));
        mail.setSubject(QStringLiteral("Report"));
        mail.setBody(QStringLiteral("Body"));

        const HandOffResult result = mail.sendMail(host);
        EXPECT_EQ(result.kind, c.kind);
        EXPECT_EQ(result.message, c.message);
        EXPECT_EQ(xdgEmail.runCount(), 1);
    }
}

TEST(MailMessage, OnlyPlainAddressesAreSentTo) {
    test::ScriptedHandOffHost host;
    StandInProgram xdgEmail(QStringLiteral("xdg-email"));
    MailMessage mail{MailSettings{}};
    ASSERT_EQ(mail.takeError(), mail_error::kNone);

    // Options, links that add recipients or fields, and several addresses posing as one.
    EXPECT_FALSE(mail.addRecipients(
        QStringLiteral("-x@y.z;--help; anna@example.org ;a\nb@c.d;mailto:a@b.c?bcc=x@y.z;"
                       "b@c.d?cc=x@y.z;b@c.d&to=x@y.z;\"x@y.z\"@c.d;<x@y.z>;x@y.z,b@c.d")));
    mail.setSubject(QStringLiteral("Report"));
    mail.setBody(QStringLiteral("Body"));
    EXPECT_EQ(mail.sendMail(host).kind, Kind::Handed);

    const QStringList arguments = xdgEmail.arguments();
    EXPECT_EQ(arguments.last(), QStringLiteral("anna@example.org"));
    EXPECT_FALSE(arguments.contains(QStringLiteral("-x@y.z")));
    EXPECT_FALSE(arguments.contains(QStringLiteral("--help")));
    EXPECT_EQ(arguments.filter(QStringLiteral("@")).size(), 1);
}

TEST(MailMessage, WithNoAddressLeftNothingIsHandedOver) {
    test::ScriptedHandOffHost host;
    StandInProgram xdgEmail(QStringLiteral("xdg-email"));
    MailMessage mail{MailSettings{}};
    ASSERT_EQ(mail.takeError(), mail_error::kNone);

    mail.addRecipients(QStringLiteral("-x@y.z"));
    mail.setSubject(QStringLiteral("Report"));
    const HandOffResult result = mail.sendMail(host);

    EXPECT_EQ(xdgEmail.runCount(), 0);
    EXPECT_EQ(result.kind, Kind::Failed);
    EXPECT_EQ(result.message, TextId::SendMailFailed);
}

TEST(MailMessage, UnusableSmtpSettingsAreAnInvalidMailSystem) {
    for (const MailSettings& settings :
         {MailSettings{.smtpUrl = u"http://127.0.0.1:25"_s, .from = u"me@example.org"_s},
          MailSettings{.smtpUrl = u"smtp://127.0.0.1:25"_s},
          MailSettings{.smtpUrl = u"smtp://127.0.0.1:25"_s, .from = u"Me <me@example.org>"_s},
          MailSettings{.smtpUrl = u"smtp://"_s, .from = u"me@example.org"_s}}) {
        SCOPED_TRACE(settings.smtpUrl.toStdString());
        test::ScriptedHandOffHost host;
        MailMessage mail(settings);
        EXPECT_EQ(mail.takeError(), mail_error::kLibraryInvalid);
        const HandOffResult result = mail.sendMail(host);
        EXPECT_EQ(result.kind, Kind::Unusable);
        EXPECT_EQ(result.message, TextId::MailSystemUnusable);
    }
}

} // namespace
} // namespace kolekt
