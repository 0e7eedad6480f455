// The reminder to a late publisher and its preview.
#include "services/Reminder.h"

#include "ScriptedDialogs.h"
#include "StandInProgram.h"

#include <gtest/gtest.h>

namespace kolekt {
namespace {

using test::ScriptedMessageBox;
using test::StandInProgram;

const QString kMarchReminder = QStringLiteral("Please submit your report for March. \nThank you.");

TEST(Reminder, ShowsTheAddressThenMailsTheTextForTheMonth) {
    ScriptedMessageBox boxes;
    StandInProgram xdgEmail(QStringLiteral("xdg-email"));

    sendReminder(QStringLiteral("anna@example.org"), 2, MailSettings{}, nullptr);

    ASSERT_EQ(boxes.shown().size(), 1);
    EXPECT_EQ(boxes.shown()[0].text, QStringLiteral("anna@example.org"));
    EXPECT_EQ(boxes.shown()[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(xdgEmail.arguments(), (QStringList{"--utf8", "--subject", "Report", "--body",
                                                 kMarchReminder, "anna@example.org"}));
}

TEST(Reminder, WithoutAMailSystemOnlyTheMessagesAreShown) {
    ScriptedMessageBox boxes;
    test::EmptyPath noPrograms;

    sendReminder(QStringLiteral("anna@example.org"), 2, MailSettings{}, nullptr);

    EXPECT_EQ(boxes.texts(),
              (QStringList{"anna@example.org", "Unable to load mail system support."}));
}

TEST(Reminder, PreviewShowsTheTextAndSendsNothing) {
    ScriptedMessageBox boxes;
    StandInProgram xdgEmail(QStringLiteral("xdg-email"));

    previewReminder(2, nullptr);

    EXPECT_EQ(boxes.texts(), QStringList{kMarchReminder});
    EXPECT_EQ(xdgEmail.runCount(), 0);
    EXPECT_EQ(reminderText(11),
              QStringLiteral("Please submit your report for December. \nThank you."));
}

} // namespace
} // namespace kolekt
