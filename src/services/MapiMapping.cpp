#include "services/MapiMapping.h"

#include "collection/CodePage.h"

#include <QDir>

namespace kolekt {

namespace {

// Simple MAPI's answers that need no word to the user.
constexpr unsigned long kSuccess = 0;
constexpr unsigned long kUserAbort = 1;
constexpr unsigned long kLoginFailure = 3;

platform::MapiText mapiText(const QString& text, const std::string& codePage) {
    return {text.toStdWString(), fromUtf8(text.toStdString(), codePage)};
}

platform::MapiRecipient mapiRecipient(const MailRecipient& recipient, const std::string& codePage) {
    return {static_cast<unsigned long>(recipient.recipientClass),
            mapiText(recipient.name, codePage), mapiText(recipient.address, codePage)};
}

} // namespace

platform::MapiMail mapiMail(const OutgoingMail& mail) {
    platform::MapiMail result;
    result.originator = mapiRecipient(mail.originator, mail.codePage);
    for (const MailRecipient& recipient : mail.recipients)
        result.recipients.push_back(mapiRecipient(recipient, mail.codePage));
    result.subject = mapiText(mail.subject, mail.codePage);
    result.noteText = mapiText(mail.noteText, mail.codePage);
    // The note ends in one blank per attachment, each one byte in the code page, so the
    // positions count back from its end.
    const auto narrowLength = static_cast<long>(result.noteText.narrow.size());
    const auto count = static_cast<long>(mail.attachments.size());
    long index = 0;
    for (const MailAttachment& attachment : mail.attachments) {
        const bool placed = attachment.position >= 0;
        // Mail clients read the path as Windows writes it, with backslashes.
        result.attachments.push_back({QDir::toNativeSeparators(attachment.pathName).toStdWString(),
                                      mapiText(attachment.fileName, mail.codePage),
                                      placed ? attachment.position : -1,
                                      placed ? narrowLength - count + index : -1});
        ++index;
    }
    return result;
}

HandOffResult mapiHandOffResult(const platform::MapiOutcome& outcome) {
    using Kind = HandOffResult::Kind;
    switch (outcome.library) {
    case platform::MapiLibrary::Missing:
        return {Kind::NoSystem, TextId::NoMailSystem, {}};
    case platform::MapiLibrary::Invalid:
        return {Kind::Unusable, TextId::MailLibraryInvalid, {}};
    case platform::MapiLibrary::Usable:
        break;
    }
    switch (outcome.code) {
    case kSuccess:
        return {};
    case kUserAbort:
    case kLoginFailure:
        return {Kind::Cancelled, TextId::None, {}};
    default:
        return {Kind::Failed, TextId::SendMailFailed, {}};
    }
}

} // namespace kolekt
