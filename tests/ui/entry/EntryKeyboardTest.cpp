#include "EntryDialogFixture.h"
#include "TabWalk.h"
#include "resources/EntryDialogTemplate.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>

namespace kolekt::test {

using namespace Qt::StringLiterals;

namespace {

using namespace entry_id;
using layout::ValueKind;

class EntryKeyboard : public EntryDialogTest {
protected:
    void SetUp() override {
        anna = builder.addPublisher("Anna", "Berg");
        ben = builder.addPublisher("Ben", "Cole");
        carl = builder.addPublisher("Carl", "Dietz");
        builder.setReport(ben, kMarch, kYearSlot, {.status = layout::AuxiliaryPioneer});
        builder.setReport(carl, kMarch, kYearSlot, {.status = layout::RegularPioneer});
        load();
    }
    int anna = 0, ben = 0, carl = 0;
};

TEST_F(EntryKeyboard, PublisherSpaceEnterStudiesEnter) {
    open(anna);
    EXPECT_EQ(dialog->windowTitle(), u"Anna Berg"_s);
    EXPECT_EQ(text(kName), u"Anna Berg"_s);
    EXPECT_EQ(focusedId(), kShared);
    EXPECT_FALSE(shown(kHours));
    EXPECT_FALSE(shown(kStudies));

    key(Qt::Key_Space);
    EXPECT_TRUE(shown(kStudies));
    EXPECT_FALSE(shown(kHours));
    key(Qt::Key_Return);
    ASSERT_EQ(focusedId(), kStudies);
    type(u"2"_s);
    key(Qt::Key_Return);

    EXPECT_FALSE(isOpen());
    EXPECT_TRUE(sharedFlag(anna, kMarch));
    EXPECT_EQ(value(anna, kMarch, ValueKind::Studies) & layout::kStudiesMask, 2);
    EXPECT_EQ(value(anna, kMarch, ValueKind::Hours), 0);
    EXPECT_EQ(store().lastPosted(), "Anna Berg");
    EXPECT_EQ(owner.statusUpdates, 1);
    EXPECT_EQ(owner.saves, 1);
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(EntryKeyboard, TabFollowsTheLayoutWhileEnterKeepsToTheFields) {
    open(ben);
    key(Qt::Key_Space);
    const TabWalk walk = walkTab(*dialog);
    EXPECT_TRUE(walk.faults.isEmpty()) << walk.faults.join(u"; "_s).toStdString();
    EXPECT_EQ(walk.ids, QList<int>({kHistory, kAuxiliaryPioneer, kRemarks, kShared, kHours,
                                    kStudies, kCancel, kChangeMonth, kOk}));
    key(Qt::Key_Escape);

    // Cancel stands in the fields' row; Enter past the last field still goes to OK.
    open(anna);
    key(Qt::Key_Return);
    EXPECT_EQ(focusedId(), kOk);
}

TEST_F(EntryKeyboard, AuxiliaryPioneerGetsTheHoursField) {
    open(ben);
    EXPECT_TRUE(dialog->checkBox(kAuxiliaryPioneer)->isChecked());
    EXPECT_TRUE(shown(kAuxiliaryPioneer));
    key(Qt::Key_Space);
    key(Qt::Key_Return);
    ASSERT_EQ(focusedId(), kHours);
    type(u"12"_s);
    key(Qt::Key_Return);
    ASSERT_EQ(focusedId(), kStudies);
    type(u"1"_s);
    key(Qt::Key_Return);

    EXPECT_FALSE(isOpen());
    EXPECT_EQ(value(ben, kMarch, ValueKind::Hours), 12);
    EXPECT_EQ(value(ben, kMarch, ValueKind::Studies), layout::kSharedFlag | 1);
    EXPECT_EQ(store().record(ben)[layout::monthStatusOffset(layout::slotIndex(kMarch, 0))], 1);
}

TEST_F(EntryKeyboard, RegularPioneerWalk) {
    open(carl);
    EXPECT_EQ(text(kPioneerStatus), u"Regular Pioneer"_s);
    EXPECT_TRUE(shown(kPioneerStatus));
    EXPECT_FALSE(shown(kAuxiliaryPioneer));
    EXPECT_TRUE(shown(kAddedHours));
    key(Qt::Key_Space);
    key(Qt::Key_Return);
    ASSERT_EQ(focusedId(), kHours);
    type(u"52"_s);
    key(Qt::Key_Return);
    type(u"4"_s);
    key(Qt::Key_Return);

    EXPECT_FALSE(isOpen());
    EXPECT_EQ(value(carl, kMarch, ValueKind::Hours), 52);
    EXPECT_EQ(value(carl, kMarch, ValueKind::Studies), layout::kSharedFlag | 4);
    EXPECT_EQ(store().record(carl)[layout::monthStatusOffset(layout::slotIndex(kMarch, 0))], 2);
}

TEST_F(EntryKeyboard, EnterOnTheSharedBoxAloneGoesToOk) {
    open(anna);
    key(Qt::Key_Return);
    EXPECT_EQ(focusedId(), kOk);
    key(Qt::Key_Return);
    EXPECT_FALSE(isOpen());
    EXPECT_FALSE(sharedFlag(anna, kMarch));
    EXPECT_EQ(store().lastPosted(), "Anna Berg");
}

TEST_F(EntryKeyboard, CorrectingAStoredValueReplacesIt) {
    builder.setReport(ben, kMarch, kYearSlot,
                      {.status = layout::AuxiliaryPioneer, .shared = true, .hours = 52});
    load();
    open(ben);
    EXPECT_TRUE(dialog->checkBox(kShared)->isChecked());
    key(Qt::Key_Return);
    ASSERT_EQ(focusedId(), kHours);
    type(u"40"_s);
    key(Qt::Key_Return);
    key(Qt::Key_Return);
    EXPECT_FALSE(isOpen());
    EXPECT_EQ(value(ben, kMarch, ValueKind::Hours), 40);
}

struct Refusal {
    QString studies;
    QString message;
};

TEST_F(EntryKeyboard, StudiesRefusals) {
    const Refusal refusals[] = {
        {u"64"_s, u"Please enter an integer between 0 and 63."_s},
        {u"2.5"_s, u"Please enter an integer."_s},
        {QString(), u"Please enter an integer."_s},
    };
    for (const Refusal& refusal : refusals) {
        messages.clear();
        open(anna);
        key(Qt::Key_Space);
        key(Qt::Key_Return);
        key(Qt::Key_Backspace);
        type(refusal.studies);
        key(Qt::Key_Return);
        EXPECT_TRUE(isOpen()) << refusal.studies.toStdString();
        EXPECT_EQ(messages.texts(), QStringList{refusal.message});
        EXPECT_EQ(focusedId(), kStudies);
        EXPECT_FALSE(sharedFlag(anna, kMarch));
        EXPECT_EQ(owner.statusUpdates, 0);
    }
}

// No month has more than 744 hours; a larger number already in the file is kept as it is.
TEST_F(EntryKeyboard, HoursAreCutAtTheDotAndLimitedToAMonth) {
    for (const QString& tooMany : {u"70000"_s, u"745"_s}) {
        messages.clear();
        open(ben);
        key(Qt::Key_Space);
        key(Qt::Key_Return);
        type(tooMany);
        key(Qt::Key_Return);
        key(Qt::Key_Return);
        EXPECT_TRUE(isOpen());
        EXPECT_EQ(messages.texts(), QStringList{u"Please enter an integer between 0 and 744."_s});
        EXPECT_EQ(focusedId(), kHours);
        EXPECT_EQ(owner.statusUpdates, 0);
    }

    type(u"7.5"_s);
    key(Qt::Key_Return);
    key(Qt::Key_Return);
    EXPECT_FALSE(isOpen());
    EXPECT_EQ(value(ben, kMarch, ValueKind::Hours), 7);

    builder.setReport(ben, kMarch, kYearSlot,
                      {.status = layout::AuxiliaryPioneer, .shared = true, .hours = 9999});
    load();
    messages.clear();
    open(ben);
    EXPECT_EQ(text(kHours), u"9999"_s);
    dialog->focusControl(kOk);
    key(Qt::Key_Return);
    EXPECT_FALSE(isOpen());
    EXPECT_TRUE(messages.texts().isEmpty());
    EXPECT_EQ(value(ben, kMarch, ValueKind::Hours), 9999);
}

TEST_F(EntryKeyboard, HoursWithoutSharedFlagAreStoredAsShared) {
    builder.setReport(ben, kMarch, kYearSlot, {.status = layout::AuxiliaryPioneer, .hours = 9});
    load();
    open(ben);
    EXPECT_TRUE(dialog->checkBox(kShared)->isChecked());
    EXPECT_TRUE(shown(kHours));
    EXPECT_TRUE(shown(kStudies));
    dialog->focusControl(kOk);
    key(Qt::Key_Return);
    EXPECT_FALSE(isOpen());
    EXPECT_TRUE(sharedFlag(ben, kMarch));
    EXPECT_EQ(value(ben, kMarch, ValueKind::Hours), 9);
}

// Whatever the collection month holds, the month chosen in the list shows its own fields with
// its stored values, and storing it without a touch keeps them.
TEST_F(EntryKeyboard, AnotherMonthShowsItsOwnFieldsAndValues) {
    constexpr int kJanuary = 0;
    struct Case {
        const char* what;
        int publisher;
        SlotReport january;
        bool shared, hoursShown;
    };
    const Case cases[] = {
        {"studies of a publisher", anna, {.shared = true, .studies = 3}, true, false},
        {"a pioneer month",
         anna,
         {.status = layout::RegularPioneer, .shared = true, .hours = 30, .studies = 1},
         true,
         true},
        {"hours without the shared flag", anna, {.hours = 7}, true, true},
        {"studies without the shared flag", anna, {.studies = 2}, true, false},
        {"nothing, after a pioneer month", carl, {}, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        builder.setReport(c.publisher, kJanuary, kYearSlot, c.january);
        load();
        open(c.publisher);
        key(Qt::Key_M, Qt::AltModifier);
        key(Qt::Key_Up);
        key(Qt::Key_Up);
        ASSERT_EQ(text(kMonthName), u"January"_s);
        for (const bool listOpen : {true, false}) {
            EXPECT_EQ(dialog->checkBox(kShared)->isChecked(), c.shared) << listOpen;
            EXPECT_EQ(shown(kHours), c.hoursShown) << listOpen;
            EXPECT_EQ(shown(kStudies), c.shared) << listOpen;
            EXPECT_EQ(text(kHours), QString::number(c.january.hours));
            EXPECT_EQ(text(kStudies), QString::number(c.january.studies));
            if (listOpen)
                key(Qt::Key_Return);
        }
        dialog->focusControl(kOk);
        key(Qt::Key_Return);
        ASSERT_FALSE(isOpen());
        EXPECT_EQ(value(c.publisher, kJanuary, ValueKind::Hours), c.january.hours);
        EXPECT_EQ(value(c.publisher, kJanuary, ValueKind::Studies),
                  (c.shared ? layout::kSharedFlag : 0) | c.january.studies);
        builder.setReport(c.publisher, kJanuary, kYearSlot, {});
    }
}

// Cancel stores nothing still being typed in the open remark field, however it is given.
TEST_F(EntryKeyboard, CancelWithTheRemarkFieldOpenStoresNothing) {
    enum class Way { Escape, CancelButton, CloseBox };
    for (const Way way : {Way::Escape, Way::CancelButton, Way::CloseBox}) {
        SCOPED_TRACE(static_cast<int>(way));
        load();
        open(anna);
        key(Qt::Key_R, Qt::AltModifier);
        ASSERT_EQ(focusedId(), kRemarkField);
        type(u"Away"_s);
        if (way == Way::Escape)
            key(Qt::Key_Escape);
        else if (way == Way::CancelButton)
            clickOn(kCancel);
        else
            dialog->close();
        EXPECT_FALSE(isOpen());
        EXPECT_EQ(store().remarkCount(), 0);
        EXPECT_EQ(store().remarkFor(anna, kMarch, kYearSlot).text, "");
        EXPECT_TRUE(store().isReportMissing(anna, kMarch, kYearSlot));
        EXPECT_EQ(owner.statusUpdates, 0);
    }
}

// The file's code page (here CP1252) holds no 'Ł': the user hears so before anything is stored,
// whether Enter or Tab ends the remark, and No leaves the remark open as typed.
TEST_F(EntryKeyboard, CharactersTheCodePageCannotHoldAreNamedBeforeTheRemarkIsStored) {
    open(anna);
    key(Qt::Key_R, Qt::AltModifier);
    type(u"Łódź? Łask ő"_s);
    for (const Qt::Key end : {Qt::Key_Return, Qt::Key_Tab}) {
        messages.queueAnswer(MessageAnswer::No);
        key(end);
        ASSERT_EQ(messages.shown().size(), 1);
        EXPECT_EQ(messages.shown().front().buttons, MessageButtons::YesNo);
        EXPECT_TRUE(messages.shown().front().text.contains(u": Ł ź ő\n"_s))
            << messages.shown().front().text.toStdString();
        EXPECT_TRUE(messages.shown().front().text.contains(u"(CP1252)"_s));
        EXPECT_EQ(focusedId(), kRemarkField);
        EXPECT_EQ(text(kRemarkField), u"Łódź? Łask ő"_s);
        EXPECT_EQ(store().remarkCount(), 0);
        messages.clear();
    }

    key(Qt::Key_Return);
    EXPECT_EQ(messages.shown().size(), 1);
    EXPECT_FALSE(shown(kRemarkField));
    EXPECT_EQ(store().remarkFor(anna, kMarch, kYearSlot).text, "?\363d?? ?ask ?"); // ó in CP1252

    // A remark the code page holds asks nothing.
    messages.clear();
    open(ben);
    key(Qt::Key_R, Qt::AltModifier);
    type(u"Zoë?"_s);
    key(Qt::Key_Return);
    EXPECT_TRUE(messages.shown().isEmpty());
    EXPECT_EQ(store().remarkFor(ben, kMarch, kYearSlot).text, "Zo\xEB?");
}

// Unticking hides the values shown or typed and stores zeros; ticking again brings them back.
TEST_F(EntryKeyboard, UntickingSharedHidesTheValuesUntilTickedAgain) {
    struct Case {
        const char* what;
        QString typedHours; // empty: the stored 52 stays
        int spaces;
        int hours, studies;
    };
    const Case cases[] = {
        {"unticked", {}, 1, 0, 0},
        {"ticked again", {}, 2, 52, 3},
        {"typed, then ticked again", u"48"_s, 2, 48, 3},
        {"typed, then unticked", u"48"_s, 1, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        builder.setReport(
            carl, kMarch, kYearSlot,
            {.status = layout::RegularPioneer, .shared = true, .hours = 52, .studies = 3});
        load();
        open(carl);
        if (!c.typedHours.isEmpty()) {
            key(Qt::Key_Return);
            ASSERT_EQ(focusedId(), kHours);
            type(c.typedHours);
            dialog->focusControl(kShared);
        }
        for (int i = 0; i < c.spaces; ++i)
            key(Qt::Key_Space);
        const bool ticked = c.spaces % 2 == 0;
        EXPECT_EQ(shown(kHours), ticked);
        EXPECT_EQ(shown(kStudies), ticked);
        if (ticked) {
            EXPECT_EQ(text(kHours), QString::number(c.hours));
            EXPECT_EQ(text(kStudies), QString::number(c.studies));
        }
        dialog->focusControl(kOk);
        key(Qt::Key_Return);
        ASSERT_FALSE(isOpen());
        EXPECT_EQ(value(carl, kMarch, ValueKind::Hours), c.hours);
        EXPECT_EQ(value(carl, kMarch, ValueKind::Studies) & layout::kStudiesMask, c.studies);
        EXPECT_EQ(sharedFlag(carl, kMarch), ticked);
    }
}

TEST_F(EntryKeyboard, HiddenValuesCarryThroughUnchecked) {
    builder.setReport(anna, kMarch, kYearSlot,
                      {.placements = 5000, .videos = 65535, .returnVisits = 600});
    load();
    open(anna);
    dialog->focusControl(kOk);
    key(Qt::Key_Return);
    EXPECT_FALSE(isOpen());
    EXPECT_TRUE(messages.texts().isEmpty());
    EXPECT_EQ(value(anna, kMarch, ValueKind::Placements), 5000);
    EXPECT_EQ(value(anna, kMarch, ValueKind::Videos), 65535);
    EXPECT_EQ(value(anna, kMarch, ValueKind::ReturnVisits), 600);
}

TEST_F(EntryKeyboard, EntryFieldTakesDigitsDotAndSpaceOnly) {
    open(ben);
    key(Qt::Key_Space);
    key(Qt::Key_Return);
    auto* hours = dialog->edit(kHours);
    type(u"1a-2.x5"_s);
    EXPECT_EQ(hours->text(), u"12.5"_s);
    key(Qt::Key_Space);
    EXPECT_EQ(hours->text(), u"0"_s);
    EXPECT_EQ(hours->selectedText(), u"0"_s);
    type(u"3"_s);
    EXPECT_EQ(hours->text(), u"3"_s);
}

TEST_F(EntryKeyboard, ArrowsMoveBetweenFields) {
    open(ben);
    key(Qt::Key_Space);
    key(Qt::Key_Return);
    ASSERT_EQ(focusedId(), kHours);
    key(Qt::Key_Right);
    EXPECT_EQ(focusedId(), kShared);
    dialog->focusControl(kHours);
    key(Qt::Key_Left);
    EXPECT_EQ(focusedId(), kShared);
    dialog->focusControl(kStudies);
    key(Qt::Key_Right);
    EXPECT_EQ(focusedId(), kOk);
    dialog->focusControl(kStudies);
    key(Qt::Key_Left);
    EXPECT_EQ(focusedId(), kHours);
}

TEST_F(EntryKeyboard, CheckingAuxiliaryPioneerAddsHours) {
    builder.setReport(anna, kMarch, kYearSlot, {.shared = true, .studies = 1});
    load();
    open(anna);
    EXPECT_FALSE(shown(kHours));
    EXPECT_TRUE(shown(kStudies));
    dialog->checkBox(kAuxiliaryPioneer)->click();
    EXPECT_TRUE(shown(kHours));
    dialog->focusControl(kOk);
    key(Qt::Key_Return);
    EXPECT_EQ(store().record(anna)[layout::monthStatusOffset(layout::slotIndex(kMarch, 0))],
              layout::AuxiliaryPioneer);
}

TEST_F(EntryKeyboard, StatusLinesAndToolTip) {
    builder.setPrivilege(carl, 2);
    builder.setPublisherGroup(carl, 7);
    // September of the year before lies in the other cell; it opens the service year.
    builder.setReport(carl, 8, 1 - kYearSlot,
                      {.status = layout::RegularPioneer, .shared = true, .hours = 40});
    builder.setReport(
        carl, 1, kYearSlot,
        {.status = layout::RegularPioneer, .shared = true, .hours = 52, .studies = 3});
    builder.addRemark(carl, 1, kYearSlot, "Away");
    builder.setLateFlag(carl, 0);
    load();
    open(carl);
    EXPECT_EQ(text(kPrivilege), u"Elder"_s);
    EXPECT_EQ(text(kGroup), u"Group 7"_s);
    EXPECT_EQ(text(kMonthName), u"March"_s);
    EXPECT_EQ(text(kHoursCaption), u"Hours"_s);
    EXPECT_EQ(text(kStudiesCaption), u"Studies"_s);
    EXPECT_EQ(text(kChangeMonth), u"Change &Month ( late report )"_s);
    EXPECT_FALSE(shown(kUnderOneHour));
    EXPECT_FALSE(shown(kRemarkField));
    EXPECT_EQ(dialog->control(kRemarkField)->accessibleName(), u"Remarks"_s);
    EXPECT_FALSE(shown(kMonthList));
    EXPECT_EQ(dialog->control(kShared)->toolTip(),
              u"Shared in any form of the ministry during the month"_s);
    EXPECT_TRUE(dialog->control(kOk)->toolTip().isEmpty());

    QListWidget* history = dialog->listBox(kHistory);
    EXPECT_EQ(history->accessibleName(), u"Last twelve months"_s);
    ASSERT_EQ(history->count(), 13);
    EXPECT_EQ(history->item(0)->text(), u"March 2026: missing"_s);
    EXPECT_EQ(history->item(1)->text(), u"February 2026: shared, hours: 52, studies: 3, remark"_s);
    EXPECT_EQ(history->item(2)->text(), u"January 2026: missing, late"_s);
    EXPECT_EQ(history->item(6)->text(), u"September 2025: shared, hours: 40"_s);
    EXPECT_EQ(history->item(12)->text(), u"Service year so far: hours: 92"_s);
}

} // namespace
} // namespace kolekt::test
