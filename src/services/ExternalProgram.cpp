#include "services/ExternalProgram.h"

#include <QEventLoop>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>

namespace kolekt {

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

    if (process->state() != QProcess::NotRunning) {
        QEventLoop loop;
        QObject::connect(process, &QProcess::finished, &loop, &QEventLoop::quit);
        QTimer::singleShot(handOffTime, &loop, &QEventLoop::quit);
        loop.exec();
    }
    if (process->state() != QProcess::NotRunning) {
        QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
        return {ProgramOutcome::Kind::StillRunning, 0};
    }
    const ProgramOutcome outcome =
        process->exitStatus() == QProcess::NormalExit
            ? ProgramOutcome{ProgramOutcome::Kind::Exited, process->exitCode()}
            : ProgramOutcome{ProgramOutcome::Kind::Crashed, 0};
    delete process;
    return outcome;
}

} // namespace kolekt
