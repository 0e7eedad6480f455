// One outgoing mail: created for one send, filled, sent once and destroyed.
// The transport is chosen at construction: on Windows the mail client through
// Simple MAPI; elsewhere from the mail settings, SMTP when an SMTP URL is set,
// else the desktop's mail program through xdg-email.
#pragma once

#include "services/HandOff.h"
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

// True where each mail handed over opens a compose window that the user sends himself (the
// desktop's mail program); false where it goes without one (SMTP, Windows' mail client).
bool mailOpensComposeWindow(const MailSettings& settings);
// False where mail goes through the system's mail client alone (Windows): no mail server, sender
// or log-on is set up there.
bool mailServerBuiltIn();

class MailMessage {
public:
    // Chooses the mail system. When it is missing, or unusable (an SMTP URL that is not
    // smtp:// or smtps://, or no plain sender address; a MAPI32.DLL without its entry
    // points), takeError says so and sendMail returns why. The texts go in the current
    // language's code page unless setCodePage names the collection's.
    explicit MailMessage(const MailSettings& settings);
    ~MailMessage();
    MailMessage(const MailMessage&) = delete;
    MailMessage& operator=(const MailMessage&) = delete;

    // The error code, reset to 0.
    int takeError();

    // Adds every address of a ';'-separated list, skipping empty pieces. An address that is
    // not a plain local@domain (CollectionStore::hasValidEmail) is not sent to; the result
    // is then false.
    bool addRecipients(const QString& list);
    void setSubject(const QString& subject);
    void setSenderName(const QString& name);
    void setBody(const QString& body);
    void setCodePage(const std::string& codePage);
    bool addAttachment(const QString& path, const QString& displayName = QString());
    // Empties recipients, subject, text and attachments for the next mail through the same
    // transport, which keeps its log-on.
    void clearContent();

    // Asks the host for the log-on, then hands the mail over while the host shows the
    // request. Handed; Cancelled when the user cancelled the log-on or the transfer;
    // NoSystem (61840), Unusable (61841) or Failed with the text that says what failed.
    HandOffResult sendMail(HandOffHost& host);

    const OutgoingMail& message() const { return message_; }

private:
    OutgoingMail message_;
    std::unique_ptr<MailTransport> transport_;
    HandOffResult unavailable_; // why there is no transport
    int errorCode_ = mail_error::kNone;
    bool loggedOn_ = false;
};

} // namespace kolekt
