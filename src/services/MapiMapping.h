// Between the mail model and Simple MAPI: the message as the mail client receives it, and what
// the client's answer means for the user.
#pragma once

#include "platform/MapiMail.h"
#include "services/MailTransport.h"

namespace kolekt {

// Every text both as UTF-16 and in the mail's code page; the attachments' positions in each.
platform::MapiMail mapiMail(const OutgoingMail& mail);

// Sent, cancelled or log-on failed (codes 0, 1 and 3) tell nothing; any other code is a failed
// send; a missing or incomplete MAPI32.DLL says so.
HandOffResult mapiHandOffResult(const platform::MapiOutcome& outcome);

} // namespace kolekt
