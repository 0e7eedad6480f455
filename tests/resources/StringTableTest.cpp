#include "resources/StringTable.h"

#include "resources/TextTables.h"

#include <gtest/gtest.h>

namespace kolekt {
namespace {

TEST(LoadText, ReturnsEntriesAndSubstitutesTheArgumentEntry) {
    EXPECT_EQ(loadText(TextId::Group), "Group");
    EXPECT_EQ(loadText(TextId::PostButton), "&Post - %1");
    EXPECT_EQ(loadText(TextId::PostButton, TextId::January), "&Post - January");
    EXPECT_EQ(loadText(TextId::ReportCollectionCaption, TextId::March), "March Report Collection");
    EXPECT_EQ(loadText(TextId::MissingReports, TextId::January), "Missing January Reports");
    EXPECT_EQ(loadText(TextId::LanguageCode), "eng");
    EXPECT_EQ(loadText(static_cast<TextId>(1)), "");
}

TEST(MonthName, TwelveMonthsAndNoOther) {
    const char* months[] = {"January", "February", "March",     "April",   "May",      "June",
                            "July",    "August",   "September", "October", "November", "December"};
    for (int m = 0; m < 12; ++m) {
        EXPECT_EQ(monthName(m), months[m]);
    }
    EXPECT_EQ(monthName(-1), "");
    EXPECT_EQ(monthName(12), "");
}

TEST(MonthName, BareAndSentenceForms) {
    EXPECT_EQ(monthName(11, true, "eng"), "December");
    EXPECT_EQ(monthName(2, true, "french"), "de March");
    EXPECT_EQ(monthName(2, false, "french"), "March");
}

TEST(MonthName, FrenchElisionOnlyBeforeLowerCaseAOrO) {
    EXPECT_EQ(sentenceMonthForm("avril", "french"), "d'avril");
    EXPECT_EQ(sentenceMonthForm("octobre", "french"), "d'octobre");
    EXPECT_EQ(sentenceMonthForm("Avril", "french"), "de Avril");
    EXPECT_EQ(sentenceMonthForm("Octobre", "french"), "de Octobre");
    EXPECT_EQ(sentenceMonthForm("mars", "french"), "de mars");
    EXPECT_EQ(sentenceMonthForm("avril", "French"), "avril");
}

TEST(RecordTexts, StatusAndPrivilegeOutsideTheirCodesHaveNoText) {
    EXPECT_EQ(loadText(pioneerStatusText(3)), "Special Pioneer");
    EXPECT_EQ(loadText(privilegeText(2)), "Elder");
    for (int outside : {0, -1, 4}) {
        EXPECT_EQ(pioneerStatusText(outside), TextId::None);
        EXPECT_EQ(privilegeText(outside), TextId::None);
    }
}

TEST(LoadText, TipsEntriesKeepTheirLineBreaksAndBlanks) {
    const std::string tips = loadText(TextId::TipsSecretary) + loadText(TextId::TipsOpenFile) +
                             loadText(TextId::TipsSelectName);
    EXPECT_NE(tips.find("collecting.  Drop the file"), std::string::npos);
    EXPECT_NE(tips.find("open the file.\n\nYou'll find"), std::string::npos);
    EXPECT_EQ(loadText(TextId::OfferMailOr), ",\n       or\n");
}

TEST(FillArguments, ReplacesEachPlaceholderOnce) {
    EXPECT_EQ(fillArguments(loadText(TextId::EnterIntegerBetween), {"0", "63"}),
              "Please enter an integer between 0 and 63.");
    EXPECT_EQ(fillArguments("%1 and %1, %3", {"a%2", "b"}), "a%2 and a%2, %3");
    EXPECT_EQ(fillArguments("100%", {"x"}), "100%");
}

} // namespace
} // namespace kolekt
