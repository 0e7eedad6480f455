// Where the settings file lives: beside the executable, so that a copy of the
// program on a stick keeps its own settings; in the user's configuration
// folder when the program's folder cannot be written (Program Files, for a
// user without administrator rights), and always for a copy installed under
// /usr, whose folder belongs to the system even where root can write it.
#pragma once

#include <QString>

namespace kolekt {

// The executable's path with ".exe" (any case) replaced by ".ini", or ".ini" appended.
QString settingsPathBeside(const QString& executablePath);

// settingsPathBeside() when a file can be created in its folder and the folder is not below
// /usr, else configFolder/kolekt.ini.
QString settingsFilePath(const QString& executablePath, const QString& configFolder);

// settingsFilePath() for the running program and the user's configuration folder:
// %APPDATA%\Kolekt on Windows, the desktop's configuration folder elsewhere.
QString settingsFilePath();

} // namespace kolekt
