#include "app/DisplayCheck.h"

#include <QtGlobal>

namespace kolekt {

bool displayAvailable() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

std::string noDisplayMessage(std::string_view programName) {
    const std::string name(programName);
    return name + ": no display found (neither DISPLAY nor WAYLAND_DISPLAY is set).\n" + name +
           " is a desktop program and needs a graphical session. On a machine without one,\n"
           "run it under a virtual X server, for example:\n"
           "    xvfb-run -a " +
           name + " FILE.k09\n";
}

} // namespace kolekt
