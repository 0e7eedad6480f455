// kolekt-tool pdf, run as a user runs it: a separate process without a display.
#include "FormFixture.h"
#include "PdfText.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kolekt::test {
namespace {

class PdfCommandTest : public ::testing::Test {
protected:
    // Runs the tool without any display or platform setting; returns its exit status.
    int tool(const std::string& arguments) {
        const std::string line = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM '" +
                                 std::string(KOLEKT_TOOL_PATH) + "' " + arguments +
                                 " >/dev/null 2>&1; echo $?";
        return std::stoi(commandOutput(line));
    }
    std::string collection() {
        const std::string path = dir.file("Group7.k09");
        writeCollection(builder, path);
        return path;
    }

    TempDir dir;
    CollectionBuilder builder;
};

TEST_F(PdfCommandTest, ThirtyThreePublishersGiveTwoPagesWithEveryNameInRecordOrder) {
    builder.setGroup(7).setMonth(10);
    addPublishers(builder, 33);
    const std::string out = dir.file("form.pdf");

    ASSERT_EQ(tool("pdf " + collection() + " " + out + " --today 2026-12-01 --paper letter"), 0);

    EXPECT_EQ(pdfPageCount(out), 2);
    EXPECT_EQ(pdfPageSize(out), "612 x 792");
    const std::string text = pdfText(out);
    for (const char* expected : {"Report Collection Form - November", "Group #7", "Name",
                                 "Telephone", "Shared", "Studies", "AuxP", "Hours", "Remarks"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected;
    std::size_t at = 0;
    for (int i = 1; i <= 33; ++i) {
        const std::string name = "First" + std::to_string(i) + " Last" + std::to_string(i) + "\n";
        const std::size_t found = text.find(name, at);
        ASSERT_NE(found, std::string::npos) << name;
        at = found + name.size();
    }
    // The second page repeats the whole header.
    const std::size_t secondTitle = text.find("Report Collection Form - November", 1);
    ASSERT_NE(secondTitle, std::string::npos);
    EXPECT_LT(secondTitle, text.find("First33 Last33"));
    EXPECT_GT(secondTitle, text.find("First32 Last32"));
}

TEST_F(PdfCommandTest, PaperA4AndRefusals) {
    addPublishers(builder, 2);
    const std::string file = collection();
    const std::string out = dir.file("a4.pdf");
    // The group's year shares the form's options and refusals, on landscape pages.
    for (const auto& [command, size] :
         {std::pair{"pdf ", "595 x 842"}, std::pair{"year ", "842 x 595"}}) {
        SCOPED_TRACE(command);
        ASSERT_EQ(tool(command + file + " " + out + " --paper a4"), 0);
        EXPECT_EQ(pdfPageSize(out), size);

        EXPECT_EQ(tool(command + file), 2);
        EXPECT_EQ(tool(command + file + " " + out + " --paper legal"), 2);
        EXPECT_EQ(tool(command + dir.file("missing.k09") + " " + out), 1);
        EXPECT_EQ(tool(command + file + " " + dir.file("no-such-folder/x.pdf")), 1);
    }
}

TEST_F(PdfCommandTest, NeverWritesOverACollectionAndLeavesNothingWhenItCannotWrite) {
    addPublishers(builder, 2);
    const std::string file = collection();
    const std::vector<std::uint8_t> bytes = readBytes(file);
    const std::string link = dir.file("form.pdf");
    std::filesystem::create_symlink(file, link);
    const std::string fifo = dir.file("pipe.pdf");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string command : {"pdf ", "year "}) {
        for (const std::string& out :
             {file, link, dir.file("Group7.K19"), dir.file("new.k09"), fifo}) {
            SCOPED_TRACE(command + out);
            EXPECT_EQ(tool(command + file + " " + out), 1);
        }
    }
    EXPECT_EQ(readBytes(file), bytes);
    EXPECT_FALSE(std::filesystem::exists(dir.file("new.k09")));
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));

    // A disk that fills up while the PDF is written: a small file system of its own.
    const std::string full = dir.file("full");
    std::filesystem::create_directory(full);
    if (::geteuid() != 0 ||
        std::system(("mount -t tmpfs -o size=64k tmpfs " + full + " 2>/dev/null").c_str()) != 0)
        GTEST_SKIP() << "a small file system can only be mounted as root";
    const bool filled =
        std::system(
            ("dd if=/dev/zero of=" + full + "/filler bs=4k count=15 2>/dev/null").c_str()) == 0;
    const int status = tool("pdf " + file + " " + full + "/form.pdf");
    std::filesystem::remove(full + "/filler");
    const auto left = std::distance(std::filesystem::directory_iterator(full),
                                    std::filesystem::directory_iterator());
    std::system(("umount " + full).c_str());
    ASSERT_TRUE(filled);
    EXPECT_EQ(status, 1);
    EXPECT_EQ(left, 0);
}

} // namespace
} // namespace kolekt::test
