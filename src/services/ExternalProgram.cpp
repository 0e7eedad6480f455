#include "services/ExternalProgram.h"

#include <QCoreApplication>
#include <QFile>
#include <QStandardPaths>
#include <QTimer>
#include <cerrno>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <vector>

extern char** environ;

namespace kolekt {

namespace {

constexpr auto kPollInterval = std::chrono::milliseconds(10);
constexpr int kReapIntervalMs = 1000;

// A helper left running must not stay a zombie once it ends.
void reapWhenDone(pid_t pid) {
    auto* app = QCoreApplication::instance();
    if (app == nullptr) {
        return;
    }
    auto* timer = new QTimer(app);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, pid] {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) != 0) {
            timer->deleteLater();
        }
    });
    timer->start(kReapIntervalMs);
}

} // namespace

ProgramOutcome runProgram(const QString& name, const QStringList& arguments,
                          std::chrono::milliseconds handOffTime) {
    const QString path = QStandardPaths::findExecutable(name);
    if (path.isEmpty()) {
        return {};
    }

    std::vector<QByteArray> encoded;
    encoded.reserve(static_cast<std::size_t>(arguments.size()) + 1);
    encoded.push_back(QFile::encodeName(path));
    for (const QString& argument : arguments) {
        encoded.push_back(argument.toUtf8());
    }
    std::vector<char*> argv;
    for (QByteArray& argument : encoded) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);

    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
        return {};
    }

    const auto deadline = std::chrono::steady_clock::now() + handOffTime;
    for (;;) {
        int status = 0;
        const pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid) {
            if (WIFEXITED(status)) {
                return {ProgramOutcome::Kind::Exited, WEXITSTATUS(status)};
            }
            return {ProgramOutcome::Kind::Crashed, 0};
        }
        if (done < 0 && errno != EINTR) {
            return {ProgramOutcome::Kind::Crashed, 0};
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            reapWhenDone(pid);
            return {ProgramOutcome::Kind::StillRunning, 0};
        }
        QCoreApplication::processEvents();
        std::this_thread::sleep_for(kPollInterval);
    }
}

} // namespace kolekt
