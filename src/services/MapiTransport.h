// Hands a mail to the Windows mail client through Simple MAPI, without a compose window; only
// the client's own log-on prompt may appear.
#pragma once

#include "services/MailTransport.h"

namespace kolekt {

class MapiTransport : public MailTransport {
public:
    // The client's log-on prompt, where it has one, comes while the mail is being sent.
    bool logOn(HandOffHost& host) override;
    // Calls the client while the host holds the request, owned by the host's window.
    HandOffResult send(const OutgoingMail& mail, HandOffHost& host) override;
};

} // namespace kolekt
