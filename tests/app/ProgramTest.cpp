// The real program, started as a user would start it, ended from outside.
#include "CollectionFiles.h"
#include "TempDir.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QTest>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kolekt::test {
namespace {

// True once the process catches signalNumber: its handlers are in place.
bool catches(qint64 pid, int signalNumber) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("SigCgt:"))
            return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (signalNumber - 1)) & 1;
    }
    return false;
}

class Program {
public:
    Program(const QString& program, const QStringList& arguments, const QString& dataFolder) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), dataFolder);
        process_.setProcessEnvironment(environment);
        process_.start(program, arguments);
    }
    ~Program() {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished();
        }
    }
    // Waits until the program has started and listens to signals.
    bool running() {
        return process_.waitForStarted(30000) &&
               QTest::qWaitFor([&] { return catches(process_.processId(), SIGTERM); }, 30000);
    }
    // Only while it runs: kill() with pid 0 would signal the test's whole process group.
    void signal(int signalNumber) {
        const auto pid = static_cast<pid_t>(process_.processId());
        if (pid > 0)
            ::kill(pid, signalNumber);
    }
    // True when the program ended by itself with status 0 within the time.
    bool endedWell(int milliseconds = 30000) {
        return process_.waitForFinished(milliseconds) &&
               process_.exitStatus() == QProcess::NormalExit && process_.exitCode() == 0;
    }

private:
    QProcess process_;
};

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        // A copy of the program keeps its settings beside itself, inside the test's folder.
        ASSERT_TRUE(QFile::copy(QString::fromUtf8(KOLEKT_EXECUTABLE), program));
        CollectionBuilder builder;
        builder.setGroup(3).setMonth(1);
        builder.addPublisher("Anna", "Berg");
        builder.addPublisher("Bob", "Brown");
        QDir().mkpath(QString::fromStdString(dir.file("stick")));
        writeCollection(builder, collection.toStdString());
        QFile file(collection);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(old, QFileDevice::FileModificationTime));
    }
    Program start(const QString& path) { return Program(program, {path}, data); }
    QDateTime modified() const { return QFileInfo(collection).lastModified(); }

    TempDir dir;
    const QString program = QString::fromStdString(dir.file("kolekt"));
    const QString collection = QString::fromStdString(dir.file("stick/Group3.k09"));
    const QString data = QString::fromStdString(dir.file("data"));
    const QDateTime old = QDateTime::currentDateTime().addDays(-1);
};

class EndedBySignal : public ProgramTest, public ::testing::WithParamInterface<int> {};

TEST_P(EndedBySignal, ItWritesTheCollectionAndTheSettingsBack) {
    Program kolekt = start(collection);
    ASSERT_TRUE(kolekt.running());
    kolekt.signal(GetParam());
    EXPECT_TRUE(kolekt.endedWell());
    EXPECT_GT(modified(), old);
    const QSettings settings(QString::fromStdString(dir.file("kolekt.ini")), QSettings::IniFormat);
    EXPECT_EQ(settings.value("Last/LoadPath").toString(), collection);
}

INSTANTIATE_TEST_SUITE_P(Signals, EndedBySignal, ::testing::Values(SIGTERM, SIGHUP));

TEST_F(ProgramTest, ASecondKolektOnTheSameFileNeverWritesIt) {
    Program first = start(collection);
    ASSERT_TRUE(first.running());
    Program second = start(collection);
    ASSERT_TRUE(second.running());
    // It says so in a message; the signal closes it and ends the program.
    second.signal(SIGTERM);
    EXPECT_TRUE(second.endedWell());
    EXPECT_EQ(modified(), old);
    first.signal(SIGTERM);
    EXPECT_TRUE(first.endedWell());
    EXPECT_GT(modified(), old);
}

TEST_F(ProgramTest, ASecondKolektOnAnotherNameOfTheSameFileNeverWritesIt) {
    const QString linked = QString::fromStdString(dir.file("Linked.k09"));
    ASSERT_EQ(
        ::link(QFile::encodeName(collection).constData(), QFile::encodeName(linked).constData()),
        0);
    Program first = start(collection);
    ASSERT_TRUE(first.running());
    const QString lock = QString::fromStdString(dir.file("stick/.Group3.k09.kolekt-lock"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(lock); }, 30000));
    Program second = start(linked);
    ASSERT_TRUE(second.running());
    second.signal(SIGTERM);
    EXPECT_TRUE(second.endedWell());
    EXPECT_EQ(QFileInfo(linked).lastModified(), old);
    EXPECT_EQ(modified(), old);
    first.signal(SIGTERM);
    EXPECT_TRUE(first.endedWell());
    EXPECT_GT(modified(), old);
}

TEST_F(ProgramTest, AFileNameThatIsNotUtf8IsOpenedAndSaved) {
    // QProcess would pass the name as UTF-8; the shell passes its bytes.
    const std::filesystem::path latin1 = dir.file("stick/Gr\xFCppe.k09");
    std::filesystem::rename(collection.toStdString(), latin1);
    Program kolekt(QStringLiteral("/bin/sh"),
                   {QStringLiteral("-c"),
                    QStringLiteral("cd \"$1\" && exec \"$0\" \"$(printf 'Gr\\374ppe.k09')\""),
                    program, QString::fromStdString(dir.file("stick"))},
                   data);
    ASSERT_TRUE(kolekt.running());
    const std::filesystem::path lock = dir.file("stick/.Gr\xFCppe.k09.kolekt-lock");
    ASSERT_TRUE(QTest::qWaitFor([&] { return std::filesystem::exists(lock); }, 30000));
    kolekt.signal(SIGTERM);
    EXPECT_TRUE(kolekt.endedWell());
    EXPECT_GT(std::filesystem::last_write_time(latin1),
              std::filesystem::file_time_type::clock::now() - std::chrono::minutes(10));
}

TEST_F(ProgramTest, AFifoNamedLikeACollectionIsRefusedAtOnce) {
    const QString fifo = QString::fromStdString(dir.file("x.k09"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    Program kolekt = start(fifo);
    ASSERT_TRUE(kolekt.running());
    kolekt.signal(SIGTERM);
    EXPECT_TRUE(kolekt.endedWell(10000));
}

TEST_F(ProgramTest, ASecondSignalWhileTheExitSaysItCannotSaveEndsTheProgram) {
    Program kolekt = start(collection);
    ASSERT_TRUE(kolekt.running());
    // Signals are caught before the collection is open; only an open one has to go back.
    const QString lock = QString::fromStdString(dir.file("stick/.Group3.k09.kolekt-lock"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(lock); }, 30000));
    // The stick is pulled: the collection cannot go back to its file.
    QDir(QString::fromStdString(dir.file("stick"))).removeRecursively();
    kolekt.signal(SIGTERM);
    // The message saying so waits for the user...
    EXPECT_FALSE(kolekt.endedWell(1000));
    // ...but not when the program is told again to end.
    kolekt.signal(SIGTERM);
    EXPECT_TRUE(kolekt.endedWell());
    // Nothing was posted, so there was nothing to recover.
    EXPECT_FALSE(QFileInfo::exists(data + QStringLiteral("/kolekt/recovered")));
}

// Nothing planted at the settings file's name or its lock's is written through or waited on:
// the collection is saved, a message says the settings were not stored, and a second signal
// closes it and ends the program.
TEST_F(ProgramTest, SettingsThatCannotBeStoredSafelyNeitherHoldTheExitNorFollowALink) {
    const QString ini = QString::fromStdString(dir.file("kolekt.ini"));
    const QString victim = QString::fromStdString(dir.file("victim.txt"));
    struct Case {
        const char* what;
        std::function<void()> plant;
    };
    const Case cases[] = {
        {"a link at the settings file", [&] { QFile::link(victim, ini); }},
        {"a folder at its lock", [&] { QDir().mkpath(ini + QStringLiteral(".lock")); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(ini);
        QDir(ini + QStringLiteral(".lock")).removeRecursively();
        QFile file(victim);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("not Kolekt's");
        file.close();
        QFile stale(collection);
        ASSERT_TRUE(stale.open(QIODevice::ReadWrite));
        ASSERT_TRUE(stale.setFileTime(old, QFileDevice::FileModificationTime));
        stale.close();
        c.plant();

        Program kolekt = start(collection);
        ASSERT_TRUE(kolekt.running());
        const QString lock = QString::fromStdString(dir.file("stick/.Group3.k09.kolekt-lock"));
        ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(lock); }, 30000));
        kolekt.signal(SIGTERM);
        EXPECT_FALSE(kolekt.endedWell(1000));
        EXPECT_GT(modified(), old);
        kolekt.signal(SIGTERM);
        EXPECT_TRUE(kolekt.endedWell(10000));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), "not Kolekt's");
        file.close();
    }
}

} // namespace
} // namespace kolekt::test
