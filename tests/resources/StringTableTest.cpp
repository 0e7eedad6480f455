#include "resources/StringTable.h"

#include <gtest/gtest.h>

namespace kolekt {
namespace {

TEST(LoadText, ReturnsEntriesAndSubstitutesTheArgumentEntry) {
    EXPECT_EQ(loadText(1058), "Group");
    EXPECT_EQ(loadText(1000), "Post - %1");
    EXPECT_EQ(loadText(1000, 102), "Post - January");
    EXPECT_EQ(loadText(1188, 104), "March Report Collection");
    EXPECT_EQ(loadText(1001, 102), "Missing January Reports");
    EXPECT_EQ(loadText(1198), "eng");
    EXPECT_EQ(loadText(1), "");
}

TEST(LoadText, TwelveMonthNames) {
    const char* months[] = {"January", "February", "March",     "April",   "May",      "June",
                            "July",    "August",   "September", "October", "November", "December"};
    for (int m = 0; m < 12; ++m) {
        EXPECT_EQ(loadText(102 + m), months[m]);
    }
}

TEST(LoadText, TipsEntriesKeepTheirLineBreaksAndBlanks) {
    std::string tips;
    for (int id = 1059; id <= 1066; ++id) {
        tips += loadText(id);
    }
    EXPECT_NE(tips.find("collecting.  Drop the file"), std::string::npos);
    EXPECT_NE(tips.find("open the file.\n\nYou'll find"), std::string::npos);
    EXPECT_EQ(loadText(1041), ",\n       or\n");
}

TEST(FillArguments, ReplacesEachPlaceholderOnce) {
    EXPECT_EQ(fillArguments(loadText(61714), {"0", "63"}),
              "Please enter an integer between 0 and 63.");
    EXPECT_EQ(fillArguments("%1 and %1, %3", {"a%2", "b"}), "a%2 and a%2, %3");
    EXPECT_EQ(fillArguments("100%", {"x"}), "100%");
}

} // namespace
} // namespace kolekt
