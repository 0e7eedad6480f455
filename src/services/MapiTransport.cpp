#include "services/MapiTransport.h"

#include "services/MapiMapping.h"

namespace kolekt {

bool MapiTransport::logOn(HandOffHost&) {
    return true;
}

HandOffResult MapiTransport::send(const OutgoingMail& mail, HandOffHost& host) {
    const platform::MapiMail message = mapiMail(mail);
    platform::MapiOutcome outcome;
    {
        const HandOffRequest request(host);
        outcome = platform::sendMapiMail(message, host.nativeWindow());
    }
    return mapiHandOffResult(outcome);
}

} // namespace kolekt
