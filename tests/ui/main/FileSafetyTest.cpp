// What the main window does when the file system around the collection is not tidy: another
// Kolekt on the same file, a cut-off file, a file that cannot be written when the program ends.
#include "MainWindowFixture.h"
#include "ModalScript.h"
#include "collection/AbsolutePath.h"
#include "collection/FileLayout.h"

#include <QApplication>
#include <QMessageBox>
#include <filesystem>

namespace kolekt::test {

using namespace Qt::StringLiterals;

namespace {

namespace fs = std::filesystem;
using namespace main_dialog;

class FileSafetyTest : public MainWindowTest {
protected:
    // Another Kolekt, started as this one is, on path.
    std::unique_ptr<CMainDlg> openOther(const std::string& path) {
        auto other =
            std::make_unique<CMainDlg>(otherSettings, QString::fromStdString(path), &today);
        other->show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(other.get()));
        return other;
    }
    QString openElsewhere(const std::string& path) const {
        return QString::fromStdString(path + " is already open in another Kolekt.");
    }

    MemorySettings otherSettings;
};

TEST_F(FileSafetyTest, ASecondKolektOnAnOpenFileOpensNothingAndNeverWritesIt) {
    const std::string path = write(group({{"Anna", "Berg"}, {"Bob", "Brown"}}));
    const std::string other = write(group({{"Carl", "Cole"}, {"Dora", "Dahl"}}, 4), "Group4.k09");
    open(path);

    std::unique_ptr<CMainDlg> second = openOther(path);
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.texts().first().startsWith(openElsewhere(path)));
    EXPECT_EQ(second->listBox(kPublisherList)->count(), 0);

    // Load New List in the second copy keeps what it has.
    files.queueChoice(QString::fromStdString(other));
    QTest::mouseClick(second->control(kLoadNewList), Qt::LeftButton);
    ASSERT_EQ(second->listBox(kPublisherList)->count(), 2);
    messages.clear();
    files.queueChoice(QString::fromStdString(path));
    QTest::mouseClick(second->control(kLoadNewList), Qt::LeftButton);
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.texts().first().startsWith(openElsewhere(path)));
    EXPECT_EQ(second->store().filePath(), other);
    EXPECT_EQ(second->listBox(kPublisherList)->item(0)->text(), u"Cole, Carl"_s);

    // What the first posts stays on disk whatever the second does.
    markReported(2);
    dlg->saveNow();
    const std::vector<std::uint8_t> posted = readBytes(path);
    QTest::keyClick(second.get(), Qt::Key_Escape);
    EXPECT_TRUE(second->hasExited());
    EXPECT_EQ(readBytes(path), posted);
    // Once the first has ended, the file opens anywhere.
    QTest::keyClick(list(), Qt::Key_Escape);
    messages.clear();
    EXPECT_EQ(openOther(path)->listBox(kPublisherList)->count(), 2);
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(FileSafetyTest, ACutOffFileCanBeViewedButNothingIsPostedOrWritten) {
    const std::string path = write(group({{"Anna", "Berg"}, {"Bob", "Brown"}, {"Carl", "Cole"}}));
    std::vector<std::uint8_t> bytes = readBytes(path);
    bytes.resize(2 * layout::kRecordSize);
    writeBytes(path, bytes);
    open(path);
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.texts().first().contains(
        QLatin1String("2 of its 3 publisher records are missing")));
    EXPECT_EQ(list()->count(), 3);
    EXPECT_TRUE(shown(kViewReportList));

    messages.clear();
    EXPECT_EQ(pressEnter(), 0);
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.texts().first().startsWith(
        QString::fromStdString("Reports cannot be posted to " + path)));
    key(Qt::Key_Escape);
    EXPECT_EQ(readBytes(path), bytes);
    EXPECT_FALSE(fs::exists(dir.file("data/kolekt/recovered")));
}

TEST_F(FileSafetyTest, AFileReplacedOnDiskIsKeptAndOneMessageNamesBothFiles) {
    const std::string path = write(group({{"Anna", "Berg"}, {"Bob", "Brown"}}));
    open(path);
    const std::string theirs = write(group({{"Carl", "Cole"}, {"Dora", "Dahl"}}), "incoming");
    fs::rename(theirs, path);
    const std::vector<std::uint8_t> replaced = readBytes(path);
    markReported(1);
    dlg->saveNow();

    const std::string beside = dlg->store().filePath();
    EXPECT_NE(beside, path);
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.texts().first().startsWith(
        QString::fromStdString(path + " was changed or replaced by another program")));
    EXPECT_TRUE(messages.texts().first().contains(QString::fromStdString(beside)));
    EXPECT_EQ(readBytes(path), replaced);
    key(Qt::Key_Escape);
    EXPECT_EQ(settings.values.loadPath.toStdString(), beside);
}

class EndingTest : public FileSafetyTest {
protected:
    // A collection in a folder that goes away while it is open, as a removed stick does.
    void openOnAStickThatIsRemoved() {
        fs::create_directory(dir.file("stick"));
        path = write(group({{"Anna", "Berg"}, {"Bob", "Brown"}}), "stick/Group3.k09");
        open(path);
        markReported(2);
        fs::remove_all(dir.file("stick"));
    }
    std::vector<std::string> recovered() const {
        std::vector<std::string> names;
        std::error_code error;
        for (const auto& entry : fs::directory_iterator(dir.file("data/kolekt/recovered"), error))
            names.push_back(entry.path().string());
        return names;
    }

    std::string path;
};

TEST_F(EndingTest, WhatCannotGoToItsFileGoesToARecoveryFileAndTheNextStartSaysWhere) {
    openOnAStickThatIsRemoved();
    key(Qt::Key_Escape);

    EXPECT_TRUE(dlg->hasExited());
    const std::vector<std::string> kept = recovered();
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_TRUE(fs::path(kept[0]).filename().string().starts_with("Group3 February (Kolekt "));
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.texts().first().startsWith(
        QString::fromStdString("Kolekt could not save the collection to " + path)));
    EXPECT_TRUE(messages.texts().first().contains(QString::fromStdString(kept[0])));
    EXPECT_EQ(settings.values.loadPath.toStdString(), path);

    // The recovery file holds the posted report.
    CollectionStore reread;
    reread.initialise(today(), "eng", "CP1252");
    ASSERT_TRUE(reread.loadCollection(kept[0], today()));
    EXPECT_FALSE(reread.isReportMissing(2, kMonth, kSlot));

    // The next start says so once.
    for (int run = 0; run < 2; ++run) {
        messages.clear();
        settings.values.loadPath.clear();
        open();
        key(Qt::Key_Escape);
        EXPECT_EQ(messages.texts().size(), run == 0 ? 1 : 0);
        if (run == 0) {
            EXPECT_TRUE(messages.texts().value(0).contains(
                QString::fromStdString(dir.file("data/kolekt/recovered"))));
        }
    }
}

TEST_F(EndingTest, SettingsThatCannotBeStoredAreToldOnceNamingTheirFile) {
    openOnAStickThatIsRemoved();
    key(Qt::Key_Escape);
    messages.clear();
    settings.values.loadPath.clear();
    settings.storable = false;
    // The start stores that the recovered file was announced, the exit what was open.
    open();
    key(Qt::Key_Escape);
    ASSERT_EQ(messages.texts().size(), 2);
    EXPECT_TRUE(messages.texts()[0].startsWith(u"Collections that could not be saved"_s));
    EXPECT_TRUE(messages.texts()[1].startsWith(
        u"Kolekt could not store its settings in\n/home/u/.config/kolekt.ini\n"_s));
    EXPECT_EQ(settings.writes, 2);
}

TEST_F(EndingTest, ASecondSignalWhileTheExitSpeaksEndsTheProgramAfterTheRecoveryIsWritten) {
    openOnAStickThatIsRemoved();
    // The real message box: the seam would answer at once.
    setMessageBoxSeam(nullptr);
    QString shown;
    const auto secondSignal = onNextModal(
        [&](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal))
                shown = box->text();
            EXPECT_EQ(recovered().size(), 1u);
            dlg->requestExit();
        },
        dlg.get());
    dlg->requestExit();

    EXPECT_TRUE(*secondSignal);
    EXPECT_TRUE(shown.startsWith(QLatin1String("Kolekt could not save the collection to")));
    EXPECT_TRUE(dlg->hasExited());
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(settings.writes, 1);
}

TEST_F(EndingTest, TheEndOfTheSessionSaysNothingButKeepsEverything) {
    openOnAStickThatIsRemoved();
    dlg->requestExit(CMainDlg::ExitMessages::Quiet);
    EXPECT_TRUE(dlg->hasExited());
    EXPECT_EQ(recovered().size(), 1u);
    EXPECT_TRUE(messages.shown().isEmpty());
}

} // namespace
} // namespace kolekt::test
