// Runs a desktop helper program found on PATH directly, without a shell: every
// argument reaches the program as it is, whatever characters it holds.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <chrono>

namespace kolekt {

struct ProgramOutcome {
    enum class Kind {
        NotFound,     // not on PATH, or it could not be started
        Exited,       // exitStatus holds its exit status
        Crashed,      // ended by a signal
        StillRunning, // still running after the hand-off time: it took the request
    };
    Kind kind = Kind::NotFound;
    int exitStatus = 0;
};

// Waits for the program while the event loop keeps running (windows repaint),
// but at most handOffTime: desktop helpers that run the handling application in
// the foreground would otherwise hold the caller until that application ends.
// A program still running then is left to run, even past the caller's own end,
// and reaped when it ends. The program shares the caller's standard streams.
ProgramOutcome runProgram(const QString& name, const QStringList& arguments,
                          std::chrono::milliseconds handOffTime = std::chrono::seconds(5));

struct ProgramAnswer {
    ProgramOutcome outcome; // StillRunning: it did not answer in time and was ended
    QByteArray output;      // its standard output
};

// Runs a program that answers on its standard output and ends, such as a query of the
// desktop's settings, while the event loop keeps running. One still running after timeout
// is ended. Its error output is Kolekt's.
ProgramAnswer askProgram(const QString& name, const QStringList& arguments,
                         std::chrono::milliseconds timeout = std::chrono::seconds(5));

} // namespace kolekt
