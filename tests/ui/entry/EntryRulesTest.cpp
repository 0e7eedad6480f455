#include "ui/entry/EntryRules.h"

#include "collection/FileLayout.h"

#include <array>
#include <gtest/gtest.h>

namespace kolekt::entry {
namespace {

WarningFacts lateJanuaryInMarch() {
    WarningFacts facts;
    facts.collectionMonth = 2;
    facts.editMonth = 0;
    facts.languageCode = "eng";
    facts.publisherName = "Anna Berg";
    return facts;
}

const std::string kPosted =
    "- WARNING -   You have already posted the January report for Anna Berg.";
const std::string kNotIncludedMarch =
    "Changes WILL NOT BE INCLUDED in the March report to the branch office.";
const std::string kIncludedMarch =
    "Any changes WILL BE INCLUDED in the March report to the branch office.";
const std::string kSpecial = "Special Pioneers are NOT INCLUDED in Report to Branch";

TEST(Warnings, PostedLateMonthWithoutLateFlagIsNotIncluded) {
    WarningFacts facts = lateJanuaryInMarch();
    facts.posted = true;
    const WarningPanel panel = composeWarnings(facts);
    EXPECT_EQ(panel.text, kPosted + "\n" + kNotIncludedMarch);
    EXPECT_TRUE(panel.lateReport);
    EXPECT_TRUE(panel.notIncluded);
}

TEST(Warnings, LateFlagOrNothingPostedMeansIncluded) {
    WarningFacts flagged = lateJanuaryInMarch();
    flagged.posted = true;
    flagged.lateFlag = true;
    WarningPanel panel = composeWarnings(flagged);
    EXPECT_EQ(panel.text, kPosted + "\n" + kIncludedMarch);
    EXPECT_FALSE(panel.notIncluded);

    panel = composeWarnings(lateJanuaryInMarch());
    EXPECT_EQ(panel.text, "\n" + kIncludedMarch);
    EXPECT_TRUE(panel.lateReport);
    EXPECT_FALSE(panel.notIncluded);
}

TEST(Warnings, OpenMonthListHidesTheLateLine) {
    WarningFacts facts = lateJanuaryInMarch();
    facts.posted = true;
    facts.monthListOpen = true;
    const WarningPanel panel = composeWarnings(facts);
    EXPECT_EQ(panel.text, kPosted);
    EXPECT_FALSE(panel.notIncluded);
}

TEST(Warnings, CollectionMonth) {
    WarningFacts facts;
    facts.collectionMonth = facts.editMonth = 2;
    facts.languageCode = "eng";
    EXPECT_EQ(composeWarnings(facts).text, "");
    facts.posted = true;
    facts.publisherName = "Anna Berg";
    const WarningPanel panel = composeWarnings(facts);
    EXPECT_EQ(panel.text,
              "- WARNING -   You have already posted the March report for Anna Berg.\n" +
                  kIncludedMarch);
    EXPECT_FALSE(panel.lateReport);
}

TEST(Warnings, SpecialPioneerInEitherMonth) {
    for (const bool inEditMonth : {true, false}) {
        WarningFacts facts = lateJanuaryInMarch();
        (inEditMonth ? facts.editStatus : facts.collectionStatus) = layout::SpecialPioneer;
        facts.posted = true;
        const WarningPanel panel = composeWarnings(facts);
        EXPECT_EQ(panel.text, kPosted + "\n" + kSpecial);
        EXPECT_TRUE(panel.notIncluded);
    }
}

TEST(Warnings, NameIsNotAPattern) {
    WarningFacts facts = lateJanuaryInMarch();
    facts.posted = true;
    facts.publisherName = "%1 %2";
    EXPECT_EQ(composeWarnings(facts).text,
              "- WARNING -   You have already posted the January report for %1 %2.\n" +
                  kNotIncludedMarch);
}

TEST(Warnings, FrenchSentenceForms) {
    WarningFacts facts = lateJanuaryInMarch();
    facts.languageCode = "french";
    const WarningPanel panel = composeWarnings(facts);
    EXPECT_EQ(panel.text,
              "\nAny changes WILL BE INCLUDED in the de March report to the branch office.");
}

struct AddedHoursCase {
    int hours;
    int stored;
    std::string remark;
    int expected;
};

TEST(AddedHours, RemarkNumberCapsAndMarks) {
    const AddedHoursCase cases[] = {
        {50, 0, "10 hours LDC", 5}, // capped to 55 in total
        {50, 0, "10* LDC", 10},     // '*' at 2 keeps up to 40
        {50, 0, "10! LDC", 10},     // '!' at 2: no cap
        {50, 0, "300! LDC", 255},   // at most 255
        {0, 0, "1234", 55},         // 123 before the caps
        {0, 0, "1234!", 123},
        {60, 0, "8", 0},         // past 54 hours nothing without '*'
        {60, 0, "8*", 8},        // '*' at 1
        {60, 0, "8    *", 0},    // '*' at 5 is too far
        {60, 0, "80*", 40},      // '*' keeps at most 40
        {30, 0, "10 !", 10},     // '!' at 3
        {50, 0, "10    !", 5},   // '!' at 6 does not count
        {50, 7, "no number", 5}, // stored value capped
        {10, 0, "", 0},
    };
    for (const AddedHoursCase& c : cases) {
        std::string remark = c.remark;
        EXPECT_EQ(updateAddedHours(c.hours, c.stored, remark, "Hours"), c.expected)
            << c.hours << " hours, remark \"" << c.remark << "\"";
        EXPECT_EQ(remark, c.remark);
    }
}

TEST(AddedHours, StoredValueFillsAnEmptyRemark) {
    std::string remark;
    EXPECT_EQ(updateAddedHours(49, 6, remark, "Hours"), 6);
    EXPECT_EQ(remark, "6 +Hours");

    remark.clear();
    EXPECT_EQ(updateAddedHours(54, 3, remark, "Hours"), 1);
    EXPECT_EQ(remark, "1 +Hours");

    remark.clear();
    EXPECT_EQ(updateAddedHours(52, 6, remark, "Hours"), 3);
    EXPECT_EQ(remark, "3 +Hours");

    // Past 54 hours nothing is added, and no negative number is written into the remark.
    remark.clear();
    EXPECT_EQ(updateAddedHours(60, 6, remark, "Hours"), 0);
    EXPECT_EQ(remark, "");
}

TEST(AddedHours, Caption) {
    EXPECT_EQ(addedHoursCaption(5), "( + 5 Hours )");
    EXPECT_EQ(addedHoursCaption(0), "");
}

TEST(Trimmed, BothEnds) {
    EXPECT_EQ(trimmed("  a b \t\r\n"), "a b");
    EXPECT_EQ(trimmed(" \t "), "");
}

class SlotBits : public ::testing::Test {
protected:
    std::array<std::uint8_t, layout::kRecordSize> record{};
    const int slot = layout::slotIndex(2, 1);
    std::uint16_t word(std::size_t offset) const { return layout::readWord(record.data(), offset); }
};

TEST_F(SlotBits, StudiesKeepHighBitsAndClearBit10) {
    layout::writeWord(record.data(), layout::valueOffset(layout::ValueKind::Studies, slot), 0xF7FF);
    SlotFields values;
    values.studies = 3;
    EXPECT_TRUE(storeFields(record.data(), slot, values, false, false));
    EXPECT_EQ(word(layout::valueOffset(layout::ValueKind::Studies, slot)), 0xF803);
}

TEST_F(SlotBits, SharedFlagFromBoxHoursOrStudies) {
    SlotFields values;
    EXPECT_TRUE(storeFields(record.data(), slot, values, true, false));
    EXPECT_EQ(word(layout::valueOffset(layout::ValueKind::Studies, slot)), layout::kSharedFlag);
    values.hours = 7;
    EXPECT_TRUE(storeFields(record.data(), slot, values, false, false));
    EXPECT_EQ(word(layout::valueOffset(layout::ValueKind::Hours, slot)), 7);
    values = {};
    EXPECT_FALSE(storeFields(record.data(), slot, values, false, false));
    EXPECT_EQ(word(layout::valueOffset(layout::ValueKind::Studies, slot)), 0);
}

TEST_F(SlotBits, StatusFollowsAuxiliaryBoxOnlyForPublishersAndAuxiliaries) {
    std::uint8_t& status = record[layout::monthStatusOffset(slot)];
    status = 0xA0;
    storeFields(record.data(), slot, {}, false, true);
    EXPECT_EQ(status, 0xA1);
    storeFields(record.data(), slot, {}, false, false);
    EXPECT_EQ(status, 0xA0);
    status = 0xA2;
    storeFields(record.data(), slot, {}, false, false);
    EXPECT_EQ(status, 0xA2);
    status = 0x03;
    storeFields(record.data(), slot, {}, false, true);
    EXPECT_EQ(status, 0x03);
}

TEST_F(SlotBits, ReadAndWriteEveryWordOfTheSlotOnly) {
    record.fill(0x5A);
    SlotFields values;
    values.placements = 4095;
    values.videos = 12;
    values.hours = 65535;
    values.returnVisits = 511;
    values.studies = 63;
    values.addedHours = 200;
    const auto before = record;
    storeFields(record.data(), slot, values, false, false);

    const SlotFields back = readSlot(record.data(), slot);
    EXPECT_EQ(back.placements, 4095);
    EXPECT_EQ(back.videos, 12);
    EXPECT_EQ(back.hours, 65535);
    EXPECT_EQ(back.returnVisits, 511);
    EXPECT_EQ(back.studies, 63);
    EXPECT_TRUE(back.shared);
    EXPECT_EQ(back.addedHours, 200); // status 0x5A has bits 0..1 = 2: regular pioneer
    EXPECT_EQ(word(layout::addedHoursOffset(slot)), 200);

    int changed = 0;
    for (std::size_t i = 0; i < record.size(); ++i) {
        changed += record[i] != before[i];
    }
    EXPECT_LE(changed, 12); // the six words of the slot, nothing else
}

TEST_F(SlotBits, AddedHoursReadOnlyForRegularPioneers) {
    layout::writeWord(record.data(), layout::addedHoursOffset(slot), 0x0107);
    record[layout::monthStatusOffset(slot)] = layout::RegularPioneer;
    EXPECT_EQ(readSlot(record.data(), slot).addedHours, 7);
    record[layout::monthStatusOffset(slot)] = layout::AuxiliaryPioneer;
    EXPECT_EQ(readSlot(record.data(), slot).addedHours, 0);
}

} // namespace
} // namespace kolekt::entry
