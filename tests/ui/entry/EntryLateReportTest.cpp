#include "EntryDialogFixture.h"
#include "resources/EntryDialogTemplate.h"

#include <QListWidget>

namespace kolekt::test {

using namespace Qt::StringLiterals;

namespace {

using namespace entry_id;
using layout::ValueKind;

constexpr int kJanuary = 0;

const QString kPostedJanuary =
    u"- WARNING -   You have already posted the January report for Anna Berg."_s;
const QString kNotIncluded =
    u"Changes WILL NOT BE INCLUDED in the March report to the branch office."_s;
const QString kIncluded =
    u"Any changes WILL BE INCLUDED in the March report to the branch office."_s;
const QString kSpecial = u"Special Pioneers are NOT INCLUDED in Report to Branch"_s;

class EntryLateReport : public EntryDialogTest {
protected:
    void SetUp() override {
        anna = builder.addPublisher("Anna", "Berg");
        builder.addPublisher("Ben", "Cole");
    }
    // Alt+M, Up twice to January, Enter.
    void chooseJanuary() {
        key(Qt::Key_M, Qt::AltModifier);
        ASSERT_EQ(focusedId(), kMonthList);
        key(Qt::Key_Up);
        key(Qt::Key_Up);
        key(Qt::Key_Return);
    }
    bool lateFlag() { return store().hasLateFlag(anna, kJanuary); }
    int anna = 0;
};

TEST_F(EntryLateReport, MonthListOpensAndCloses) {
    load();
    open(anna);
    key(Qt::Key_M, Qt::AltModifier);
    EXPECT_EQ(focusedId(), kMonthList);
    EXPECT_TRUE(shown(kMonthList));
    EXPECT_TRUE(shown(kCloseMonthList));
    for (const int id : {kRemarks, kAddedHours, kOk, kCancel, kChangeMonth, kGroup}) {
        EXPECT_FALSE(shown(id)) << id;
    }
    QListWidget* list = dialog->listBox(kMonthList);
    ASSERT_EQ(list->count(), 12);
    // The twelve months up to the collection month, each with the year of its report.
    EXPECT_EQ(list->item(0)->text(), u"April 2025"_s);
    EXPECT_EQ(list->item(8)->text(), u"December 2025"_s);
    EXPECT_EQ(list->item(9)->text(), u"January 2026"_s);
    EXPECT_EQ(list->currentItem()->text(), u"March 2026"_s);

    key(Qt::Key_Up);
    EXPECT_EQ(text(kMonthName), u"February"_s);
    key(Qt::Key_Return);
    EXPECT_EQ(focusedId(), kShared);
    EXPECT_FALSE(shown(kMonthList));
    EXPECT_FALSE(shown(kCloseMonthList));
    for (const int id : {kRemarks, kOk, kCancel, kChangeMonth, kGroup}) {
        EXPECT_TRUE(shown(id)) << id;
    }
    EXPECT_EQ(text(kWarnings), u"\n"_s + kIncluded);

    key(Qt::Key_M, Qt::AltModifier);
    key(Qt::Key_Down);
    key(Qt::Key_O, Qt::AltModifier);
    EXPECT_FALSE(shown(kMonthList));
    EXPECT_EQ(text(kMonthName), u"March"_s);
    EXPECT_EQ(text(kWarnings), QString());
}

TEST_F(EntryLateReport, PostedJanuaryWithoutLateFlagIsNotIncluded) {
    builder.setReport(anna, kJanuary, kYearSlot, {.shared = true, .hours = 3});
    load();
    open(anna);
    chooseJanuary();
    EXPECT_EQ(text(kWarnings), kPostedJanuary + u"\n"_s + kNotIncluded);
    dialog->focusControl(kOk);
    key(Qt::Key_Return);
    EXPECT_FALSE(isOpen());
    EXPECT_FALSE(lateFlag());
}

TEST_F(EntryLateReport, PostedJanuaryWithLateFlagIsIncluded) {
    builder.setReport(anna, kJanuary, kYearSlot, {.shared = true, .hours = 3});
    builder.setLateFlag(anna, kJanuary);
    load();
    open(anna);
    chooseJanuary();
    EXPECT_EQ(text(kWarnings), kPostedJanuary + u"\n"_s + kIncluded);
    dialog->focusControl(kOk);
    key(Qt::Key_Return);
    EXPECT_TRUE(lateFlag());
}

TEST_F(EntryLateReport, UnpostedJanuaryIsIncludedAndGetsTheLateFlag) {
    load();
    open(anna);
    chooseJanuary();
    EXPECT_EQ(text(kWarnings), u"\n"_s + kIncluded);
    key(Qt::Key_Space);
    key(Qt::Key_Return);
    type(u"1"_s);
    key(Qt::Key_Return);
    EXPECT_FALSE(isOpen());
    EXPECT_TRUE(lateFlag());
    EXPECT_TRUE(sharedFlag(anna, kJanuary));
    EXPECT_FALSE(sharedFlag(anna, kMarch));
}

TEST_F(EntryLateReport, OkWithoutTouchingStoresAndFlagsTheLateMonth) {
    load();
    open(anna);
    chooseJanuary();
    dialog->focusControl(kOk);
    key(Qt::Key_Return);
    EXPECT_TRUE(lateFlag());
    EXPECT_EQ(store().lastPosted(), "Anna Berg");
}

TEST_F(EntryLateReport, SpecialPioneersNeverGetALateFlag) {
    for (const int specialMonth : {kJanuary, kMarch}) {
        builder.setReport(anna, kJanuary, kYearSlot, {});
        builder.setReport(anna, kMarch, kYearSlot, {});
        builder.setReport(anna, specialMonth, kYearSlot, {.status = layout::SpecialPioneer});
        load();
        open(anna);
        chooseJanuary();
        EXPECT_EQ(text(kWarnings), u"\n"_s + kSpecial);
        dialog->focusControl(kOk);
        key(Qt::Key_Return);
        EXPECT_FALSE(isOpen());
        EXPECT_FALSE(lateFlag()) << specialMonth;
    }
}

// Posted is any report that is not missing, with or without hours.
TEST_F(EntryLateReport, PostedCollectionMonthWarns) {
    const SlotReport reports[] = {
        {.shared = true, .hours = 2},
        {.shared = true},
        {.shared = true, .studies = 1},
    };
    for (const SlotReport& report : reports) {
        builder.setReport(anna, kMarch, kYearSlot, report);
        load();
        open(anna);
        EXPECT_EQ(text(kWarnings),
                  u"- WARNING -   You have already posted the March report for Anna Berg.\n"_s +
                      kIncluded);
    }
    builder.setReport(anna, kMarch, kYearSlot, {});
    builder.addRemark(anna, kMarch, kYearSlot, "sick");
    load();
    open(anna);
    EXPECT_TRUE(text(kWarnings).startsWith(u"- WARNING -"_s));
}

TEST_F(EntryLateReport, ValuesTypedAreDroppedWhenTheMonthChanges) {
    builder.setReport(anna, kJanuary, kYearSlot, {.shared = true, .studies = 4});
    load();
    open(anna);
    key(Qt::Key_Space);
    key(Qt::Key_Return);
    type(u"9"_s);
    chooseJanuary();
    EXPECT_EQ(text(kStudies), u"4"_s);
    dialog->focusControl(kOk);
    key(Qt::Key_Return);
    EXPECT_EQ(value(anna, kJanuary, ValueKind::Studies), layout::kSharedFlag | 4);
    EXPECT_FALSE(sharedFlag(anna, kMarch));
}

} // namespace
} // namespace kolekt::test
