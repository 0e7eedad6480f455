// Without a display Qt aborts with a message that means little to a user;
// Kolekt says plainly what is missing and how to run it anyway.
#pragma once

#include <string>
#include <vector>

namespace kolekt {

// True when a window system can be reached: DISPLAY or WAYLAND_DISPLAY is set, or a Qt
// platform was chosen explicitly (QT_QPA_PLATFORM, e.g. offscreen).
bool displayAvailable();

// arguments[0] is the program as it was started; the message repeats the whole command under
// xvfb-run so that it can be copied as it stands.
std::string noDisplayMessage(const std::vector<std::string>& arguments);

} // namespace kolekt
