#include "services/MailMessage.h"

#include "collection/CollectionStore.h"
#include "resources/Catalogue.h"

#ifdef Q_OS_WIN
#include "platform/MapiMail.h"
#include "services/MapiTransport.h"
#else
#include "services/SmtpTransport.h"
#include "services/XdgEmailTransport.h"
#endif

#include <new>

namespace kolekt {

namespace {

const QString kAddressPrefix = QStringLiteral("SMTP:");

const HandOffResult kNoMailSystem{HandOffResult::Kind::NoSystem, TextId::NoMailSystem, {}};
const HandOffResult kSendFailed{HandOffResult::Kind::Failed, TextId::SendMailFailed, {}};

} // namespace

QString plainAddress(const MailRecipient& recipient) {
    if (recipient.address.startsWith(kAddressPrefix)) {
        return recipient.address.mid(kAddressPrefix.size());
    }
    return recipient.address;
}

#ifdef Q_OS_WIN
bool mailOpensComposeWindow(const MailSettings&) {
    return false;
}

bool mailServerBuiltIn() {
    return false;
}

// Windows' mail client is the one mail system there; the settings choose nothing.
MailMessage::MailMessage(const MailSettings&) {
    message_.codePage = currentLanguage().codePage;
    switch (platform::mapiLibrary()) {
    case platform::MapiLibrary::Missing:
        unavailable_ = kNoMailSystem;
        errorCode_ = mail_error::kLibraryMissing;
        return;
    case platform::MapiLibrary::Invalid:
        unavailable_ = {HandOffResult::Kind::Unusable, TextId::MailLibraryInvalid, {}};
        errorCode_ = mail_error::kLibraryInvalid;
        return;
    case platform::MapiLibrary::Usable:
        break;
    }
    transport_ = std::make_unique<MapiTransport>();
}
#else
bool mailOpensComposeWindow(const MailSettings& settings) {
    return settings.smtpUrl.isEmpty();
}

bool mailServerBuiltIn() {
    return true;
}

MailMessage::MailMessage(const MailSettings& settings) {
    message_.codePage = currentLanguage().codePage;
    if (settings.smtpUrl.isEmpty()) {
        if (!XdgEmailTransport::isAvailable()) {
            unavailable_ = kNoMailSystem;
            errorCode_ = mail_error::kLibraryMissing;
            return;
        }
        transport_ = std::make_unique<XdgEmailTransport>();
        return;
    }
    if (!SmtpTransport::isUsable(settings)) {
        unavailable_ = {HandOffResult::Kind::Unusable, TextId::MailSystemUnusable, {}};
        errorCode_ = mail_error::kLibraryInvalid;
        return;
    }
    transport_ = std::make_unique<SmtpTransport>(settings);
}
#endif

MailMessage::~MailMessage() = default;

int MailMessage::takeError() {
    const int code = errorCode_;
    errorCode_ = mail_error::kNone;
    return code;
}

bool MailMessage::addRecipients(const QString& list) {
    bool allTaken = true;
    for (const QString& piece : list.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString address = piece.trimmed();
        if (address.isEmpty()) {
            continue;
        }
        if (!CollectionStore::hasValidEmail(address.toStdString())) {
            allTaken = false;
            continue;
        }
        try {
            message_.recipients.append({RecipientClass::To, address, kAddressPrefix + address});
        } catch (const std::bad_alloc&) {
            errorCode_ = mail_error::kNoMemoryForRecipient;
            return false;
        }
    }
    return allTaken;
}

void MailMessage::setSubject(const QString& subject) {
    message_.subject = subject;
}

void MailMessage::setSenderName(const QString& name) {
    message_.originator.name = name;
}

void MailMessage::setBody(const QString& body) {
    message_.noteText = body;
}

void MailMessage::setCodePage(const std::string& codePage) {
    message_.codePage = codePage;
}

bool MailMessage::addAttachment(const QString& path, const QString& displayName) {
    try {
        message_.attachments.append({path, displayName, -1});
    } catch (const std::bad_alloc&) {
        errorCode_ = mail_error::kNoMemoryForAttachment;
        return false;
    }
    return true;
}

void MailMessage::clearContent() {
    OutgoingMail next;
    next.originator = message_.originator;
    message_ = std::move(next);
}

HandOffResult MailMessage::sendMail(HandOffHost& host) {
    if (!transport_) {
        return unavailable_;
    }
    // Each attachment stands on its own blank at the end of the text.
    const auto length = static_cast<int>(message_.noteText.size());
    for (int i = 0; i < message_.attachments.size(); ++i) {
        message_.attachments[i].position = length + i;
    }
    message_.noteText += QString(message_.attachments.size(), QLatin1Char(' '));

    if (message_.recipients.isEmpty()) {
        return kSendFailed;
    }
    if (!loggedOn_ && !transport_->logOn(host)) {
        return {HandOffResult::Kind::Cancelled, TextId::None, {}};
    }
    loggedOn_ = true;
    return transport_->send(message_, host);
}

} // namespace kolekt
