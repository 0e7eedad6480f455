#include "resources/StringTable.h"

#include <gtest/gtest.h>

namespace kolekt {
namespace {

TEST(LoadText, ReturnsEntriesAndSubstitutesTheArgumentEntry) {
    EXPECT_EQ(loadText(TextId::Group), "Group");
    EXPECT_EQ(loadText(TextId::PostButton), "Post - %1");
    EXPECT_EQ(loadText(TextId::PostButton, TextId::January), "Post - January");
    EXPECT_EQ(loadText(TextId::ReportCollectionCaption, TextId::March), "March Report Collection");
    EXPECT_EQ(loadText(TextId::MissingReports, TextId::January), "Missing January Reports");
    EXPECT_EQ(loadText(TextId::LanguageCode), "eng");
    EXPECT_EQ(loadText(static_cast<TextId>(1)), "");
}

TEST(LoadText, TwelveMonthNames) {
    const char* months[] = {"January", "February", "March",     "April",   "May",      "June",
                            "July",    "August",   "September", "October", "November", "December"};
    for (int m = 0; m < 12; ++m) {
        EXPECT_EQ(loadText(monthTextId(m)), months[m]);
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
