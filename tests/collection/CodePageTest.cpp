#include "collection/CodePage.h"

#include <gtest/gtest.h>

namespace kolekt {
namespace {

TEST(CodePage, RoundTripsTextsOfEachCodePage) {
    const struct {
        const char* codePage;
        const char* utf8;
        const char* bytes;
    } cases[] = {
        {"CP1252", "Zoë Müller €", "Zo\xEB M\xFCller \x80"},
        {"CP1250", "Dvořák Łukasz", "Dvo\xF8\xE1k \xA3ukasz"},
        {"CP1254", "Şükrü", "\xDE\xFCkr\xFC"},
        {"CP1257", "Õie Šmidt", "\xD5ie \xD0midt"},
        {"CP1253", "Ελένη", "\xC5\xEB\xDD\xED\xE7"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(fromUtf8(c.utf8, c.codePage), c.bytes) << c.codePage;
        EXPECT_EQ(toUtf8(c.bytes, c.codePage), c.utf8) << c.codePage;
    }
}

TEST(CodePage, UnmappableCharactersBecomeQuestionMarks) {
    EXPECT_EQ(fromUtf8("Łódź", "CP1252"), "?\xF3"
                                          "d?");
    EXPECT_EQ(fromUtf8("a日本b", "CP1252"), "a??b");
    EXPECT_EQ(fromUtf8("a\xFF"
                       "b",
                       "CP1252"),
              "a?b"); // not UTF-8 at all
}

TEST(CodePage, LimitsCountBytes) {
    EXPECT_EQ(fromUtf8("Müller", "CP1252", 3), "M\xFCl");
    EXPECT_EQ(fromUtf8("short", "CP1252", 36), "short");
}

TEST(CodePage, UndefinedBytesStayVisibleAndDoNotCutTheText) {
    EXPECT_EQ(toUtf8("a\x81"
                     "b\x8D"
                     "c",
                     "CP1252"),
              "a\xEF\xBF\xBD"
              "b\xEF\xBF\xBD"
              "c");
    EXPECT_EQ(toUtf8("\x98", "CP1250"), "\xEF\xBF\xBD");
    EXPECT_EQ(toUtf8("", "CP1252"), "");
}

} // namespace
} // namespace kolekt
