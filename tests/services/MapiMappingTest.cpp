// The message as a Simple MAPI client receives it, and what its answers tell the user.
#include "services/MapiMapping.h"

#include <gtest/gtest.h>

namespace kolekt {

using namespace Qt::StringLiterals;
namespace {

using platform::MapiLibrary;
using Kind = HandOffResult::Kind;

TEST(MapiMapping, TextsGoInTheCollectionsCodePageWithTheAttachmentsAtTheirBlanks) {
    OutgoingMail mail;
    mail.originator.name = u"Kolekt"_s;
    mail.recipients = {{RecipientClass::To, u"anna@example.org"_s, u"SMTP:anna@example.org"_s}};
    mail.subject = QString::fromUtf8("Září");
    mail.noteText = QString::fromUtf8("Září – skupina 3  ");
    mail.attachments = {{u"C:/Data/Group3.k19"_s, {}, 16}, {u"C:/Data/Notes.txt"_s, u"N"_s, 17}};
    mail.codePage = "CP1250";

    const platform::MapiMail mapi = mapiMail(mail);
    EXPECT_EQ(mapi.originator.recipientClass, 0u);
    ASSERT_EQ(mapi.recipients.size(), 1u);
    EXPECT_EQ(mapi.recipients[0].recipientClass, 1u);
    EXPECT_EQ(mapi.recipients[0].address.narrow, "SMTP:anna@example.org");
    EXPECT_EQ(mapi.subject.narrow, "Z\xe1\xf8\xed");
    EXPECT_EQ(mapi.noteText.narrow, "Z\xe1\xf8\xed \x96 skupina 3  ");
    ASSERT_EQ(mapi.attachments.size(), 2u);
    EXPECT_EQ(mapi.attachments[0].widePosition, 16);
    EXPECT_EQ(mapi.attachments[0].narrowPosition, 16);
    EXPECT_EQ(mapi.attachments[1].narrowPosition, 17);
    EXPECT_TRUE(mapi.attachments[0].fileName.narrow.empty());
    EXPECT_EQ(mapi.attachments[1].fileName.narrow, "N");
}

TEST(MapiMapping, OnlyAFailedSendOrAnUnusableLibraryTellsTheUser) {
    const struct {
        platform::MapiOutcome outcome;
        Kind kind;
        TextId message;
    } cases[] = {
        {{MapiLibrary::Usable, 0}, Kind::Handed, TextId::None},
        {{MapiLibrary::Usable, 1}, Kind::Cancelled, TextId::None}, // the user cancelled
        {{MapiLibrary::Usable, 3}, Kind::Cancelled, TextId::None}, // log-on failed
        {{MapiLibrary::Usable, 2}, Kind::Failed, TextId::SendMailFailed},
        {{MapiLibrary::Usable, 26}, Kind::Failed, TextId::SendMailFailed},
        {{MapiLibrary::Missing, 0}, Kind::NoSystem, TextId::NoMailSystem},
        {{MapiLibrary::Invalid, 0}, Kind::Unusable, TextId::MailLibraryInvalid},
    };
    for (const auto& c : cases) {
        const HandOffResult result = mapiHandOffResult(c.outcome);
        EXPECT_EQ(result.kind, c.kind) << c.outcome.code;
        EXPECT_EQ(result.message, c.message) << c.outcome.code;
    }
}

} // namespace
} // namespace kolekt
