// One outgoing mail: created for one send, filled, sent once and destroyed.
// The transport is chosen at construction from the mail settings: SMTP when an
// SMTP URL is set, else the desktop's mail program through xdg-email.
#pragma once

#include "services/MailSettings.h"
#include "services/MailTransport.h"

#include <memory>

namespace kolekt {

namespace mail_error {
inline constexpr int kNone = 0;
inline constexpr int kLibraryMissing = 1;
inline constexpr int kLibraryInvalid = 2;
inline constexpr int kNoMemoryForRecipient = 3;
inline constexpr int kNoMemoryForAttachment = 5;
} // namespace mail_error

class MailMessage {
public:
    // Shows 61840 when the mail system is missing, 61841 when it is unusable
    // (an SMTP URL that is not smtp:// or smtps://, or no sender address).
    explicit MailMessage(const MailSettings& settings);
    ~MailMessage();
    MailMessage(const MailMessage&) = delete;
    MailMessage& operator=(const MailMessage&) = delete;

    // The error code, reset to 0.
    int takeError();

    // Adds every address of a ';'-separated list, skipping empty pieces. An
    // address that could be taken for an option (it begins with '-') or that
    // holds control characters is not sent to; the result is then false.
    bool addRecipients(const QString& list);
    void setSubject(const QString& subject);
    void setSenderName(const QString& name);
    void setBody(const QString& body);
    bool addAttachment(const QString& path, const QString& displayName = QString());

    // True when the mail was handed over or the user cancelled the log-on;
    // false after message 61840 (no mail system) or 61842 (sending failed).
    bool sendMail();

    const OutgoingMail& message() const { return message_; }

private:
    OutgoingMail message_;
    std::unique_ptr<MailTransport> transport_;
    int errorCode_ = mail_error::kNone;
};

} // namespace kolekt
