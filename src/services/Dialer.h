// Hands a telephone number to the system's telephony service.
#pragma once

#include "services/HandOff.h"

#include <QString>

namespace kolekt {

// Asks the system to dial the number as stored, while the host holds the request. On Windows
// that is an Assisted Telephony request naming calledParty; where no program takes such
// requests, and elsewhere always, the number goes as a tel: link to the program the system has
// for those (xdg-open here), which carries no name. With neither, nothing is started: NoSystem
// with "Telephone service not available". A refused request is Failed with nothing to tell; a
// telephony library without its entry point is Failed with "bad procaddress".
HandOffResult dialNumber(const QString& number, HandOffHost& host,
                         const QString& calledParty = QString());

// The tel: link for a number as stored, every character outside the link's own
// ones percent-encoded.
QString telephoneLink(const QString& number);

} // namespace kolekt
