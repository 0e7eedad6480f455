#include "MainWindowFixture.h"
#include "ModalScript.h"
#include "collection/FileLayout.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QTimer>

namespace kolekt::test {

using namespace Qt::StringLiterals;

namespace {

using namespace main_dialog;

bool reportedOnDisk(const std::string& path, int record) {
    const std::vector<std::uint8_t> bytes = readBytes(path);
    // The shared flag lies outside the scrambled text fields.
    const std::size_t offset =
        layout::kRecordSize * static_cast<std::size_t>(record) +
        layout::valueOffset(layout::ValueKind::Studies, layout::slotIndex(1, 0));
    return (layout::readWord(bytes.data(), offset) & layout::kSharedFlag) != 0;
}

class ExitTest : public MainWindowTest {};

TEST_F(ExitTest, EscWritesTheCollectionBackAndStoresTheSettings) {
    const std::string path = write(group({{"Anna", "Berg"}, {"Bob", "Brown"}}), "Group3.K09");
    open(path);
    markReported(2);
    dlg->store().setLastPosted("Bob Brown");
    key(Qt::Key_Escape);

    EXPECT_FALSE(dlg->isVisible());
    EXPECT_TRUE(reportedOnDisk(path, 2));
    EXPECT_EQ(settings.writes, 1);
    EXPECT_EQ(settings.values.loadPath.toStdString(), path);
    EXPECT_EQ(settings.values.post, u"Bob Brown"_s);
    EXPECT_FALSE(dlg->store().allocated());
    EXPECT_TRUE(messages.shown().isEmpty());
}

TEST_F(ExitTest, TheCloseBoxAndExitProgramSaveAsEscDoes) {
    for (bool closeBox : {true, false}) {
        const std::string path = write(group({{"Anna", "Berg"}, {"Bob", "Brown"}}));
        settings = {};
        open(path);
        markReported(1);
        if (closeBox)
            dlg->close();
        else
            click(kExit);
        EXPECT_FALSE(dlg->isVisible());
        EXPECT_TRUE(reportedOnDisk(path, 1)) << closeBox;
        EXPECT_EQ(settings.writes, 1);
    }
}

TEST_F(ExitTest, WithOnePublisherNothingIsWrittenButTheSettingsAre) {
    const std::string path = write(group({{"Anna", "Alone"}}));
    const std::vector<std::uint8_t> before = readBytes(path);
    open(path);
    markReported(1);
    EXPECT_EQ(pressEnter(), 1);
    key(Qt::Key_Escape);

    EXPECT_EQ(readBytes(path), before);
    EXPECT_TRUE(messages.shown().isEmpty());
    EXPECT_EQ(settings.values.loadPath.toStdString(), path);
}

TEST_F(ExitTest, WithoutAFileTheSettingsAreWrittenEmpty) {
    settings.values.post = u"Anna Berg"_s;
    open();
    key(Qt::Key_Escape);
    EXPECT_EQ(settings.writes, 1);
    EXPECT_EQ(settings.values.loadPath, QString());
    EXPECT_EQ(settings.values.post, u"Anna Berg"_s);
}

TEST_F(ExitTest, RequestExitClosesDialogsOverTheWindowAndRunsTheExitAction) {
    const std::string path = write(group({{"Anna", "Berg"}, {"Bob", "Brown"}}));
    open(path);
    markReported(1);

    bool aboutWasOpen = false;
    const auto ran = onNextModal(
        [&](QWidget* modal) {
            aboutWasOpen = modal->windowTitle() == u"About Kolekt"_s;
            dlg->requestExit();
        },
        dlg.get());
    QTimer::singleShot(0, [] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget()))
            QTest::keyClick(menu, Qt::Key_A);
    });
    key(Qt::Key_F10, Qt::ShiftModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return *ran; }));

    EXPECT_TRUE(aboutWasOpen);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_TRUE(dlg->hasExited());
    EXPECT_TRUE(reportedOnDisk(path, 1));
    EXPECT_EQ(settings.writes, 1);
    // Asking again (the application does once its modal run returns) changes nothing.
    dlg->requestExit();
    EXPECT_EQ(settings.writes, 1);
}

TEST_F(ExitTest, RequestExitClosesAResizableWindowAndNothingIsStoredAfterTheExitAction) {
    const struct {
        Qt::Key key;
        QString title;
        QString sizeName;
    } cases[] = {
        {Qt::Key_Y, u"Group Year - Group #3"_s, u"GroupYear"_s},
        {Qt::Key_P, u"February Report Collection"_s, u"Viewer"_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sizeName.toStdString());
        settings = {};
        open(write(group({{"Anna", "Berg"}, {"Bob", "Brown"}})));
        QString title;
        const auto ran = onNextModal(
            [&](QWidget* modal) {
                title = modal->windowTitle();
                dlg->requestExit();
            },
            dlg.get());
        key(c.key, Qt::ControlModifier);
        ASSERT_TRUE(*ran);

        EXPECT_EQ(title, c.title);
        EXPECT_TRUE(dlg->hasExited());
        EXPECT_FALSE(settings.sizes.contains(c.sizeName));
    }
}

TEST_F(ExitTest, RequestExitDuringAPostingClosesTheEntryDialogAndLeavesTheListAlone) {
    const std::string path = write(group({{"Anna", "Berg"}, {"Bob", "Brown"}}));
    open(path);
    click(kLimitToMissing);
    markReported(2);

    const auto ran = onNextModal([&](QWidget*) { dlg->requestExit(); }, dlg.get());
    key(Qt::Key_Return);
    ASSERT_TRUE(*ran);

    EXPECT_TRUE(dlg->hasExited());
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_TRUE(reportedOnDisk(path, 2));
    EXPECT_EQ(settings.writes, 1);
    // The filter would rebuild the list from the released store after the posting.
    EXPECT_EQ(list()->count(), 2);
}

TEST_F(MainWindowTest, TheContextMenuOpensTheAboutBox) {
    open();
    QString version;
    QString title;
    const auto ran = onNextModal(
        [&](QWidget* modal) {
            title = modal->windowTitle();
            for (const QLabel* label : modal->findChildren<QLabel*>()) {
                if (label->text().startsWith(u"Kolekt Version"_s))
                    version = label->text();
            }
            QTest::keyClick(modal, Qt::Key_Escape);
        },
        dlg.get());
    QTimer::singleShot(0, [] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        QStringList offered;
        for (const QAction* action : menu->actions())
            offered << action->text();
        EXPECT_EQ(offered,
                  (QStringList{u"&Undo"_s, u"Group &Year"_s, QString(), u"&About Kolekt..."_s,
                               u"&Remind All Missing"_s, u"&Mail Settings..."_s, u"&Language"_s}));
        EXPECT_FALSE(menu->actions().front()->isEnabled());
        QTest::keyClick(menu, Qt::Key_A);
    });
    key(Qt::Key_Menu);
    ASSERT_TRUE(QTest::qWaitFor([&] { return *ran; }));
    EXPECT_EQ(title, u"About Kolekt"_s);
    EXPECT_EQ(version, u"Kolekt Version 5a"_s);
    EXPECT_TRUE(dlg->isVisible());
}

TEST_F(MainWindowTest, TheRightMouseButtonOverTheListOffersTheContextMenu) {
    open();
    QString offered;
    QTimer::singleShot(0, [&] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            offered = menu->actions().first()->text();
            menu->close();
        }
    });
    QWidget* viewport = list()->viewport();
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                            viewport->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(viewport, &event);
    EXPECT_EQ(offered, u"&Undo"_s);
}

class LoadNewListTest : public MainWindowTest {
protected:
    void SetUp() override { startDirectory = QDir::currentPath(); }
    void TearDown() override { QDir::setCurrent(startDirectory); }
    QString startDirectory;
};

TEST_F(LoadNewListTest, CancelChangesNothingAndTheDialogStartsInTheFilesFolder) {
    const std::string path = write(group({{"Anna", "Berg"}, {"Bob", "Brown"}}));
    settings.values.loadPath = QString::fromStdString(path);
    settings.values.post = u"Bob Brown"_s;
    open();
    files.queueChoice({});
    key(Qt::Key_O, Qt::ControlModifier);

    ASSERT_EQ(files.requests().size(), 1);
    const OpenFileRequest& request = files.requests().first();
    EXPECT_EQ(request.title, u"Select Collection File from Secretary"_s);
    EXPECT_EQ(request.filterDescription, u"Collection Files from Secretary (.k09)"_s);
    EXPECT_EQ(request.pattern, u"*.k09"_s);
    EXPECT_EQ(request.folder.toStdString(), dir.path());
    EXPECT_EQ(lines(), QStringList({u"Berg, Anna"_s, u"Brown, Bob"_s}));
    EXPECT_EQ(text(kLastPosted), u"Bob Brown"_s);
    EXPECT_EQ(dlg->focusedId(), kPublisherList);
}

TEST_F(LoadNewListTest, WithoutAReadableFileTheDialogStartsInTheStartUpFolder) {
    open();
    files.queueChoice({});
    click(kLoadNewList);
    EXPECT_EQ(files.requests().first().folder, startDirectory);
}

TEST_F(LoadNewListTest, LoadsTheChosenFileWhateverTheCaseOfItsEnding) {
    open(write(group({{"Anna", "Berg"}, {"Bob", "Brown"}, {"Carl", "Cole"}})));
    dlg->store().setLastPosted("Anna Berg");
    key(Qt::Key_End);
    const std::string other = write(group({{"Dora", "Dahl"}, {"Emil", "Eck"}}, 5), "GROUP5.K09");
    files.queueChoice(QString::fromStdString(other));
    click(kLoadNewList);

    EXPECT_EQ(lines(), QStringList({u"Dahl, Dora"_s, u"Eck, Emil"_s}));
    EXPECT_EQ(list()->currentRow(), 0);
    EXPECT_EQ(dlg->windowTitle(), u"February Report Collection - Group 5 "_s);
    EXPECT_EQ(text(kTotalCount), u"Total Publishers = 2"_s);
    EXPECT_EQ(text(kLastPosted), QString());
    EXPECT_EQ(dlg->store().filePath(), other);
    EXPECT_EQ(dlg->focusedId(), kPublisherList);
    key(Qt::Key_Escape);
    EXPECT_EQ(settings.values.loadPath.toStdString(), other);
    EXPECT_EQ(settings.values.post, QString());
}

TEST_F(LoadNewListTest, AFileOfAnotherKindIsNotLoaded) {
    const std::string path = write(group({{"Anna", "Berg"}, {"Bob", "Brown"}}));
    open(path);
    markReported(1);
    files.queueChoice(QString::fromStdString(write(group({{"X", "Y"}, {"Z", "W"}}), "group3.txt")));
    click(kLoadNewList);
    EXPECT_EQ(lines(), QStringList({u"Berg, Anna"_s, u"Brown, Bob"_s}));
    EXPECT_EQ(dlg->store().filePath(), path);
    EXPECT_FALSE(reportedOnDisk(path, 1));
}

TEST_F(LoadNewListTest, AMissingFileEmptiesTheListButKeepsThePathAndTheTitle) {
    CollectionBuilder builder = group({{"Anna", "Berg"}, {"Bob", "Brown"}}, 4);
    builder.setPhone(1, 0, "555 0101").setPhone(1, 1, "555 0102").setEmail(1, "anna@example.org");
    const std::string path = write(builder);
    open(path);
    ASSERT_TRUE(shown(kSendReminder));
    files.queueChoice(QString::fromStdString(dir.file("typed.k09")));
    click(kLoadNewList);

    EXPECT_EQ(list()->count(), 0);
    // Nothing names a publisher of the old list.
    EXPECT_EQ(text(kPost), u"&Post"_s);
    EXPECT_EQ(text(kPhoneNumber), QString());
    for (int id : {kPhoneNumber, kDial, kNextPhone, kSendReminder, kPreviewReminder})
        EXPECT_FALSE(shown(id)) << id;
    EXPECT_EQ(dlg->windowTitle(), u"February Report Collection - Group 4 "_s);
    EXPECT_EQ(text(kTotalCount), u"Total Publishers = 0"_s);
    EXPECT_EQ(text(kMissingCount), u"Missing February Reports = 0"_s);
    EXPECT_FALSE(shown(kViewReportList));
    EXPECT_EQ(dlg->store().filePath(), path);
}

TEST_F(LoadNewListTest, TheOpenCollectionIsWrittenBackBeforeTheNewOneIsLoaded) {
    const std::string first = write(group({{"Anna", "Berg"}, {"Bob", "Brown"}}), "Group3.k09");
    const std::string second = write(group({{"Carl", "Cole"}, {"Dora", "Dahl"}}), "Group4.k09");
    open(first);
    markReported(2);
    files.queueChoice(QString::fromStdString(second));
    click(kLoadNewList);

    EXPECT_TRUE(reportedOnDisk(first, 2));
    EXPECT_FALSE(reportedOnDisk(second, 2));
    EXPECT_TRUE(messages.shown().isEmpty());
    EXPECT_EQ(lines(), QStringList({u"Cole, Carl"_s, u"Dahl, Dora"_s}));

    // Choosing the open file again keeps what was posted.
    markReported(1);
    files.queueChoice(QString::fromStdString(second));
    click(kLoadNewList);
    EXPECT_EQ(text(kMissingCount), u"Missing February Reports = 1"_s);
}

TEST_F(LoadNewListTest, KeepsTheFilterOnForTheNewList) {
    CollectionBuilder builder = group({{"Anna", "Berg"}, {"Bob", "Brown"}, {"Carl", "Cole"}});
    builder.setReport(1, kMonth, kSlot, {.shared = true});
    open(write(builder, "a.k09"));
    click(kLimitToMissing);
    ASSERT_EQ(list()->count(), 2);

    CollectionBuilder next = group({{"Dora", "Dahl"}, {"Emil", "Eck"}});
    next.setReport(2, kMonth, kSlot, {.shared = true});
    files.queueChoice(QString::fromStdString(write(next, "b.k09")));
    click(kLoadNewList);
    EXPECT_EQ(lines(), QStringList({u"Dahl, Dora"_s}));
    EXPECT_EQ(text(kMissingCount), u"Missing February Reports = 1"_s);
}

} // namespace
} // namespace kolekt::test
