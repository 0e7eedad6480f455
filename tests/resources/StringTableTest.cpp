#include "resources/StringTable.h"

#include "resources/PathText.h"
#include "resources/StoreEventText.h"
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

// A save that failed says why, with the system's words; only a read-only file, or a failure
// without a known cause, keeps the read-only message.
TEST(StoreEventText, AFailedSaveNamesItsCause) {
    const struct {
        platform::ErrorCause cause;
        const char* says;
    } cases[] = {
        {platform::ErrorCause::None, "read-only attribute"},
        {platform::ErrorCause::ReadOnly, "read-only attribute"},
        {platform::ErrorCause::DiskFull, "The disk is full (why)"},
        {platform::ErrorCause::NameTooLong, "too long for this file system (why)"},
        {platform::ErrorCause::AccessDenied, "only a file's owner may replace it"},
        {platform::ErrorCause::NotSupported, "cannot do what saving needs (why)"},
        {platform::ErrorCause::Other, "The system reports: why."},
        {platform::ErrorCause::FolderGone, "a stick or a network drive was removed"},
    };
    for (const auto& c : cases) {
        StoreEvent failed{StoreEvent::CannotCreateFile, "/stick/Group3.k09"};
        failed.error = {c.cause, c.cause == platform::ErrorCause::None ? "" : "why"};
        const std::string text = storeEventText(failed);
        EXPECT_NE(text.find(c.says), std::string::npos) << text;
        EXPECT_NE(text.find("/stick/Group3.k09"), std::string::npos) << text;
        const bool readOnly =
            c.cause == platform::ErrorCause::None || c.cause == platform::ErrorCause::ReadOnly;
        EXPECT_EQ(text.find("Remove the read-only") != std::string::npos, readOnly) << text;

        // The recovery's message, which stands for the failure at the end, says it too.
        StoreEvent recovered{StoreEvent::Recovered, "/stick/Group3.k09", "/home/x/Group3.k09"};
        recovered.error = failed.error;
        const std::string why = storeEventText(recovered);
        EXPECT_EQ(why.find(c.says) != std::string::npos, c.cause != platform::ErrorCause::None)
            << why;
    }
}

#ifndef _WIN32
// Linux names are bytes: one that is not UTF-8 comes back from the text with every byte.
TEST(PathText, EveryNameKeepsItsBytes) {
    for (const std::string name :
         {"Gruppe.k09", "Gr\xC3\xBCppe.k09", "Gr\xFCppe.k09", "\xC3", "\xED\xB2\x80.k09",
          "\xF0\x9F\x93\x81 \xE2\x82", "\xC0\xAF", "\xF4\x90\x80\x80"}) {
        EXPECT_EQ(toPath(toQString(name)).native(), name);
    }
    EXPECT_EQ(toQString("Gr\xC3\xBCppe"), QStringLiteral("Gr\u00FCppe"));
    EXPECT_EQ(pathText("Gr\xFCppe"), "Gr\xEF\xBF\xBDppe");
}
#endif

} // namespace
} // namespace kolekt
