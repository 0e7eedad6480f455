#include "app/CommandLine.h"

#include "ui/main/CollectionPath.h"

namespace kolekt {

QString commandLineText(const QStringList& arguments) {
    return arguments.join(QLatin1Char(' ')).remove(QLatin1Char('"'));
}

QString collectionFromCommandLine(const QStringList& arguments) {
    const QString text = commandLineText(arguments);
    return hasCollectionSuffix(text) ? text : QString();
}

} // namespace kolekt
