#include "app/CommandLine.h"

#include <QDir>
#include <gtest/gtest.h>

namespace kolekt {
namespace {

TEST(CommandLine, TakesAQuotedPathWithItsBlank) {
    EXPECT_EQ(collectionFromCommandLine({"\"/data/Group 3.k09\""}), "/data/Group 3.k09");
    // A path the shell split at its blank comes back together with one blank.
    EXPECT_EQ(collectionFromCommandLine({"/data/Group", "3.k09"}), "/data/Group 3.k09");
}

TEST(CommandLine, RemovesEveryQuoteWhereverItStands) {
    EXPECT_EQ(commandLineText({"/da\"ta/\"Group3.k09\"\""}), "/data/Group3.k09");
}

TEST(CommandLine, IgnoresTheLetterCaseOfTheEnding) {
    EXPECT_EQ(collectionFromCommandLine({"/data/GROUP3.K09"}), "/data/GROUP3.K09");
    EXPECT_EQ(collectionFromCommandLine({"/data/group3.K09"}), "/data/group3.K09");
}

TEST(CommandLine, IgnoresOtherFilesAndNoArguments) {
    EXPECT_EQ(collectionFromCommandLine({"/data/notes.txt"}), "");
    EXPECT_EQ(collectionFromCommandLine({"/data/Group3.k19"}), "");
    EXPECT_EQ(collectionFromCommandLine({}), "");
}

TEST(CommandLine, MakesARelativePathAbsolute) {
    EXPECT_EQ(collectionFromCommandLine({"Group3.k09"}), QDir::current().filePath("Group3.k09"));
    EXPECT_EQ(collectionFromCommandLine({"\"sub/../Group 3.k09\""}),
              QDir::current().filePath("Group 3.k09"));
}

TEST(CommandLine, TakesTwoDroppedFilesAsOnePath) {
    EXPECT_EQ(collectionFromCommandLine({"\"/a/One.k09\"", "\"/b/Two.k09\""}),
              "/a/One.k09 /b/Two.k09");
}

} // namespace
} // namespace kolekt
