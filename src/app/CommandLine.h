// Whatever follows the program's name is one collection file path, as when a file is dropped on
// the program's icon; only the language options may come before it.
#pragma once

#include <QString>
#include <QStringList>

namespace kolekt {

struct LanguageOptions {
    QString language; // empty when not given
    QString codePage;
};

// Takes the leading options --language CODE and --code-page CP (also --language=CODE) off the
// arguments (without the program name). What follows them is the path, even if it looks like one.
LanguageOptions takeLanguageOptions(QStringList& arguments);

// The arguments (without the program name) joined with one blank, every double quote removed.
QString commandLineText(const QStringList& arguments);

// The text after the program's name in a command line as Windows gives it to a process: the
// name ends at its closing quote when it begins with one, else at the first blank or tab, and
// the blanks after it are skipped.
QString textAfterProgramName(const QString& commandLine);

// That text as arguments for takeLanguageOptions() and collectionFromCommandLine(): each
// leading language option and its value one word (quotes removed), everything after them one
// word as it stands, so that a path keeps every blank it has.
QStringList commandLineWords(const QString& text);

// commandLineText() as an absolute path when it names a collection file by its ending, else
// empty.
QString collectionFromCommandLine(const QStringList& arguments);

} // namespace kolekt
