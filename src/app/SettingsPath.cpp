#include "app/SettingsPath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace kolekt {

namespace {

// Windows answers a folder's write permission only by trying: its read-only attribute says
// nothing about a folder, and Qt does not read the access lists.
bool acceptsNewFiles(const QString& folder) {
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".kolekt-probe-XXXXXX")));
    return probe.open();
}

} // namespace

QString settingsPathBeside(const QString& executablePath) {
    const QLatin1String exe(".exe");
    if (executablePath.endsWith(exe, Qt::CaseInsensitive))
        return executablePath.chopped(exe.size()) + QLatin1String(".ini");
    return executablePath + QLatin1String(".ini");
}

QString settingsFilePath(const QString& executablePath, const QString& configFolder) {
    const QString beside = settingsPathBeside(executablePath);
    const QString folder = QFileInfo(beside).absolutePath();
    const bool installed = folder.startsWith(QLatin1String("/usr/"));
    if (!installed && acceptsNewFiles(folder))
        return beside;
    return QDir(configFolder).filePath(QStringLiteral("kolekt.ini"));
}

QString settingsFilePath() {
#ifdef Q_OS_WIN
    const QString configFolder =
        QDir(qEnvironmentVariable("APPDATA")).filePath(QStringLiteral("Kolekt"));
#else
    const QString configFolder =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
#endif
    return settingsFilePath(QCoreApplication::applicationFilePath(), configFolder);
}

} // namespace kolekt
