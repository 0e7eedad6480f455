#include "services/MailMessage.h"

#include "services/ApplicationBusy.h"
#include "services/SmtpTransport.h"
#include "services/XdgEmailTransport.h"
#include "ui/common/MessageBox.h"
#include "ui/common/UiText.h"

#include <QApplication>
#include <new>

namespace kolekt {

namespace {

const QString kAddressPrefix = QStringLiteral("SMTP:");

void showText(TextId textId) {
    messageBox(loadUiText(textId), MessageButtons::Ok);
}

bool isAcceptableAddress(const QString& address) {
    if (address.startsWith(QLatin1Char('-'))) {
        return false;
    }
    for (const QChar c : address) {
        if (c.category() == QChar::Other_Control) {
            return false;
        }
    }
    return true;
}

} // namespace

QString plainAddress(const MailRecipient& recipient) {
    if (recipient.address.startsWith(kAddressPrefix)) {
        return recipient.address.mid(kAddressPrefix.size());
    }
    return recipient.address;
}

MailMessage::MailMessage(const MailSettings& settings) {
    if (settings.smtpUrl.isEmpty()) {
        if (!XdgEmailTransport::isAvailable()) {
            showText(TextId::NoMailSystem);
            errorCode_ = mail_error::kLibraryMissing;
            return;
        }
        transport_ = std::make_unique<XdgEmailTransport>();
        return;
    }
    if (!SmtpTransport::isUsable(settings)) {
        showText(TextId::MailSystemUnusable);
        errorCode_ = mail_error::kLibraryInvalid;
        return;
    }
    transport_ = std::make_unique<SmtpTransport>(settings);
}

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
        if (!isAcceptableAddress(address)) {
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

bool MailMessage::addAttachment(const QString& path, const QString& displayName) {
    try {
        message_.attachments.append({path, displayName, -1});
    } catch (const std::bad_alloc&) {
        errorCode_ = mail_error::kNoMemoryForAttachment;
        return false;
    }
    return true;
}

bool MailMessage::sendMail() {
    if (!transport_) {
        return false;
    }
    // Each attachment stands on its own blank at the end of the text.
    const auto length = static_cast<int>(message_.noteText.size());
    for (int i = 0; i < message_.attachments.size(); ++i) {
        message_.attachments[i].position = length + i;
    }
    message_.noteText += QString(message_.attachments.size(), QLatin1Char(' '));

    SendResult result = SendResult::Failed;
    if (!message_.recipients.isEmpty()) {
        if (!transport_->logOn(QApplication::activeWindow())) {
            return true;
        }
        const ApplicationBusy busy;
        result = transport_->send(message_);
    }
    switch (result) {
    case SendResult::Delivered:
        return true;
    case SendResult::Unavailable:
        showText(TextId::NoMailSystem);
        return false;
    case SendResult::Failed:
        break;
    }
    showText(TextId::SendMailFailed);
    return false;
}

} // namespace kolekt
