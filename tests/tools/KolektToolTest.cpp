// Runs the built kolekt-tool as a user or script would.
#include "CollectionFiles.h"
#include "TempDir.h"
#include "collection/CollectionLock.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <vector>

namespace kolekt {
namespace {

struct ToolRun {
    int status = -1;
    std::string out;
};

// Runs the tool with args (shell words) and returns its exit status and stdout;
// stderr goes to stdout when withErrors is set.
ToolRun tool(const std::string& args, bool withErrors = false) {
    const std::string command =
        std::string(KOLEKT_TOOL) + " " + args + (withErrors ? " 2>&1" : " 2>/dev/null");
    ToolRun run;
    FILE* pipe = popen(command.c_str(), "r");
    std::array<char, 4096> buffer;
    std::size_t got;
    while ((got = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) {
        run.out.append(buffer.data(), got);
    }
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

class KolektToolTest : public ::testing::Test {
protected:
    test::TempDir dir;
};

TEST_F(KolektToolTest, SampleThenDumpShowsTheGroup) {
    const std::string file = dir.file("g.k09");
    ASSERT_EQ(tool("sample " + file + " --today 2026-12-08").status, 0);
    const ToolRun dump = tool("dump " + file + " --today 2026-12-08");
    EXPECT_EQ(dump.status, 0);
    EXPECT_NE(dump.out.find("Month:       November"), std::string::npos) << dump.out;
    EXPECT_NE(dump.out.find("Bergström, Anna"), std::string::npos);
    EXPECT_NE(dump.out.find("Regular Pioneer"), std::string::npos);
    EXPECT_NE(dump.out.find("MISSING"), std::string::npos);
}

TEST_F(KolektToolTest, SampleReplacesACollectionOnlyWhenForcedAndNeverOneOpenInKolekt) {
    const std::string file = dir.file("g.k09");
    CollectionBuilder real;
    real.addPublisher("Anna", "Berg");
    real.addPublisher("Ben", "Cole");
    test::writeCollection(real, file);
    const std::vector<std::uint8_t> theirs = test::readBytes(file);
    EXPECT_EQ(tool("sample " + file).status, 1);
    EXPECT_EQ(test::readBytes(file), theirs);
    {
        const CollectionLock open = CollectionLock::take(file);
        ASSERT_TRUE(open.held());
        EXPECT_EQ(tool("sample --force " + file).status, 1);
        EXPECT_EQ(test::readBytes(file), theirs);
    }
    EXPECT_EQ(tool("sample --force " + file).status, 0);
    EXPECT_NE(test::readBytes(file), theirs);
}

TEST_F(KolektToolTest, TheTableShowsControlCharactersAsEscapes) {
    // A name that would clear the screen, a remark that rings, a file name with a C1 control.
    const std::string file = dir.file("g\xC2\x9B.k09");
    CollectionBuilder b;
    b.setMonth(1);
    const int n = b.addPublisher("Zoe\x1B[2J", "Berg");
    b.addPublisher("Ben", "Cole");
    b.addRemark(n, 1, 0, "ill\x07\x7F");
    test::writeCollection(b, file);
    const ToolRun dump = tool("dump '" + file + "' --today 2026-03-08");
    EXPECT_EQ(dump.status, 0);
    EXPECT_EQ(dump.out.find_first_of("\x07\x1B\x7F"), std::string::npos) << dump.out;
    EXPECT_EQ(dump.out.find("\xC2\x9B"), std::string::npos) << dump.out;
    for (const char* escape : {"Zoe\\x1B[2J", "ill\\x07\\x7F", "g\\u009B.k09"}) {
        EXPECT_NE(dump.out.find(escape), std::string::npos) << escape << "\n" << dump.out;
    }
}

TEST_F(KolektToolTest, JsonHasTheDocumentedKeys) {
    const std::string file = dir.file("g.k09");
    CollectionBuilder b;
    b.setGroup(4).setMonth(1).setSecretary("sec@example.org");
    const int n = b.addPublisher("Zo\xEB", "Quote\"s");
    b.setEmail(n, "zoe@example.org").setPhone(n, 1, "555-0199").setPrivilege(n, 2);
    b.setReport(n, 1, 0, {.status = 2, .hours = 50, .addedHours = 5});
    b.addRemark(n, 1, 0, "5 +Hours");
    b.setLateFlag(n, 0).setLateFlag(n, 7).setPublisherGroup(n, 4);
    b.addPublisher("Ben", "Cole");
    test::writeCollection(b, file);

    const ToolRun run = tool("dump " + file + " --json --today 2026-03-01");
    ASSERT_EQ(run.status, 0);
    const std::string& json = run.out;
    for (const char* expected : {"\"file\": \"",
                                 "\"group\": 4",
                                 "\"month\": 1",
                                 "\"yearSlot\": 0",
                                 "\"secretary\": \"sec@example.org\"",
                                 "\"publisherCount\": 2",
                                 "\"remarkCount\": 1",
                                 "\"missing\": 1",
                                 "\"publishers\": [",
                                 "\"record\": 1",
                                 "\"first\": \"Zoë\"",
                                 "\"last\": \"Quote\\\"s\"",
                                 "\"name\": \"Quote\\\"s, Zoë\"",
                                 "\"email\": \"zoe@example.org\"",
                                 "\"phones\": [\"555-0199\"]",
                                 "\"reminder\": \"\"",
                                 "\"status\": 2",
                                 "\"privilege\": 2",
                                 "\"shared\": false",
                                 "\"hours\": 50",
                                 "\"studies\": 0",
                                 "\"placements\": 0",
                                 "\"videos\": 0",
                                 "\"returnVisits\": 0",
                                 "\"addedHours\": 5",
                                 "\"remarkNumber\": 1",
                                 "\"remark\": \"5 +Hours\"",
                                 "\"lateMonths\": [0, 7]",
                                 "\"missing\": false",
                                 "\"phones\": []",
                                 "\"lateMonths\": []",
                                 "\"missing\": true"}) {
        EXPECT_NE(json.find(expected), std::string::npos) << expected << "\n" << json;
    }
}

TEST_F(KolektToolTest, UnreadableOrRefusedFilesFailWithAMessage) {
    const ToolRun missing = tool("dump " + dir.file("absent.k09"), true);
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.out.find("does not exist"), std::string::npos) << missing.out;

    // A FIFO is refused at once instead of waiting for a writer.
    ASSERT_EQ(::mkfifo(dir.file("fifo.k09").c_str(), 0600), 0);
    const ToolRun fifo = tool("dump " + dir.file("fifo.k09"), true);
    EXPECT_EQ(fifo.status, 1);
    EXPECT_NE(fifo.out.find("not a regular file"), std::string::npos) << fifo.out;
    // Nor does sample put a collection in the pipe's place.
    EXPECT_EQ(tool("sample " + dir.file("fifo.k09")).status, 1);
    struct stat info {};
    EXPECT_TRUE(::lstat(dir.file("fifo.k09").c_str(), &info) == 0 && S_ISFIFO(info.st_mode));

    CollectionBuilder b;
    b.addPublisher("Anna", "Berg");
    std::vector<std::uint8_t> bytes = b.fileBytes();
    bytes[180] = 0xFF;
    test::writeBytes(dir.file("bad.k09"), bytes);
    const ToolRun refused = tool("dump " + dir.file("bad.k09"), true);
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.out.find("not a collection file"), std::string::npos) << refused.out;

    EXPECT_EQ(tool("dump " + dir.path()).status, 1);
    EXPECT_EQ(tool("sample " + dir.file("no/such/folder.k09")).status, 1);
}

TEST_F(KolektToolTest, JsonStaysValidUtf8ForAFileNameThatIsNot) {
    CollectionBuilder b;
    b.addPublisher("Anna", "Berg");
    const std::string file = dir.file("Gr\xFCppe\xC3.k09");
    test::writeCollection(b, file);
    const ToolRun run = tool("dump --json '" + file + "'");
    ASSERT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("Gr\xEF\xBF\xBDppe\xEF\xBF\xBD.k09\""), std::string::npos) << run.out;

    const std::string json = dir.file("out.json");
    test::writeBytes(json, std::vector<std::uint8_t>(run.out.begin(), run.out.end()));
    EXPECT_EQ(
        std::system(
            ("python3 -c 'import json,sys; json.load(open(sys.argv[1], encoding=\"utf-8\"))' " +
             json)
                .c_str()),
        0);

    // The PDF goes to the name given, byte for byte.
    const std::string pdf = dir.file("Gr\xFCppe\xC3.pdf");
    ASSERT_EQ(tool("pdf '" + file + "' '" + pdf + "'").status, 0);
    EXPECT_TRUE(std::filesystem::exists(pdf));
}

TEST_F(KolektToolTest, LanguageAndCodePageChooseTheTextsAndHowTheFileIsRead) {
    const std::string file = dir.file("g.k09");
    CollectionBuilder b;
    b.setGroup(3).setMonth(10);
    // "Dvořák" in CP1250, "Ρήγας" in CP1253: the same bytes read differently.
    b.addPublisher("Anton\xEDn", "Dvo\xF8\xE1k");
    const int greek = b.addPublisher("\xCD\xDF\xEA\xEF\xF2", "\xD1\xDE\xE3\xE1\xF2");
    b.setLateFlag(greek, 9);
    test::writeCollection(b, file);
    const struct {
        std::string options;
        int status;
        std::vector<std::string> shown;
    } cases[] = {
        {"--language cz", 0, {"listopad", "Dvořák"}},
        {"--language CS_cz.UTF-8", 0, {"listopad", "Dvořák"}},
        {"--language eng --code-page cp1250", 0, {"November", "Dvořák"}},
        // Short month names are cut by characters, never inside one.
        {"--language greek", 0, {"Νοέμβριος", "Ρήγας", " Οκτ"}},
        {"--language klingon", 2, {"\"klingon\"", "eng, cz, german,", "Turkish."}},
        {"--language eng --code-page latin2",
         2,
         {"\"latin2\"", "CP1250, CP1252, CP1253, CP1254, CP1257."}},
        {"--language", 2, {"--language needs a value"}},
    };
    for (const auto& c : cases) {
        const ToolRun dump = tool("dump " + file + " --today 2026-12-08 " + c.options, true);
        EXPECT_EQ(dump.status, c.status) << c.options << "\n" << dump.out;
        for (const std::string& text : c.shown)
            EXPECT_NE(dump.out.find(text), std::string::npos) << c.options << "\n" << dump.out;
    }

    const std::string sample = dir.file("cz.k09");
    EXPECT_EQ(tool("sample " + sample + " --language cz --code-page CP9999").status, 2);
    EXPECT_EQ(tool("sample " + sample + " --language cz --today 2026-12-08").status, 0);
    const ToolRun asCzech = tool("dump " + sample + " --language cz --today 2026-12-08");
    const ToolRun asGreek = tool("dump " + sample + " --language greek --today 2026-12-08");
    // The Czech group, written in CP1250.
    EXPECT_NE(asCzech.out.find("Dvořák, Antonín"), std::string::npos) << asCzech.out;
    EXPECT_EQ(asGreek.out.find("Dvořák"), std::string::npos) << asGreek.out;
    // Translated texts wider than the English ones still leave the columns lined up.
    const auto column = [&](const std::string& lineWith, const std::string& text) {
        const std::size_t start = asCzech.out.rfind('\n', asCzech.out.find(lineWith)) + 1;
        const std::size_t at = asCzech.out.find(text, start);
        return std::count_if(asCzech.out.begin() + static_cast<std::ptrdiff_t>(start),
                             asCzech.out.begin() + static_cast<std::ptrdiff_t>(at),
                             [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
    };
    EXPECT_EQ(column("Nováková", "555-"), column("Rec Name", "Telephone")) << asCzech.out;

    const ToolRun help = tool("--help");
    EXPECT_NE(help.out.find("greek          Ελληνικά, code page CP1253"), std::string::npos);
}

TEST_F(KolektToolTest, UsageAndExitStatus) {
    const ToolRun help = tool("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("dump"), std::string::npos);
    EXPECT_NE(help.out.find("sample"), std::string::npos);
    const ToolRun dumpHelp = tool("dump --help");
    EXPECT_EQ(dumpHelp.status, 0);
    EXPECT_NE(dumpHelp.out.find("--json"), std::string::npos);
    EXPECT_EQ(tool("sample --help").status, 0);

    EXPECT_EQ(tool("").status, 2);
    EXPECT_EQ(tool("frobnicate").status, 2);
    EXPECT_EQ(tool("dump").status, 2);
    EXPECT_EQ(tool("dump x.k09 --colour").status, 2);
    EXPECT_EQ(tool("dump x.k09 --today 2026-02-30").status, 2);
    EXPECT_EQ(tool("dump x.k09 --today").status, 2);
    EXPECT_EQ(tool("sample").status, 2);
    const ToolRun unknown = tool("frobnicate", true);
    EXPECT_NE(unknown.out.find("Usage: kolekt-tool"), std::string::npos);
}

} // namespace
} // namespace kolekt
