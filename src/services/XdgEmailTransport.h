// Hands a mail to the desktop's mail program through xdg-email.
#pragma once

#include "services/MailTransport.h"

namespace kolekt {

class XdgEmailTransport : public MailTransport {
public:
    // False when xdg-email is not on PATH.
    static bool isAvailable();

    bool logOn(HandOffHost& host) override;
    // Runs xdg-email while the host holds the request.
    HandOffResult send(const OutgoingMail& mail, HandOffHost& host) override;

    // xdg-email --utf8 --subject SUBJECT --body BODY [--attach FILE]... ADDRESS...
    // Addresses come after every option, one argument each.
    static QStringList arguments(const OutgoingMail& mail);
};

} // namespace kolekt
