// The reminder to a late publisher.
#include "services/Reminder.h"

#include "ScriptedHandOffHost.h"
#include "StandInProgram.h"

#include <gtest/gtest.h>

namespace kolekt {

using namespace Qt::StringLiterals;
namespace {

using test::StandInProgram;

const QString kMarchReminder = QStringLiteral("Please submit your report for March. \nThank you.");

TEST(Reminder, MailsTheTextForTheMonth) {
    test::ScriptedHandOffHost host;
    StandInProgram xdgEmail(QStringLiteral("xdg-email"));

    const HandOffResult result =
        sendReminder(QStringLiteral("anna@example.org"), 2, MailSettings{}, host);

    EXPECT_EQ(result.kind, HandOffResult::Kind::Handed);
    EXPECT_EQ(xdgEmail.arguments(),
              (QStringList{u"--utf8"_s, u"--subject"_s, u"Report"_s, u"--body"_s, kMarchReminder,
                           u"anna@example.org"_s}));
    EXPECT_EQ(reminderText(11),
              QStringLiteral("Please submit your report for December. \nThank you."));
}

} // namespace
} // namespace kolekt
