#include "MainWindowFixture.h"

#include <QCheckBox>
#include <QPushButton>

namespace kolekt::test {
namespace {

using namespace main_dialog;

TEST_F(MainWindowTest, WithNoFileAndNoSettingsShowsTheTemplateAndHidesListCommands) {
    open();
    EXPECT_EQ(dlg->windowTitle(), "Field Service Reports");
    EXPECT_EQ(list()->accessibleName(), "Field Service Reports");
    EXPECT_EQ(list()->count(), 0);
    for (int id : {kCreateReturnFile, kViewReportList, kLimitToMissing, kDial, kNextPhone,
                   kSendReminder, kPreviewReminder})
        EXPECT_FALSE(shown(id)) << id;
    for (int id : {kPost, kExit, kLoadNewList, kHelp})
        EXPECT_TRUE(shown(id)) << id;
    EXPECT_EQ(text(kMissingCount), "");
    EXPECT_EQ(text(kTotalCount), "");
    EXPECT_EQ(dlg->focusedId(), kPublisherList);
}

TEST_F(MainWindowTest, ListsTheGroupInFileOrderWithTitleAndCounts) {
    CollectionBuilder builder = group({{"Anna", "Zeller"}, {"Bob", "Adams"}, {"Carl", "Meyer"}}, 7);
    builder.setReport(2, kMonth, kSlot, {.shared = true, .hours = 3});
    settings.values.post = "Bob Adams";
    open(write(builder));

    EXPECT_EQ(dlg->windowTitle(), "February Report Collection - Group 7 ");
    EXPECT_EQ(list()->accessibleName(), "February Report Collection - Group 7");
    EXPECT_EQ(lines(), QStringList({"Zeller, Anna", "Adams, Bob", "Meyer, Carl"}));
    for (int row = 0; row < 3; ++row)
        EXPECT_EQ(list()->item(row)->data(Qt::UserRole).toInt(), row + 1);
    EXPECT_EQ(text(kMissingCount), "Missing February Reports = 2");
    EXPECT_EQ(text(kTotalCount), "Total Publishers = 3");
    EXPECT_EQ(text(kLastPosted), "Bob Adams");
    for (int id : {kCreateReturnFile, kViewReportList, kLimitToMissing})
        EXPECT_TRUE(shown(id)) << id;
    EXPECT_EQ(list()->currentRow(), 0);
    EXPECT_EQ(text(kPost), "Post - Anna Zeller");
    EXPECT_EQ(dlg->focusedId(), kPublisherList);
}

TEST_F(MainWindowTest, CommandLineFileWinsOverTheLoadPathSetting) {
    settings.values.loadPath =
        QString::fromStdString(write(group({{"Anna", "Setting"}, {"Bob", "Setting"}}), "a.k09"));
    open();
    EXPECT_EQ(lines().first(), "Setting, Anna");

    const std::string named = write(group({{"Carl", "Named"}, {"Dora", "Named"}}), "b.K09");
    open(named);
    EXPECT_EQ(lines().first(), "Named, Carl");
    EXPECT_EQ(dlg->store().filePath(), named);
}

TEST_F(MainWindowTest, APathThatNamesNoFileLeavesTheListEmptyWithCountsZero) {
    open(dir.file("gone.k09"));
    // One message says which file and why.
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.texts().first().startsWith(QString::fromStdString("Kolekt cannot open " +
                                                                           dir.file("gone.k09") +
                                                                           ":\nthe file does "
                                                                           "not exist.")));
    EXPECT_EQ(list()->count(), 0);
    EXPECT_EQ(dlg->windowTitle(), "February Report Collection - Group 0 ");
    EXPECT_EQ(text(kTotalCount), "Total Publishers = 0");
    EXPECT_FALSE(shown(kLimitToMissing));
    EXPECT_FALSE(shown(kViewReportList));
}

TEST_F(MainWindowTest, TypingTheFirstLettersOfALastNameSelectsTheLine) {
    open(write(
        group({{"Anna", "Zeller"}, {"Bob", "Smith"}, {"Carl", "Sanders"}, {"Dora", "Adams"}})));
    QTest::keyClicks(list(), "sm");
    EXPECT_EQ(list()->currentItem()->text(), "Smith, Bob");
    EXPECT_EQ(text(kPost), "Post - Bob Smith");
    key(Qt::Key_Down);
    EXPECT_EQ(text(kPost), "Post - Carl Sanders");
}

TEST_F(MainWindowTest, EnterPostsAndLeavesTheFocusOnTheListWithTheSelectionKept) {
    open(write(group({{"Anna", "Zeller"}, {"Bob", "Smith"}, {"Carl", "Sanders"}})));
    key(Qt::Key_Down);
    EXPECT_EQ(pressEnter(), 1);
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(dlg->focusedId(), kPublisherList);
    EXPECT_EQ(list()->currentRow(), 1);
    EXPECT_TRUE(messages.shown().isEmpty());
}

TEST_F(MainWindowTest, WithTheFilterOnAPostedPublisherDropsOutAndTheNextIsSelected) {
    CollectionBuilder builder = group(
        {{"A", "One"}, {"B", "Two"}, {"C", "Three"}, {"D", "Four"}, {"E", "Five"}, {"F", "Six"}});
    builder.setReport(2, kMonth, kSlot, {.shared = true});
    open(write(builder));

    click(kLimitToMissing);
    EXPECT_EQ(lines(), QStringList({"One, A", "Three, C", "Four, D", "Five, E", "Six, F"}));
    EXPECT_EQ(dlg->focusedId(), kPublisherList);

    key(Qt::Key_Down);
    key(Qt::Key_Down);
    EXPECT_EQ(list()->currentItem()->text(), "Four, D");
    markReported(4);
    EXPECT_EQ(pressEnter(), 1);
    EXPECT_EQ(lines(), QStringList({"One, A", "Three, C", "Five, E", "Six, F"}));
    EXPECT_EQ(list()->currentRow(), 2);
    EXPECT_EQ(text(kPost), "Post - E Five");

    // The last line posted: the selection goes back to the first.
    key(Qt::Key_End);
    markReported(6);
    EXPECT_EQ(pressEnter(), 1);
    EXPECT_EQ(lines(), QStringList({"One, A", "Three, C", "Five, E"}));
    EXPECT_EQ(list()->currentRow(), 0);

    click(kLimitToMissing);
    EXPECT_EQ(list()->count(), 6);
}

TEST_F(MainWindowTest, PostingTheLastMissingPublisherEmptiesTheFilteredList) {
    CollectionBuilder builder = group({{"A", "One"}, {"B", "Two"}});
    builder.setReport(1, kMonth, kSlot, {.shared = true});
    open(write(builder));
    click(kLimitToMissing);
    ASSERT_EQ(lines(), QStringList({"Two, B"}));

    markReported(2);
    EXPECT_EQ(pressEnter(), 1);
    EXPECT_EQ(list()->count(), 0);
    // Counts and commands follow only when the entry dialog refreshes the status.
    EXPECT_TRUE(shown(kCreateReturnFile));
    EXPECT_TRUE(shown(kViewReportList));
    dlg->updateStatus();
    EXPECT_FALSE(shown(kCreateReturnFile));
    EXPECT_FALSE(shown(kViewReportList));
    EXPECT_TRUE(shown(kLimitToMissing));
    EXPECT_EQ(text(kMissingCount), "Missing February Reports = 0");
}

TEST_F(MainWindowTest, TurningTheFilterOnPastTheEndOfTheShorterListSelectsTheFirstLine) {
    CollectionBuilder builder;
    builder.setGroup(3).setMonth(kMonth);
    for (int i = 0; i < 12; ++i) {
        const int n = builder.addPublisher("P", "Name" + std::to_string(10 + i));
        if (i % 3 != 0)
            builder.setReport(n, kMonth, kSlot, {.shared = true});
    }
    open(write(builder));
    for (int i = 0; i < 9; ++i)
        key(Qt::Key_Down);
    ASSERT_EQ(list()->currentRow(), 9);

    click(kLimitToMissing);
    EXPECT_EQ(lines(), QStringList({"Name10, P", "Name13, P", "Name16, P", "Name19, P"}));
    EXPECT_EQ(list()->currentRow(), 0);
    EXPECT_EQ(text(kPost), "Post - P Name10");
}

TEST_F(MainWindowTest, NextTelephoneNumberTogglesBetweenTheUsableNumbers) {
    CollectionBuilder builder = group({{"Anna", "Berg"}, {"Bob", "Nophone"}});
    builder.setPhone(1, 0, "12345").setPhone(1, 1, "555 0101").setPhone(1, 2, "555 0102");
    open(write(builder));

    EXPECT_EQ(text(kPhoneNumber), "555 0101");
    EXPECT_TRUE(shown(kPhoneNumber));
    EXPECT_TRUE(shown(kDial));
    EXPECT_TRUE(shown(kNextPhone));
    click(kNextPhone);
    EXPECT_EQ(text(kPhoneNumber), "555 0102");
    EXPECT_EQ(dlg->focusedId(), kPublisherList);
    click(kNextPhone);
    EXPECT_EQ(text(kPhoneNumber), "555 0101");

    key(Qt::Key_Down);
    EXPECT_FALSE(shown(kPhoneNumber));
    EXPECT_FALSE(shown(kDial));
    EXPECT_FALSE(shown(kNextPhone));
}

TEST_F(MainWindowTest, OneTelephoneNumberShowsDialButNoNextButton) {
    CollectionBuilder builder = group({{"Anna", "Berg"}, {"Bob", "Brown"}});
    builder.setPhone(1, 2, "555 0102");
    open(write(builder));
    EXPECT_EQ(text(kPhoneNumber), "555 0102");
    EXPECT_TRUE(shown(kDial));
    EXPECT_FALSE(shown(kNextPhone));
}

TEST_F(MainWindowTest, ReminderButtonsOnlyForAMissingReportWithAUsableAddress) {
    CollectionBuilder builder =
        group({{"Anna", "Missing"}, {"Bob", "Reported"}, {"Carl", "Bad"}, {"Dora", "A&B"}});
    builder.setEmail(1, "anna@example.org").setEmail(2, "bob@example.org");
    builder.setEmail(3, "carl-at-example").setEmail(4, "dora@example.org");
    builder.setReport(2, kMonth, kSlot, {.shared = true});
    open(write(builder));

    EXPECT_TRUE(shown(kSendReminder));
    EXPECT_TRUE(shown(kPreviewReminder));
    EXPECT_EQ(text(kSendReminder), "E-mail - anna@example.org");
    key(Qt::Key_Down);
    EXPECT_FALSE(shown(kSendReminder));
    EXPECT_FALSE(shown(kPreviewReminder));
    key(Qt::Key_Down);
    EXPECT_FALSE(shown(kSendReminder));
    // Names and addresses are shown as they are, never as mnemonics.
    key(Qt::Key_Down);
    EXPECT_EQ(text(kPost), "Post - Dora A&&B");
    EXPECT_EQ(dlg->button(kPost)->text(), "Post - Dora A&&B");
}

TEST_F(MainWindowTest, WithOnePublisherSelectingChangesNeitherCaptionNorContacts) {
    CollectionBuilder builder = group({{"Anna", "Alone"}});
    builder.setPhone(1, 0, "555 0101").setEmail(1, "anna@example.org");
    open(write(builder));
    EXPECT_EQ(lines(), QStringList({"Alone, Anna"}));
    EXPECT_EQ(text(kPost), "OK");
    EXPECT_EQ(text(kPhoneNumber), "");
    EXPECT_FALSE(shown(kDial));
    EXPECT_FALSE(shown(kSendReminder));
}

TEST_F(MainWindowTest, HelpShowsTheTipsInAnInformationBox) {
    open();
    click(kHelp);
    ASSERT_EQ(messages.shown().size(), 1);
    const ShownMessage& box = messages.shown().first();
    EXPECT_EQ(box.icon, MessageIcon::Information);
    EXPECT_EQ(box.buttons, MessageButtons::Ok);
    EXPECT_TRUE(box.text.startsWith("Tips for using Kolekt   Important!"));
    EXPECT_TRUE(box.text.contains("you are collecting.  Drop the file"));
    EXPECT_TRUE(box.text.contains("use the 'Load New List from Secretary' button to open the "
                                  "file.\n\nYou'll find it easy"));
    EXPECT_TRUE(box.text.endsWith("deliver it to the secretary on portable media."));
    EXPECT_EQ(dlg->focusedId(), kPublisherList);
}

} // namespace
} // namespace kolekt::test
