// Test stand-ins for the desktop helpers (xdg-email, xdg-open, xdg-mime): a small
// script placed first on PATH that records the arguments it was given, one by one,
// copies every file named after --attach, prints a given answer and exits with a
// given status.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace kolekt::test {

// Sets an environment variable for the scope of the object and restores it.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const QByteArray& value);
    ~ScopedEnvironment();
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    const char* name_;
    bool wasSet_;
    QByteArray old_;
};

class StandInProgram {
public:
    StandInProgram(const QString& name, int exitStatus = 0, const QByteArray& output = {});

    int runCount() const;
    // The arguments of the last run, exactly as the program received them.
    QStringList arguments() const;
    // The bytes of the index-th file named after --attach, copied during the run.
    QByteArray attachment(int index) const;
    // The path named after the first --attach of the last run; empty for none.
    QString attachedPath() const;

private:
    QTemporaryDir bin_;
    QTemporaryDir record_;
    ScopedEnvironment path_;
};

// PATH holding only an empty folder: no helper program is found.
class EmptyPath {
public:
    EmptyPath();

private:
    QTemporaryDir empty_;
    ScopedEnvironment path_;
};

} // namespace kolekt::test
