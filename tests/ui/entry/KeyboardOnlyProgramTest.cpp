// The real program under a plain X server, worked with key events only: a report
// posted this way is in the collection file at once, survives SIGKILL, and the
// exit action names the publisher in the settings.
#include "CollectionFiles.h"
#include "TempDir.h"
#include "collection/CollectionStore.h"

#include <QDate>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace kolekt::test {
namespace {

using layout::ValueKind;

class KeyboardOnlyProgram : public ::testing::Test {
protected:
    void SetUp() override {
        xvfb.start("Xvfb", {"-displayfd", "1", "-nolisten", "tcp", "-screen", "0", "1024x768x24"});
        ASSERT_TRUE(xvfb.waitForStarted(10000));
        ASSERT_TRUE(QTest::qWaitFor([this] { return xvfb.canReadLine(); }, 20000));
        display = ":" + QString::fromLatin1(xvfb.readLine()).trimmed();

        ASSERT_TRUE(QFile::copy(KOLEKT_EXECUTABLE, program));
        // The collection month the program takes from today: reports go into that year slot.
        const QDate today = QDate::currentDate();
        month = today.month() == 1 ? 11 : today.month() - 2;
        yearSlot = (today.year() - (month == 11 ? 2001 : 2000)) % 2;
        CollectionBuilder builder;
        builder.setGroup(3).setMonth(month);
        builder.addPublisher("Anna", "Berg");
        builder.addPublisher("Bob", "Brown");
        builder.addPublisher("Carl", "Cole");
        writeCollection(builder, collection);
    }
    void TearDown() override {
        if (kolekt.state() != QProcess::NotRunning) {
            kolekt.kill();
            kolekt.waitForFinished(10000);
        }
        xvfb.terminate();
        xvfb.waitForFinished(10000);
    }

    QProcessEnvironment environment() const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("QT_QPA_PLATFORM");
        env.remove("WAYLAND_DISPLAY");
        env.insert("DISPLAY", display);
        return env;
    }
    QString xdotool(const QStringList& args) {
        QProcess tool;
        tool.setProcessEnvironment(environment());
        tool.start("xdotool", args);
        EXPECT_TRUE(tool.waitForFinished(20000)) << args.join(' ').toStdString();
        return QString::fromLatin1(tool.readAllStandardOutput()).trimmed();
    }
    // Gives the keyboard to the window whose title matches, as a window manager would.
    void focusWindow(const QString& title) {
        const QString id =
            xdotool({"search", "--sync", "--onlyvisible", "--name", title}).section('\n', 0, 0);
        ASSERT_FALSE(id.isEmpty()) << title.toStdString();
        xdotool({"windowfocus", "--sync", id});
    }
    void keys(const QStringList& names) { xdotool(QStringList{"key", "--delay", "60"} + names); }
    void type(const QString& text) { xdotool({"type", "--delay", "60", text}); }

    void start() {
        kolekt.setProcessEnvironment(environment());
        kolekt.start(program, {QString::fromStdString(collection)});
        ASSERT_TRUE(kolekt.waitForStarted(30000));
        focusWindow("Report Collection");
    }
    // Types the first letters of a last name, posts one studies figure, and waits until the
    // report is in the file.
    void post(const QString& lastNameStart, const QString& name, int record, const char* studies) {
        type(lastNameStart);
        keys({"Return"});
        focusWindow("^" + name + "$");
        keys({"space", "Return"});
        type(studies);
        keys({"Return"});
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return !onDisk()->isReportMissing(record, month, yearSlot); }, 20000));
    }
    std::unique_ptr<CollectionStore> onDisk() const {
        auto store = std::make_unique<CollectionStore>();
        store->initialise(LocalDate::today(), "eng");
        store->loadCollection(collection, LocalDate::today());
        return store;
    }

    TempDir dir;
    QString program = QString::fromStdString(dir.file("kolekt"));
    std::string collection = dir.file("Group3.k09");
    QProcess xvfb;
    QProcess kolekt;
    QString display;
    int month = 0;
    int yearSlot = 0;
};

TEST_F(KeyboardOnlyProgram, PostedReportsSurviveAKillAndTheExitNamesTheLastOne) {
    start();
    post("Bro", "Bob Brown", 2, "3");
    kolekt.kill();
    ASSERT_TRUE(kolekt.waitForFinished(10000));
    auto store = onDisk();
    EXPECT_EQ(store->reportValue(2, month, yearSlot, ValueKind::Studies), 3);
    const std::uint16_t studiesWord =
        layout::readWord(store->record(2), layout::valueOffset(ValueKind::Studies,
                                                               layout::slotIndex(month, yearSlot)));
    EXPECT_EQ(studiesWord, layout::kSharedFlag | 3);
    EXPECT_TRUE(store->isReportMissing(1, month, yearSlot));

    start();
    post("Col", "Carl Cole", 3, "2");
    focusWindow("Report Collection");
    keys({"Escape"});
    ASSERT_TRUE(kolekt.waitForFinished(30000));
    store = onDisk();
    EXPECT_EQ(store->reportValue(2, month, yearSlot, ValueKind::Studies), 3);
    EXPECT_EQ(store->reportValue(3, month, yearSlot, ValueKind::Studies), 2);
    EXPECT_EQ(store->remarkCount(), 0);
    const QSettings settings(program + ".ini", QSettings::IniFormat);
    EXPECT_EQ(settings.value("Last/Post").toString(), "Carl Cole");
}

} // namespace
} // namespace kolekt::test
