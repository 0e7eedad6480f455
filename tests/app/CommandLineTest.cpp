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

TEST(CommandLine, TakesOnlyLeadingLanguageOptionsAndLeavesThePath) {
    using namespace Qt::StringLiterals;
    const struct {
        QStringList words;
        QString language, codePage;
        QStringList rest;
    } cases[] = {
        {{u"--language"_s, u"cz"_s, u"/d/G.k09"_s}, u"cz"_s, {}, {u"/d/G.k09"_s}},
        {{u"--code-page=cp1250"_s, u"--language=pl"_s, u"G.k09"_s},
         u"pl"_s,
         u"cp1250"_s,
         {u"G.k09"_s}},
        // After the path nothing is an option: a file name may hold anything.
        {{u"/d/My"_s, u"--language"_s, u"x.k09"_s},
         {},
         {},
         {u"/d/My"_s, u"--language"_s, u"x.k09"_s}},
        {{u"--language"_s}, {}, {}, {}},
    };
    for (const auto& c : cases) {
        QStringList words = c.words;
        const LanguageOptions options = takeLanguageOptions(words);
        const std::string given = c.words.join(u' ').toStdString();
        EXPECT_EQ(options.language, c.language) << given;
        EXPECT_EQ(options.codePage, c.codePage) << given;
        EXPECT_EQ(words, c.rest) << given;
    }
}

// Windows hands the program one line; the path after the name and the options is taken whole.
TEST(CommandLine, TakesTheWindowsCommandLineAfterTheProgramsName) {
    const struct {
        QString line;
        QString language;
        QString path;
    } cases[] = {
        {uR"("C:\Program Files\Kolekt\kolekt.exe" "C:\My Files\Group 3.k09")"_s,
         {},
         uR"(C:\My Files\Group 3.k09)"_s},
        {uR"(kolekt.exe C:\My  Files\Group 3.k09)"_s, {}, uR"(C:\My  Files\Group 3.k09)"_s},
        {uR"(kolekt	 --language "cz"  "D:\G 3.k09")"_s, u"cz"_s, uR"(D:\G 3.k09)"_s},
        {uR"(kolekt --language=pl --code-page cp1250 G.k09)"_s, u"pl"_s, u"G.k09"_s},
        {uR"(kolekt.exe G --language x.k09)"_s, {}, u"G --language x.k09"_s},
        {uR"("C:\Kolekt\kolekt.exe")"_s, {}, {}},
        {uR"("C:\Kolekt\kolekt.exe" "C:\a\One.k09" "C:\b\Two.k09")"_s,
         {},
         uR"(C:\a\One.k09 C:\b\Two.k09)"_s},
    };
    for (const auto& c : cases) {
        QStringList words = commandLineWords(textAfterProgramName(c.line));
        EXPECT_EQ(takeLanguageOptions(words).language, c.language) << c.line.toStdString();
        EXPECT_EQ(commandLineText(words), c.path) << c.line.toStdString();
    }
}

TEST(CommandLine, TakesTwoDroppedFilesAsOnePath) {
    EXPECT_EQ(collectionFromCommandLine({u"\"/a/One.k09\""_s, u"\"/b/Two.k09\""_s}),
              u"/a/One.k09 /b/Two.k09"_s);
}

} // namespace
} // namespace kolekt
