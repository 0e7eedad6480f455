#include "StandInProgram.h"

#include <QDir>
#include <QFile>

namespace kolekt::test {

namespace {

// Single quotes keep the folder name literal in the script.
QString shellQuoted(const QString& text) {
    QString quoted = text;
    quoted.replace(QLatin1String("'"), QLatin1String("'\\''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

QByteArray prependedPath(const QString& folder) {
    return QFile::encodeName(folder) + ':' + qgetenv("PATH");
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}

} // namespace

ScopedEnvironment::ScopedEnvironment(const char* name, const QByteArray& value)
    : name_(name), wasSet_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
    qputenv(name_, value);
}

ScopedEnvironment::~ScopedEnvironment() {
    if (wasSet_) {
        qputenv(name_, old_);
    } else {
        qunsetenv(name_);
    }
}

StandInProgram::StandInProgram(const QString& name, int exitStatus, const QByteArray& output)
    : path_("PATH", prependedPath(bin_.path())) {
    const QString record = shellQuoted(record_.path());
    const QString answer = QDir(record_.path()).filePath(QStringLiteral("answer"));
    QFile answerFile(answer);
    if (answerFile.open(QIODevice::WriteOnly)) {
        answerFile.write(output);
    }
    // The script's own tools come from the system, whatever PATH the test gives the program.
    const QString script = QStringLiteral("#!/bin/sh\n"
                                          "PATH=/usr/bin:/bin\n"
                                          "out=%1\n"
                                          "echo run >> \"$out/runs\"\n"
                                          ": > \"$out/args\"\n"
                                          "i=0\n"
                                          "previous=\n"
                                          "for a in \"$@\"; do\n"
                                          "    printf '%s\\0' \"$a\" >> \"$out/args\"\n"
                                          "    if [ \"$previous\" = --attach ]; then\n"
                                          "        cp \"$a\" \"$out/attach$i\"\n"
                                          "        i=$((i + 1))\n"
                                          "    fi\n"
                                          "    previous=$a\n"
                                          "done\n"
                                          "cat %3\n"
                                          "exit %2\n")
                               .arg(record)
                               .arg(exitStatus)
                               .arg(shellQuoted(answer));
    QFile file(QDir(bin_.path()).filePath(name));
    if (file.open(QIODevice::WriteOnly)) {
        file.write(script.toUtf8());
        file.close();
    }
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

int StandInProgram::runCount() const {
    return static_cast<int>(
        readAll(QDir(record_.path()).filePath(QStringLiteral("runs"))).count('\n'));
}

QStringList StandInProgram::arguments() const {
    const QByteArray all = readAll(QDir(record_.path()).filePath(QStringLiteral("args")));
    QStringList arguments;
    for (const QByteArray& argument : all.split('\0')) {
        arguments << QString::fromUtf8(argument);
    }
    arguments.removeLast(); // the empty piece after the last terminator
    return arguments;
}

QByteArray StandInProgram::attachment(int index) const {
    return readAll(QDir(record_.path()).filePath(QStringLiteral("attach%1").arg(index)));
}

QString StandInProgram::attachedPath() const {
    const QStringList given = arguments();
    const qsizetype option = given.indexOf(QStringLiteral("--attach"));
    return option >= 0 ? given.value(option + 1) : QString();
}

EmptyPath::EmptyPath() : path_("PATH", QFile::encodeName(empty_.path())) {}

} // namespace kolekt::test
