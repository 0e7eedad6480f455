#include "collection/CodePage.h"

#include <gtest/gtest.h>

namespace kolekt {
namespace {

TEST(CodePage, LanguageCodesSelectTheirCodePages) {
    EXPECT_EQ(codePageFor("eng"), "CP1252");
    EXPECT_EQ(codePageFor("french"), "CP1252");
    EXPECT_EQ(codePageFor("cz"), "CP1250");
    EXPECT_EQ(codePageFor("sk"), "CP1250");
    EXPECT_EQ(codePageFor("Polish"), "CP1250");
    EXPECT_EQ(codePageFor("Turkish"), "CP1254");
    EXPECT_EQ(codePageFor("estonian"), "CP1257");
    EXPECT_EQ(codePageFor("greek"), "CP1253");
}

TEST(CodePage, RoundTripsTextsOfEachCodePage) {
    const struct {
        const char* language;
        const char* utf8;
        const char* bytes;
    } cases[] = {
        {"eng", "Zoë Müller €", "Zo\xEB M\xFCller \x80"},
        {"cz", "Dvořák Łukasz", "Dvo\xF8\xE1k \xA3ukasz"},
        {"Turkish", "Şükrü", "\xDE\xFCkr\xFC"},
        {"estonian", "Õie Šmidt", "\xD5ie \xD0midt"},
        {"greek", "Ελένη", "\xC5\xEB\xDD\xED\xE7"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(fromUtf8(c.utf8, c.language), c.bytes) << c.language;
        EXPECT_EQ(toUtf8(c.bytes, c.language), c.utf8) << c.language;
    }
}

TEST(CodePage, UnmappableCharactersBecomeQuestionMarks) {
    EXPECT_EQ(fromUtf8("Łódź", "eng"), "?\xF3"
                                       "d?");
    EXPECT_EQ(fromUtf8("a日本b", "eng"), "a??b");
    EXPECT_EQ(fromUtf8("a\xFF"
                       "b",
                       "eng"),
              "a?b"); // not UTF-8 at all
}

TEST(CodePage, LimitsCountBytes) {
    EXPECT_EQ(fromUtf8("Müller", "eng", 3), "M\xFCl");
    EXPECT_EQ(fromUtf8("short", "eng", 36), "short");
}

TEST(CodePage, UndefinedBytesStayVisibleAndDoNotCutTheText) {
    EXPECT_EQ(toUtf8("a\x81"
                     "b\x8D"
                     "c",
                     "eng"),
              "a\xEF\xBF\xBD"
              "b\xEF\xBF\xBD"
              "c");
    EXPECT_EQ(toUtf8("\x98", "cz"), "\xEF\xBF\xBD");
    EXPECT_EQ(toUtf8("", "eng"), "");
}

} // namespace
} // namespace kolekt
