// The report entry dialog as the overseer meets it: opened with Enter from the
// main window's list, worked with keys only, and the list ready for the next one.
#include "CollectionFiles.h"
#include "ModalScript.h"
#include "ScriptedDialogs.h"
#include "TempDir.h"
#include "collection/CollectionStore.h"
#include "resources/EntryDialogTemplate.h"
#include "resources/MainDialogTemplate.h"
#include "ui/entry/ReportEntryDialog.h"
#include "ui/main/CMainDlg.h"
#include "ui/main/SessionSettings.h"

#include <QApplication>
#include <QCheckBox>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace kolekt::test {

using namespace Qt::StringLiterals;

namespace {

using layout::ValueKind;

constexpr LocalDate kToday{2026, 3, 15};
constexpr int kMarch = 2;
constexpr int kSlot = 0;

class NoSettings : public SessionSettings {
public:
    LastSession read() const override { return {}; }
    bool write(const LastSession&) override { return true; }
    QStringList announcedRecoveries() const override { return {}; }
    bool setAnnouncedRecoveries(const QStringList&) override { return true; }
    bool storeLanguage(const QString&) override { return true; }
};

class PostFlow : public ::testing::Test {
protected:
    void SetUp() override { builder.setGroup(3).setMonth(kMarch); }

    void open() {
        writeCollection(builder, path);
        window = std::make_unique<CMainDlg>(settings, QString::fromStdString(path),
                                            [] { return kToday; });
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    QListWidget* list() const { return window->listBox(main_dialog::kPublisherList); }
    QString selectedLine() const {
        return list()->currentItem() ? list()->currentItem()->text() : QString();
    }

    // Presses Enter on the list and types keys into the entry dialog it opens.
    void post(const std::function<void()>& keys) {
        bool ran = false;
        onNextModal(
            [&](QWidget* modal) {
                // A dialog counts as active while its owner is; wait until it really has the keys.
                modal->activateWindow();
                ran = QTest::qWaitFor([modal] { return QApplication::activeWindow() == modal; }) &&
                      qobject_cast<ReportEntryDialog*>(modal) != nullptr;
                if (ran) {
                    keys();
                }
                if (modal->isVisible()) {
                    modal->close();
                }
            },
            window.get());
        ASSERT_EQ(QApplication::focusWidget(), list());
        typeKey(Qt::Key_Return);
        EXPECT_TRUE(ran);
        // The platform gives the keys back to the owner when a dialog closes; offscreen does not.
        window->activateWindow();
        EXPECT_TRUE(
            QTest::qWaitFor([this] { return QApplication::activeWindow() == window.get(); }));
    }
    static void spaceAndValues(const QStringList& values) {
        typeKey(Qt::Key_Space);
        typeKey(Qt::Key_Return);
        for (const QString& value : values) {
            typeText(value);
            typeKey(Qt::Key_Return);
        }
    }

    // The collection file as it is on disk now.
    std::unique_ptr<CollectionStore> onDisk() {
        auto store = std::make_unique<CollectionStore>();
        store->initialise(kToday, "eng", "CP1252");
        store->loadCollection(path, kToday);
        return store;
    }

    TempDir dir;
    std::string path = dir.file("Group3.k09");
    CollectionBuilder builder;
    NoSettings settings;
    ScriptedMessageBox messages;
    std::unique_ptr<CMainDlg> window;
};

TEST_F(PostFlow, KeyboardWalksThroughTheMissingPublishers) {
    const int anna = builder.addPublisher("Anna", "Berg");
    const int ben = builder.addPublisher("Ben", "Cole");
    const int carl = builder.addPublisher("Carl", "Dietz");
    builder.addPublisher("Dora", "Ernst");
    builder.setReport(ben, kMarch, kSlot, {.status = layout::AuxiliaryPioneer});
    builder.setReport(carl, kMarch, kSlot, {.status = layout::RegularPioneer});
    open();
    const auto original = readBytes(path);
    window->checkBox(main_dialog::kLimitToMissing)->click();
    ASSERT_EQ(selectedLine(), u"Berg, Anna"_s);

    post([] { spaceAndValues({u"2"_s}); });
    EXPECT_EQ(list()->count(), 3);
    EXPECT_EQ(selectedLine(), u"Cole, Ben"_s);
    EXPECT_EQ(QApplication::focusWidget(), list());
    EXPECT_EQ(window->controlText(main_dialog::kLastPosted),
              u"Berg, Anna \u2013 March: shared, studies: 2"_s);

    post([] { spaceAndValues({u"12"_s, u"1"_s}); });
    EXPECT_EQ(selectedLine(), u"Dietz, Carl"_s);

    post([] { spaceAndValues({u"50"_s, u"3"_s}); });
    EXPECT_EQ(selectedLine(), u"Ernst, Dora"_s);
    EXPECT_EQ(QApplication::focusWidget(), list());
    EXPECT_TRUE(messages.texts().isEmpty());

    // Every report is on disk at once, and no remark number was used up.
    const auto disk = onDisk();
    EXPECT_EQ(disk->reportValue(anna, kMarch, kSlot, ValueKind::Studies), 2);
    EXPECT_EQ(disk->reportValue(ben, kMarch, kSlot, ValueKind::Hours), 12);
    EXPECT_EQ(disk->reportValue(carl, kMarch, kSlot, ValueKind::Hours), 50);
    EXPECT_EQ(disk->reportValue(carl, kMarch, kSlot, ValueKind::Studies), 3);
    for (const int n : {anna, ben, carl}) {
        EXPECT_FALSE(disk->isReportMissing(n, kMarch, kSlot)) << n;
    }
    EXPECT_TRUE(disk->isReportMissing(4, kMarch, kSlot));
    EXPECT_EQ(disk->remarkCount(), 0);

    // Ctrl+Z takes the posts back one by one, on disk at once, and then says there is no more.
    typeKey(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(selectedLine(), u"Dietz, Carl"_s);
    EXPECT_EQ(window->controlText(main_dialog::kLastPosted),
              u"Cole, Ben \u2013 March: shared, hours: 12, studies: 1"_s);
    EXPECT_TRUE(onDisk()->isReportMissing(carl, kMarch, kSlot));
    typeKey(Qt::Key_Z, Qt::ControlModifier);
    typeKey(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(readBytes(path), original);
    EXPECT_EQ(list()->count(), 4);
    EXPECT_EQ(window->controlText(main_dialog::kLastPosted), QString());
    EXPECT_TRUE(messages.texts().isEmpty());
    typeKey(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(messages.texts(),
              QStringList{u"There is nothing to undo. Only reports posted to this "
                          u"file since Kolekt was started can be undone."_s});
}

TEST_F(PostFlow, CancelAndBrowsingWriteNothing) {
    builder.addPublisher("Anna", "Berg");
    builder.addPublisher("Ben", "Cole");
    open();
    const auto before = readBytes(path);
    post([] {
        typeKey(Qt::Key_M, Qt::AltModifier);
        typeKey(Qt::Key_Up);
        typeKey(Qt::Key_Up);
        typeKey(Qt::Key_Return);
        typeKey(Qt::Key_Escape);
    });
    EXPECT_EQ(QApplication::focusWidget(), list());
    EXPECT_EQ(readBytes(path), before);
    EXPECT_EQ(window->store().remarkCount(), 0);
}

TEST_F(PostFlow, OnePublisherIsStoredButNotSaved) {
    builder.addPublisher("Anna", "Berg");
    open();
    const auto before = readBytes(path);
    post([] { spaceAndValues({u"1"_s}); });
    EXPECT_FALSE(window->store().isReportMissing(1, kMarch, kSlot));
    EXPECT_EQ(readBytes(path), before);
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(PostFlow, AFailedSaveIsReported) {
    builder.addPublisher("Anna", "Berg");
    builder.addPublisher("Ben", "Cole");
    open();
    window->store().setFilePath(dir.file("gone/Group3.k09"));
    post([] { spaceAndValues({u"1"_s}); });
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.texts().front().contains(u"is no longer there"_s));
    EXPECT_FALSE(window->store().isReportMissing(1, kMarch, kSlot));
}

} // namespace
} // namespace kolekt::test
