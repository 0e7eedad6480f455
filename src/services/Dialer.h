// Hands a telephone number to the desktop's telephony handler.
#pragma once

#include "services/HandOff.h"

#include <QString>

namespace kolekt {

// Opens the number as a tel: link with xdg-open while the host holds the request. A tel: link
// carries no name, so the called party does not reach the handler. When the desktop knows no
// handler for tel: links, nothing is started. No handler is NoSystem with "Telephone service
// not available"; a refused request is Failed with nothing to tell.
HandOffResult dialNumber(const QString& number, HandOffHost& host);

// The tel: link for a number as stored, every character outside the link's own
// ones percent-encoded.
QString telephoneLink(const QString& number);

} // namespace kolekt
