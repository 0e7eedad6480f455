// The program takes no options: whatever follows its name is one collection
// file path, as when a file is dropped on the program's icon.
#pragma once

#include <QString>
#include <QStringList>

namespace kolekt {

// The arguments (without the program name) joined with one blank, every double quote removed.
QString commandLineText(const QStringList& arguments);

// commandLineText() as an absolute path when it names a collection file by its ending, else
// empty.
QString collectionFromCommandLine(const QStringList& arguments);

} // namespace kolekt
