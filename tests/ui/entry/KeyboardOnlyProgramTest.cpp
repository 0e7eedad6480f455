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

using namespace Qt::StringLiterals;

namespace {

using layout::ValueKind;

class KeyboardOnlyProgram : public ::testing::Test {
protected:
    void SetUp() override {
        xvfb.start(u"Xvfb"_s, {u"-displayfd"_s, u"1"_s, u"-nolisten"_s, u"tcp"_s, u"-screen"_s,
                               u"0"_s, u"1024x768x24"_s});
        ASSERT_TRUE(xvfb.waitForStarted(10000));
        ASSERT_TRUE(QTest::qWaitFor([this] { return xvfb.canReadLine(); }, 20000));
        display = u':' + QString::fromLatin1(xvfb.readLine()).trimmed();

        ASSERT_TRUE(QFile::copy(QString::fromUtf8(KOLEKT_EXECUTABLE), program));
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
        env.remove(u"QT_QPA_PLATFORM"_s);
        env.remove(u"WAYLAND_DISPLAY"_s);
        env.insert(u"DISPLAY"_s, display);
        return env;
    }
    QString xdotool(const QStringList& args) {
        QProcess tool;
        tool.setProcessEnvironment(environment());
        tool.start(u"xdotool"_s, args);
        EXPECT_TRUE(tool.waitForFinished(20000)) << args.join(u' ').toStdString();
        return QString::fromLatin1(tool.readAllStandardOutput()).trimmed();
    }
    // Gives the keyboard to the window whose title matches, as a window manager would.
    void focusWindow(const QString& title) {
        const QString id =
            xdotool({u"search"_s, u"--sync"_s, u"--onlyvisible"_s, u"--name"_s, title})
                .section(u'\n', 0, 0);
        ASSERT_FALSE(id.isEmpty()) << title.toStdString();
        xdotool({u"windowfocus"_s, u"--sync"_s, id});
    }
    void keys(const QStringList& names) {
        xdotool(QStringList{u"key"_s, u"--delay"_s, u"60"_s} + names);
    }
    void type(const QString& text) { xdotool({u"type"_s, u"--delay"_s, u"60"_s, text}); }

    void start() {
        kolekt.setProcessEnvironment(environment());
        kolekt.start(program, {QString::fromStdString(collection)});
        ASSERT_TRUE(kolekt.waitForStarted(30000));
        focusWindow(u"Report Collection"_s);
    }
    // Types the first letters of a last name, posts one studies figure, and waits until the
    // report is in the file.
    void post(const QString& lastNameStart, const QString& name, int record,
              const QString& studies) {
        type(lastNameStart);
        keys({u"Return"_s});
        focusWindow(u"^"_s + name + u"$"_s);
        keys({u"space"_s, u"Return"_s});
        type(studies);
        keys({u"Return"_s});
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return !onDisk()->isReportMissing(record, month, yearSlot); }, 20000));
    }
    std::unique_ptr<CollectionStore> onDisk() const {
        auto store = std::make_unique<CollectionStore>();
        store->initialise(LocalDate::today(), "eng", "CP1252");
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
    post(u"Bro"_s, u"Bob Brown"_s, 2, u"3"_s);
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
    post(u"Col"_s, u"Carl Cole"_s, 3, u"2"_s);
    focusWindow(u"Report Collection"_s);
    keys({u"Escape"_s});
    ASSERT_TRUE(kolekt.waitForFinished(30000));
    store = onDisk();
    EXPECT_EQ(store->reportValue(2, month, yearSlot, ValueKind::Studies), 3);
    EXPECT_EQ(store->reportValue(3, month, yearSlot, ValueKind::Studies), 2);
    EXPECT_EQ(store->remarkCount(), 0);
    const QSettings settings(program + u".ini"_s, QSettings::IniFormat);
    EXPECT_EQ(settings.value(u"Last/Post"_s).toString(), u"Carl Cole"_s);
}

} // namespace
} // namespace kolekt::test
