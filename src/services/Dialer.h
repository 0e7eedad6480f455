// Hands a telephone number to the desktop's telephony handler.
#pragma once

#include <QString>

namespace kolekt {

// Opens the number as a tel: link with xdg-open. A tel: link carries no name, so
// the called party does not reach the handler. Shows "Telephone service not
// available" when there is no handler; a refused request shows nothing.
void dialNumber(const QString& number, const QString& calledParty);

// The tel: link for a number as stored, every character outside the link's own
// ones percent-encoded.
QString telephoneLink(const QString& number);

} // namespace kolekt
