// The reminder to a publisher whose report for the collection month is missing.
#pragma once

#include "services/HandOff.h"
#include "services/MailSettings.h"

#include <QString>

namespace kolekt {

// "Please submit your report for <month name>. ..." for month 0..11.
QString reminderText(int month);

// Mails the reminder for the collection month to address.
HandOffResult sendReminder(const QString& address, int month, const MailSettings& settings,
                           HandOffHost& host);

} // namespace kolekt
