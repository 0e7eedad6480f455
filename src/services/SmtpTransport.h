// Sends a mail straight to an SMTP server with libcurl, without any compose
// window: the body as a text part, each attachment as a file part. The password
// never travels in plain text: with smtp:// and a user, the server must offer
// STARTTLS, unless plain text is allowed and the server is on a loopback address.
#pragma once

#include "services/MailSettings.h"
#include "services/MailTransport.h"

#include <memory>

namespace kolekt {

class SmtpTransport : public MailTransport {
public:
    explicit SmtpTransport(MailSettings settings);
    ~SmtpTransport() override;
    SmtpTransport(const SmtpTransport&) = delete;
    SmtpTransport& operator=(const SmtpTransport&) = delete;

    // An smtp:// or smtps:// URL with a plain sender address.
    static bool isUsable(const MailSettings& settings);

    // Asks for the password of the configured user; a server without a user
    // takes mail without log-on.
    bool logOn(HandOffHost& host) override;
    // Sends on a worker thread while the host shows the transfer; the host's cancel ends it
    // within a second. Mails sent one after another through one transport share its connection
    // to the server while the server keeps it open. Says what failed: no connection, no answer in
    // time, log-on refused, no STARTTLS, an untrusted server, the mail refused.
    HandOffResult send(const OutgoingMail& mail, HandOffHost& host) override;

private:
    struct Connection;
    MailSettings settings_;
    QString password_;
    std::unique_ptr<Connection> connection_;
};

} // namespace kolekt
