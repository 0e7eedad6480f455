// The reminder to a publisher whose report for the collection month is missing,
// and its preview.
#pragma once

#include "services/MailSettings.h"

#include <QString>

class QWidget;

namespace kolekt {

// "Please submit your report for <month name>. ..." for month 0..11.
QString reminderText(int month);

// Shows the address, then mails the reminder for the collection month to it.
void sendReminder(const QString& address, int month, const MailSettings& settings, QWidget* owner);

// Shows the reminder text; nothing is sent.
void previewReminder(int month, QWidget* owner);

} // namespace kolekt
