// The path of a user with a real printer: no Print Setup choice, so the viewer's Print goes to
// the print system's default queue. Here that queue belongs to a private cupsd and writes PDF.
#include "CupsServer.h"
#include "PdfText.h"
#include "ScriptedDialogs.h"
#include "ViewerFixture.h"
#include "resources/ViewerDialogTemplate.h"
#include "ui/viewer/CCollectionViewDlg.h"

#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <pwd.h>
#include <thread>
#include <unistd.h>

namespace kolekt::test {

using namespace Qt::StringLiterals;

namespace {

namespace fs = std::filesystem;

// Where the PDF printer backend puts a user's jobs, from its configuration.
fs::path pdfPrinterOutput() {
    std::string out = "${HOME}/PDF";
    std::ifstream conf("/etc/cups/cups-pdf.conf");
    for (std::string line; std::getline(conf, line);) {
        if (line.rfind("Out ", 0) == 0)
            out = line.substr(4);
    }
    const passwd* user = getpwuid(geteuid());
    for (const auto& [name, value] :
         {std::pair<std::string, std::string>{"${HOME}", user ? user->pw_dir : ""},
          std::pair<std::string, std::string>{"${USER}", user ? user->pw_name : ""}}) {
        for (std::size_t at; (at = out.find(name)) != std::string::npos;)
            out.replace(at, name.size(), value);
    }
    return out;
}

std::vector<fs::path> pdfsNewerThan(const fs::path& folder, fs::file_time_type since) {
    std::vector<fs::path> result;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        if (entry.path().extension() == ".pdf" && entry.last_write_time(error) >= since)
            result.push_back(entry.path());
    }
    return result;
}

TEST(CupsPrintTest, PrintGoesToTheSystemDefaultPrinterAndARefusalIsReported) {
    if (geteuid() != 0)
        GTEST_SKIP() << "the PDF printer backend only runs under a cupsd started as root";
    TempDir dir;
    const std::string cupsFolder = dir.file("cups");
    fs::create_directory(cupsFolder);
    CupsServer server(cupsFolder);
    if (!server.start(20))
        GTEST_SKIP() << server.problem();
    ASSERT_TRUE(server.addDefaultPdfQueue("KolektPDF")) << server.problem();
    // Before anything in this process talks to the print system.
    setenv("CUPS_SERVER", server.socketPath().c_str(), 1);

    CollectionBuilder builder;
    builder.setGroup(5).setMonth(kMonth);
    builder.addPublisher("Anna", "Berg");
    builder.addPublisher("Ben", "Cole");
    builder.addPublisher("Clara", "Dunn");
    StoreOwnerStub owner;
    loadStore(owner.store(), builder, dir);
    ScriptedMessageBox messages;
    CCollectionViewDlg dialog(owner, nullptr);
    dialog.setMonth(kMonth);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));

    const fs::path output = pdfPrinterOutput();
    const auto started = fs::file_time_type::clock::now() - std::chrono::seconds(1);
    dialog.button(viewer_id::kPrint)->click();
    ASSERT_TRUE(messages.texts().isEmpty()) << messages.texts().join(u"; "_s).toStdString();

    ASSERT_TRUE(server.waitUntilIdle(90)) << server.errorLog();
    // The backend's own child may still be writing the file when the job counts as completed.
    auto printed = pdfsNewerThan(output, started);
    for (int i = 0; i < 100 && printed.empty(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        printed = pdfsNewerThan(output, started);
    }
    ASSERT_EQ(printed.size(), 1u) << "in " << output << "\n" << server.errorLog();
    const std::string text = pdfText(printed.front());
    fs::remove(printed.front());

    EXPECT_NE(text.find("Report Collection Form - March"), std::string::npos) << text;
    EXPECT_NE(text.find("Group #5"), std::string::npos) << text;
    for (const char* name : {"Anna Berg", "Ben Cole", "Clara Dunn"})
        EXPECT_NE(text.find(name), std::string::npos) << name << " in\n" << text;

    // A queue that turns the job away is not taken for a printed form.
    ASSERT_TRUE(server.rejectJobs("KolektPDF")) << server.problem();
    dialog.button(viewer_id::kPrint)->click();
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.texts()[0].startsWith(u"The printer KolektPDF did not take the job:\n"_s))
        << messages.texts()[0].toStdString();
    EXPECT_TRUE(dialog.isVisible());
}

} // namespace
} // namespace kolekt::test
