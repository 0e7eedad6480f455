// Without a display Qt aborts with a message that means little to a user;
// Kolekt says plainly what is missing and how to run it anyway.
#pragma once

#include <string>
#include <string_view>

namespace kolekt {

// True when a window system can be reached: DISPLAY or WAYLAND_DISPLAY is set, or a Qt
// platform was chosen explicitly (QT_QPA_PLATFORM, e.g. offscreen).
bool displayAvailable();

std::string noDisplayMessage(std::string_view programName);

} // namespace kolekt
