// The real program, started as a user would start it, ended from outside.
#include "CollectionFiles.h"
#include "TempDir.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QTest>
#include <csignal>
#include <gtest/gtest.h>

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

class ProgramTest : public ::testing::TestWithParam<int> {};

TEST_P(ProgramTest, EndedBySignalItWritesTheCollectionAndTheSettingsBack) {
    TempDir dir;
    // A copy of the program keeps its settings beside itself, inside the test's folder.
    const QString program = QString::fromStdString(dir.file("kolekt"));
    ASSERT_TRUE(QFile::copy(KOLEKT_EXECUTABLE, program));
    CollectionBuilder builder;
    builder.setGroup(3).setMonth(1);
    builder.addPublisher("Anna", "Berg");
    builder.addPublisher("Bob", "Brown");
    const QString collection = QString::fromStdString(dir.file("Group3.k09"));
    writeCollection(builder, collection.toStdString());
    const QDateTime old = QDateTime::currentDateTime().addDays(-1);
    {
        QFile file(collection);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(old, QFileDevice::FileModificationTime));
    }

    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    process.setProcessEnvironment(environment);
    process.start(program, {collection});
    ASSERT_TRUE(process.waitForStarted(30000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return catches(process.processId(), GetParam()); }, 30000));
    ::kill(static_cast<pid_t>(process.processId()), GetParam());
    ASSERT_TRUE(process.waitForFinished(30000));

    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 0);
    EXPECT_GT(QFileInfo(collection).lastModified(), old);
    const QSettings settings(QString::fromStdString(dir.file("kolekt.ini")), QSettings::IniFormat);
    EXPECT_EQ(settings.value("Last/LoadPath").toString(), collection);
}

INSTANTIATE_TEST_SUITE_P(Signals, ProgramTest, ::testing::Values(SIGTERM, SIGHUP));

} // namespace
} // namespace kolekt::test
