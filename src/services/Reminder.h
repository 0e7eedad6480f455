// The reminder to a publisher whose report for the collection month is missing.
#pragma once

#include "services/MailDraft.h"
#include "services/MailSettings.h"

#include <QString>

namespace kolekt {

// What a reminder's %NAME%, %MONTH%, %YEAR% and %GROUP% stand for.
struct ReminderFacts {
    QString firstName;
    int month = 0; // 0..11
    int year = 0;
    int groupNumber = 0;
};

// The current language's default subject and text, placeholders unfilled.
QString defaultReminderSubject();
QString defaultReminderText();

// pattern with each placeholder replaced, in one pass: a name holding "%YEAR%" stays a name.
QString fillReminder(const QString& pattern, const ReminderFacts& facts);

// The reminder to address in the current language: the user's subject and text for it from
// the settings, else the defaults, filled; signed with the overseer's name when one is set.
MailDraft reminderMail(const QString& address, const ReminderFacts& facts,
                       const MailSettings& settings);

} // namespace kolekt
