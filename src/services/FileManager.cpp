#include "services/FileManager.h"

#include "services/ExternalProgram.h"

#include <QFileInfo>
#include <QUrl>

namespace kolekt {

namespace {

// dbus-send parts an array at its commas, so a comma in the path must not stay one.
QString itemUrl(const QString& path) {
    return QUrl::fromLocalFile(path)
        .toString(QUrl::FullyEncoded)
        .replace(QLatin1Char(','), QLatin1String("%2C"));
}

bool fileManagerShowsItem(const QString& path) {
    const ProgramAnswer answer =
        askProgram(QStringLiteral("dbus-send"),
                   {QStringLiteral("--session"), QStringLiteral("--print-reply"),
                    QStringLiteral("--dest=org.freedesktop.FileManager1"),
                    QStringLiteral("/org/freedesktop/FileManager1"),
                    QStringLiteral("org.freedesktop.FileManager1.ShowItems"),
                    QStringLiteral("array:string:") + itemUrl(path), QStringLiteral("string:")});
    return answer.outcome.kind == ProgramOutcome::Kind::Exited && answer.outcome.exitStatus == 0;
}

} // namespace

HandOffResult showInFolder(const QString& path, HandOffHost& host) {
    const QFileInfo file(path);
    ProgramOutcome outcome;
    {
        const HandOffRequest request(host);
        if (fileManagerShowsItem(file.absoluteFilePath())) {
            return {};
        }
        outcome = runProgram(QStringLiteral("xdg-open"),
                             {QUrl::fromLocalFile(file.absolutePath()).toString()});
    }
    if (outcome.kind == ProgramOutcome::Kind::StillRunning ||
        (outcome.kind == ProgramOutcome::Kind::Exited && outcome.exitStatus == 0)) {
        return {};
    }
    return {HandOffResult::Kind::NoSystem, TextId::NoFileManager, {}};
}

} // namespace kolekt
