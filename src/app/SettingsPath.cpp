#include "app/SettingsPath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace kolekt {

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
    if (!installed && QFileInfo(folder).isWritable())
        return beside;
    return QDir(configFolder).filePath(QStringLiteral("kolekt.ini"));
}

QString settingsFilePath() {
    return settingsFilePath(
        QCoreApplication::applicationFilePath(),
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
}

} // namespace kolekt
