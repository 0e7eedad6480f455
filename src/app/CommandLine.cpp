#include "app/CommandLine.h"

#include "collection/CollectionPath.h"
#include "resources/PathText.h"

#include <QDir>
#include <QFile>

namespace kolekt {

namespace {

const QString kLanguageOption = QStringLiteral("--language");
const QString kCodePageOption = QStringLiteral("--code-page");

// The option that word is or begins ("--language=cz"), empty when none.
QString optionOf(const QString& word) {
    for (const QString& name : {kLanguageOption, kCodePageOption}) {
        if (word == name || word.startsWith(name + QLatin1Char('=')))
            return name;
    }
    return {};
}

bool isBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

qsizetype skipBlanks(const QString& text, qsizetype from) {
    while (from < text.size() && isBlank(text[from]))
        ++from;
    return from;
}

qsizetype wordEnd(const QString& text, qsizetype from) {
    while (from < text.size() && !isBlank(text[from]))
        ++from;
    return from;
}

} // namespace

QString textAfterProgramName(const QString& commandLine) {
    qsizetype end = 0;
    if (commandLine.startsWith(QLatin1Char('"'))) {
        end = commandLine.indexOf(QLatin1Char('"'), 1);
        end = end < 0 ? commandLine.size() : end + 1;
    } else {
        end = wordEnd(commandLine, 0);
    }
    return commandLine.mid(skipBlanks(commandLine, end));
}

QStringList commandLineWords(const QString& text) {
    QStringList words;
    qsizetype at = skipBlanks(text, 0);
    bool valueNext = false;
    while (at < text.size()) {
        const qsizetype end = wordEnd(text, at);
        const QString word = text.mid(at, end - at).remove(QLatin1Char('"'));
        if (!valueNext && optionOf(word).isEmpty())
            break;
        words << word;
        valueNext = !valueNext && word == optionOf(word);
        at = skipBlanks(text, end);
    }
    if (at < text.size())
        words << text.mid(at);
    return words;
}

LanguageOptions takeLanguageOptions(QStringList& arguments) {
    LanguageOptions options;
    while (!arguments.isEmpty()) {
        const QString& word = arguments.front();
        const QString option = optionOf(word);
        QString* value = option == kLanguageOption   ? &options.language
                         : option == kCodePageOption ? &options.codePage
                                                     : nullptr;
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
    if (!isCollectionPath(toPath(text)))
        return {};
    // A file named from a shell may be relative; remembered as "LoadPath" it must still name
    // the same file when the program is next started from another folder.
    return QDir::cleanPath(QDir::current().absoluteFilePath(text));
}

} // namespace kolekt
