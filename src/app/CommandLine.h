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

// commandLineText() as an absolute path when it names a collection file by its ending, else
// empty.
QString collectionFromCommandLine(const QStringList& arguments);

} // namespace kolekt
