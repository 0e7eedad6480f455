#include "app/CommandLine.h"

#include "collection/CollectionPath.h"

#include <QDir>
#include <QFile>

namespace kolekt {

QString commandLineText(const QStringList& arguments) {
    return arguments.join(QLatin1Char(' ')).remove(QLatin1Char('"'));
}

QString collectionFromCommandLine(const QStringList& arguments) {
    const QString text = commandLineText(arguments);
    if (!isCollectionPath(QFile::encodeName(text).toStdString()))
        return {};
    // A file named from a shell may be relative; remembered as "LoadPath" it must still name
    // the same file when the program is next started from another folder.
    return QDir::cleanPath(QDir::current().absoluteFilePath(text));
}

} // namespace kolekt
