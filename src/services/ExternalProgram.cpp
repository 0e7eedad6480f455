#include "services/ExternalProgram.h"

#include <QEventLoop>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>

namespace kolekt {

namespace {

// Runs the event loop until the process ends, or at most for time.
void waitWhileRunning(QProcess& process, std::chrono::milliseconds time) {
    if (process.state() == QProcess::NotRunning) {
        return;
    }
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(time, &loop, &QEventLoop::quit);
    loop.exec();
}

ProgramOutcome endedAs(const QProcess& process) {
    return process.exitStatus() == QProcess::NormalExit
               ? ProgramOutcome{ProgramOutcome::Kind::Exited, process.exitCode()}
               : ProgramOutcome{ProgramOutcome::Kind::Crashed, 0};
}

} // namespace

ProgramOutcome runProgram(const QString& name, const QStringList& arguments,
                          std::chrono::milliseconds handOffTime) {
    const QString path = QStandardPaths::findExecutable(name);
    if (path.isEmpty()) {
        return {};
    }

    // Owned by nothing: deleting a QProcess kills a helper that still runs, and one that is
    // still running at the hand-off time must outlive this call, and the program too. Once it
    // ends, the object reaps it and deletes itself.
    auto* process = new QProcess;
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->setInputChannelMode(QProcess::ForwardedInputChannel);
    process->start(path, arguments);
    if (!process->waitForStarted()) {
        delete process;
        return {};
    }

    waitWhileRunning(*process, handOffTime);
    if (process->state() != QProcess::NotRunning) {
        QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
        return {ProgramOutcome::Kind::StillRunning, 0};
    }
    const ProgramOutcome outcome = endedAs(*process);
    delete process;
    return outcome;
}

ProgramAnswer askProgram(const QString& name, const QStringList& arguments,
                         std::chrono::milliseconds timeout) {
    const QString path = QStandardPaths::findExecutable(name);
    if (path.isEmpty()) {
        return {};
    }
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(path, arguments);
    if (!process.waitForStarted()) {
        return {};
    }
    waitWhileRunning(process, timeout);
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished();
        return {{ProgramOutcome::Kind::StillRunning, 0}, {}};
    }
    return {endedAs(process), process.readAllStandardOutput()};
}

} // namespace kolekt
