// Running a desktop helper: how it ends decides the outcome, and one that is still running at
// the hand-off time is neither waited for nor killed.
#include "services/ExternalProgram.h"

#include "StandInProgram.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <gtest/gtest.h>

namespace kolekt {
namespace {

using namespace std::chrono_literals;

// A shell script called "helper" in a folder put first on PATH.
class HelperOnPath {
public:
    explicit HelperOnPath(const QString& body)
        : path_("PATH", QFile::encodeName(bin_.path()) + ':' + qgetenv("PATH")) {
        QFile file(QDir(bin_.path()).filePath(QStringLiteral("helper")));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\n" + body.toUtf8() + '\n');
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

private:
    QTemporaryDir bin_;
    test::ScopedEnvironment path_;
};

QByteArray waitForFile(const QString& path) {
    for (int i = 0; i < 200 && !QFile::exists(path); ++i) {
        QTest::qWait(25);
    }
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed() : QByteArray();
}

TEST(ExternalProgram, TheOutcomeFollowsHowTheProgramEnded) {
    using Kind = ProgramOutcome::Kind;
    struct Case {
        QString body;
        Kind kind;
        int status;
    };
    const Case cases[] = {
        {QStringLiteral("exit 0"), Kind::Exited, 0},
        {QStringLiteral("exit 3"), Kind::Exited, 3},
        {QStringLiteral("kill -KILL $$"), Kind::Crashed, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.body.toStdString());
        const HelperOnPath helper(c.body);
        const ProgramOutcome outcome = runProgram(QStringLiteral("helper"), {});
        EXPECT_EQ(outcome.kind, c.kind);
        EXPECT_EQ(outcome.exitStatus, c.status);
    }
    const test::EmptyPath noPrograms;
    EXPECT_EQ(runProgram(QStringLiteral("helper"), {}).kind, Kind::NotFound);
}

TEST(ExternalProgram, AHelperStillRunningIsLeftToFinishAndThenReaped) {
    const QTemporaryDir dir;
    const QString pidFile = QDir(dir.path()).filePath(QStringLiteral("pid"));
    const QString doneFile = QDir(dir.path()).filePath(QStringLiteral("done"));
    const HelperOnPath helper(QStringLiteral("echo $$ > \"$1\"; sleep 1; echo done > \"$2\""));

    const ProgramOutcome outcome = runProgram(QStringLiteral("helper"), {pidFile, doneFile}, 200ms);

    EXPECT_EQ(outcome.kind, ProgramOutcome::Kind::StillRunning);
    const pid_t pid = waitForFile(pidFile).toInt();
    ASSERT_GT(pid, 0);
    // A helper that ended but was not reaped stays a zombie, which still answers signal 0.
    for (int i = 0; i < 200 && kill(pid, 0) == 0; ++i) {
        QTest::qWait(25);
    }
    EXPECT_NE(kill(pid, 0), 0);
    EXPECT_EQ(waitForFile(doneFile), "done");
}

} // namespace
} // namespace kolekt
