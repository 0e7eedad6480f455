// The application's icon and desktop identity: the same icon serves as the
// window icon of every Kolekt window and as the about box's icon; the desktop
// id names the installed .desktop file, icon and file type.
#pragma once

#include <QIcon>

namespace kolekt {

// Matches the file names under packaging/ and the icon names installed there.
inline constexpr const char* kDesktopId = "org.kolekt.Kolekt";

// Every committed size of the icon, so no SVG image plug-in is needed at run time.
QIcon appIcon();

} // namespace kolekt
