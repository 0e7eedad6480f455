#include "app/CommandLine.h"

#include "collection/CollectionPath.h"

#include <QDir>
#include <QFile>
#include <utility>

namespace kolekt {

LanguageOptions takeLanguageOptions(QStringList& arguments) {
    LanguageOptions options;
    while (!arguments.isEmpty()) {
        const QString& word = arguments.front();
        QString* value = nullptr;
        QString option;
        for (const auto& [name, target] :
             {std::pair{QStringLiteral("--language"), &options.language},
              std::pair{QStringLiteral("--code-page"), &options.codePage}}) {
            if (word == name || word.startsWith(name + QLatin1Char('='))) {
                value = target;
                option = name;
            }
        }
        if (!value)
            break;
        if (word == option) {
            arguments.removeFirst();
            *value = arguments.isEmpty() ? QString() : arguments.takeFirst();
        } else {
            *value = arguments.takeFirst().mid(option.size() + 1);
        }
    }
    return options;
}

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
