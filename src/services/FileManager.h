// The desktop's file manager, shown a file the user is to take elsewhere himself.
#pragma once

#include "services/HandOff.h"

#include <QString>

namespace kolekt {

// Opens the file manager on the folder of path with the file selected: Explorer on Windows;
// elsewhere where the desktop's file manager answers the freedesktop request for that, else on
// the folder. NoSystem (with its text) when nothing opens it.
HandOffResult showInFolder(const QString& path, HandOffHost& host);

} // namespace kolekt
