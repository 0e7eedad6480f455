#include "EntryDialogFixture.h"
#include "resources/Catalogue.h"
#include "resources/EntryDialogTemplate.h"

#include <QLineEdit>

namespace kolekt::test {

using namespace Qt::StringLiterals;

namespace {

using namespace entry_id;
using layout::ValueKind;

class EntryRemark : public EntryDialogTest {
protected:
    void SetUp() override {
        anna = builder.addPublisher("Anna", "Berg");
        carl = builder.addPublisher("Carl", "Dietz");
        builder.setReport(carl, kMarch, kYearSlot,
                          {.status = layout::RegularPioneer, .shared = true, .hours = 50});
        builder.addRemark("an older remark nobody links");
    }
    std::string storedRemark(int n, int month = kMarch) {
        return store().remarkFor(n, month, kYearSlot).text;
    }
    void openRemark(const QString& remark) {
        key(Qt::Key_R, Qt::AltModifier);
        ASSERT_EQ(focusedId(), kRemarkField);
        type(remark);
    }
    int anna = 0, carl = 0;
};

TEST_F(EntryRemark, EnterEndsTheRemarkAndTheNextEnterMovesOn) {
    load();
    open(anna);
    openRemark(u"Was ill"_s);
    EXPECT_FALSE(shown(kChangeMonth));
    key(Qt::Key_Return);
    EXPECT_TRUE(isOpen());
    EXPECT_FALSE(shown(kRemarkField));
    EXPECT_TRUE(shown(kChangeMonth));
    EXPECT_EQ(focusedId(), kShared);
    EXPECT_EQ(store().remarkCount(), 2);
    EXPECT_EQ(storedRemark(anna), "Was ill");

    key(Qt::Key_Return);
    EXPECT_EQ(focusedId(), kOk);
    key(Qt::Key_Return);
    EXPECT_FALSE(isOpen());
    EXPECT_EQ(remarkLink(anna, kMarch), 2);
    EXPECT_FALSE(store().isReportMissing(anna, kMarch, kYearSlot));
}

TEST_F(EntryRemark, TabOrClickEndsTheRemarkAndSwallowsOneEnter) {
    for (const bool byClick : {false, true}) {
        load();
        open(carl);
        openRemark(u"Note"_s);
        if (byClick) {
            clickOn(kStudies);
        } else {
            key(Qt::Key_Tab);
        }
        EXPECT_FALSE(shown(kRemarkField));
        EXPECT_EQ(focusedId(), kShared);
        EXPECT_EQ(storedRemark(carl), "Note");

        key(Qt::Key_Return);
        EXPECT_EQ(focusedId(), kShared) << "the first Enter only ends the remark entry";
        key(Qt::Key_Return);
        EXPECT_EQ(focusedId(), kHours);
        EXPECT_TRUE(isOpen());
    }
}

TEST_F(EntryRemark, TextIsConvertedAndCut) {
    load();
    open(anna);
    // The field takes what a remark record holds and says how much room is left.
    openRemark(QString(3, QLatin1Char('x')));
    EXPECT_TRUE(shown(kRemarkRoom));
    EXPECT_EQ(text(kRemarkRoom), u"33 left"_s);
    type(QString(37, QLatin1Char('x')));
    EXPECT_EQ(text(kRemarkField).size(), 36);
    EXPECT_EQ(text(kRemarkRoom), u"0 left"_s);
    key(Qt::Key_Return);
    EXPECT_FALSE(shown(kRemarkRoom));
    EXPECT_EQ(storedRemark(anna), std::string(36, 'x'));

    load();
    open(anna);
    key(Qt::Key_R, Qt::AltModifier);
    dialog->edit(kRemarkField)->setText(QStringLiteral("%d %s Zo\u00EB \u20AC"));
    key(Qt::Key_Return);
    dialog->focusControl(kOk);
    key(Qt::Key_Return);
    EXPECT_EQ(storedRemark(anna), "%d %s Zo\xEB \x80"); // CP1252
}

TEST_F(EntryRemark, LeadingBlankIsNotStoredAndReservesNothing) {
    builder.addRemark(anna, kMarch, kYearSlot, "old text");
    load();
    open(anna);
    key(Qt::Key_R, Qt::AltModifier);
    EXPECT_EQ(dialog->edit(kRemarkField)->text(), u"old text"_s);
    dialog->edit(kRemarkField)->clear();
    type(u" indented"_s);
    key(Qt::Key_Return);
    dialog->focusControl(kOk);
    key(Qt::Key_Return);
    EXPECT_EQ(remarkLink(anna, kMarch), 0);
    EXPECT_EQ(store().remarkCount(), 2);
    EXPECT_TRUE(store().isReportMissing(anna, kMarch, kYearSlot));
}

TEST_F(EntryRemark, EditingAnExistingRemarkKeepsItsNumber) {
    const int number = builder.addRemark(anna, kMarch, kYearSlot, "old text");
    load();
    open(anna);
    key(Qt::Key_R, Qt::AltModifier);
    type(u"new text"_s);
    key(Qt::Key_Return);
    dialog->focusControl(kOk);
    key(Qt::Key_Return);
    EXPECT_EQ(remarkLink(anna, kMarch), number);
    EXPECT_EQ(storedRemark(anna), "new text");
    EXPECT_EQ(store().remarkCount(), 2);
}

TEST_F(EntryRemark, CancelKeepsWhatTheRemarkEntryStored) {
    load();
    open(anna);
    key(Qt::Key_Space);
    openRemark(u"Away"_s);
    key(Qt::Key_Return);
    key(Qt::Key_Escape);
    EXPECT_FALSE(isOpen());
    EXPECT_EQ(storedRemark(anna), "Away");
    EXPECT_FALSE(sharedFlag(anna, kMarch));
    EXPECT_EQ(owner.statusUpdates, 0);
    EXPECT_EQ(owner.saves, 0);
    EXPECT_EQ(store().lastPosted(), "");
}

TEST_F(EntryRemark, BrowsingAndPostingWithoutARemarkReservesNoNumber) {
    load();
    for (const int n : {anna, carl}) {
        open(n);
        key(Qt::Key_M, Qt::AltModifier);
        for (int i = 0; i < 11; ++i) {
            key(Qt::Key_Down);
        }
        for (int i = 0; i < 11; ++i) {
            key(Qt::Key_Up);
        }
        key(Qt::Key_Return);
        key(Qt::Key_R, Qt::AltModifier);
        key(Qt::Key_Return);
        dialog->focusControl(kOk);
        key(Qt::Key_Return);
        EXPECT_FALSE(isOpen());
    }
    EXPECT_EQ(store().remarkCount(), 1);
    store().initialise(kToday, "eng", "CP1252");
    ASSERT_TRUE(store().loadCollection(path, kToday));
    EXPECT_EQ(store().remarkCount(), 1);
}

TEST_F(EntryRemark, OutOfSpaceIsShownWhenARemarkIsTyped) {
    while (builder.remarkCount() < layout::kMaxRemarks) {
        builder.addRemark("filler");
    }
    load();
    open(anna);
    EXPECT_TRUE(messages.texts().isEmpty());
    openRemark(u"Was ill"_s);
    key(Qt::Key_Return);
    EXPECT_EQ(messages.texts(), QStringList{u"Out of Space for Remarks"_s});
    EXPECT_EQ(storedRemark(anna), "");
    EXPECT_EQ(store().remarkCount(), layout::kMaxRemarks);
}

TEST_F(EntryRemark, TheLastFreeNumberIsNotAQuietDeadEnd) {
    while (builder.remarkCount() < layout::kMaxRemarks - 1) {
        builder.addRemark("filler");
    }
    load();
    open(anna);
    openRemark(u"Was ill"_s);
    key(Qt::Key_Return);
    EXPECT_EQ(store().remarkCount(), layout::kMaxRemarks);
    EXPECT_EQ(storedRemark(anna), "");
    EXPECT_EQ(messages.texts(), QStringList{u"Out of Space for Remarks"_s});
}

TEST_F(EntryRemark, AddedHoursFromTheRemark) {
    struct Case {
        QString remark;
        QString caption;
        int added;
    };
    const Case cases[] = {
        {u"10 LDC"_s, u"( + 5 Hours )"_s, 5},
        {u"10* LDC"_s, u"( + 10 Hours )"_s, 10},
        {u"10! LDC"_s, u"( + 10 Hours )"_s, 10},
        {u"300! LDC"_s, u"( + 255 Hours )"_s, 255},
    };
    for (const Case& c : cases) {
        load();
        open(carl);
        EXPECT_EQ(text(kAddedHours), QString());
        openRemark(c.remark);
        key(Qt::Key_Return);
        EXPECT_EQ(text(kAddedHours), c.caption) << c.remark.toStdString();
        EXPECT_EQ(addedHours(carl, kMarch), 0) << "reaches the store only when stored";
        dialog->focusControl(kOk);
        key(Qt::Key_Return);
        EXPECT_EQ(addedHours(carl, kMarch), c.added) << c.remark.toStdString();
    }
}

TEST_F(EntryRemark, AddedHoursFollowTheHoursField) {
    load();
    open(carl);
    openRemark(u"8 extra"_s);
    key(Qt::Key_Return);
    EXPECT_EQ(text(kAddedHours), u"( + 5 Hours )"_s);
    key(Qt::Key_Return);
    ASSERT_EQ(focusedId(), kHours);
    type(u"60"_s);
    key(Qt::Key_Return);
    EXPECT_EQ(text(kAddedHours), QString());
    dialog->focusControl(kHours);
    type(u"40"_s);
    key(Qt::Key_Tab);
    EXPECT_EQ(text(kAddedHours), u"( + 8 Hours )"_s);
}

// The word comes from the language's table and goes into the remark in the file's code page.
TEST_F(EntryRemark, StoredAddedHoursFillAnEmptyRemark) {
    const struct {
        const char* language;
        const char* codePage;
        QString word;
        std::string stored;
    } cases[] = {
        {"eng", "CP1252", u"Hours"_s, "6 +Hours"},
        {"greek", "CP1253", u"ώρες"_s, "6 +\xFE\xF1\xE5\xF2"},
    };
    builder.setReport(
        carl, kMarch, kYearSlot,
        {.status = layout::RegularPioneer, .shared = true, .hours = 40, .addedHours = 6});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.language);
        load();
        useLanguage(*findLanguage(c.language));
        store().setLanguage(c.language, c.codePage);
        open(carl);
        EXPECT_EQ(text(kAddedHours), u"( + 6 "_s + c.word + u" )"_s);
        clickOn(kRemarks);
        EXPECT_EQ(dialog->edit(kRemarkField)->text(), u"6 +"_s + c.word);
        key(Qt::Key_Return);
        EXPECT_EQ(storedRemark(carl), c.stored);

        dialog->focusControl(kOk);
        key(Qt::Key_Return);
        EXPECT_EQ(addedHours(carl, kMarch), 6);
        useLanguage(englishLanguage());
    }
}

TEST_F(EntryRemark, ClearingTheRemarkClearsTheAddedHours) {
    builder.addRemark(carl, kMarch, kYearSlot, "4 hours LDC");
    load();
    open(carl);
    EXPECT_EQ(text(kAddedHours), u"( + 4 Hours )"_s);
    key(Qt::Key_R, Qt::AltModifier);
    dialog->edit(kRemarkField)->clear();
    key(Qt::Key_Return);
    EXPECT_EQ(text(kAddedHours), QString());
    dialog->focusControl(kOk);
    key(Qt::Key_Return);
    EXPECT_EQ(addedHours(carl, kMarch), 0);
    EXPECT_EQ(remarkLink(carl, kMarch), 0);
}

} // namespace
} // namespace kolekt::test
