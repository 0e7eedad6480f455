// Sends a mail straight to an SMTP server with libcurl, without any compose
// window: the body as a text part, each attachment as a file part.
#pragma once

#include "services/MailSettings.h"
#include "services/MailTransport.h"

namespace kolekt {

class SmtpTransport : public MailTransport {
public:
    explicit SmtpTransport(MailSettings settings);

    // An smtp:// or smtps:// URL with a sender address.
    static bool isUsable(const MailSettings& settings);

    // Asks for the password of the configured user; a server without a user
    // takes mail without log-on.
    bool logOn(HandOffHost& host) override;
    SendResult send(const OutgoingMail& mail) override;

private:
    MailSettings settings_;
    QString password_;
};

} // namespace kolekt
