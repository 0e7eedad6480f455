#include "app/CommandLine.h"

#include <QDir>
#include <gtest/gtest.h>

namespace kolekt {

using namespace Qt::StringLiterals;

namespace {

TEST(CommandLine, TakesAQuotedPathWithItsBlank) {
    EXPECT_EQ(collectionFromCommandLine({u"\"/data/Group 3.k09\""_s}), u"/data/Group 3.k09"_s);
    // A path the shell split at its blank comes back together with one blank.
    EXPECT_EQ(collectionFromCommandLine({u"/data/Group"_s, u"3.k09"_s}), u"/data/Group 3.k09"_s);
}

TEST(CommandLine, RemovesEveryQuoteWhereverItStands) {
    EXPECT_EQ(commandLineText({u"/da\"ta/\"Group3.k09\"\""_s}), u"/data/Group3.k09"_s);
}

TEST(CommandLine, IgnoresTheLetterCaseOfTheEnding) {
    EXPECT_EQ(collectionFromCommandLine({u"/data/GROUP3.K09"_s}), u"/data/GROUP3.K09"_s);
    EXPECT_EQ(collectionFromCommandLine({u"/data/group3.K09"_s}), u"/data/group3.K09"_s);
}

TEST(CommandLine, IgnoresOtherFilesAndNoArguments) {
    EXPECT_EQ(collectionFromCommandLine({u"/data/notes.txt"_s}), QString());
    EXPECT_EQ(collectionFromCommandLine({u"/data/Group3.k19"_s}), QString());
    EXPECT_EQ(collectionFromCommandLine({}), QString());
}

TEST(CommandLine, MakesARelativePathAbsolute) {
    EXPECT_EQ(collectionFromCommandLine({u"Group3.k09"_s}),
              QDir::current().filePath(u"Group3.k09"_s));
    EXPECT_EQ(collectionFromCommandLine({u"\"sub/../Group 3.k09\""_s}),
              QDir::current().filePath(u"Group 3.k09"_s));
}

TEST(CommandLine, TakesTwoDroppedFilesAsOnePath) {
    EXPECT_EQ(collectionFromCommandLine({u"\"/a/One.k09\""_s, u"\"/b/Two.k09\""_s}),
              u"/a/One.k09 /b/Two.k09"_s);
}

} // namespace
} // namespace kolekt
