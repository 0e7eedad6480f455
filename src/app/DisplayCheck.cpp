#include "app/DisplayCheck.h"

#include <QtGlobal>
#include <filesystem>

namespace kolekt {

namespace {

std::string quoted(const std::string& argument) {
    if (argument.find_first_of(" \t'\"\\$`") == std::string::npos)
        return argument;
    std::string result = "'";
    for (char c : argument)
        result += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return result + "'";
}

} // namespace

bool displayAvailable() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

std::string noDisplayMessage(const std::vector<std::string>& arguments) {
    const std::string program = arguments.empty() ? "kolekt" : arguments.front();
    const std::string name = std::filesystem::path(program).stem().string();
    std::string command = "xvfb-run -a " + quoted(program);
    if (arguments.size() < 2)
        command += " FILE.k09";
    for (std::size_t i = 1; i < arguments.size(); ++i)
        command += " " + quoted(arguments[i]);
    return name + ": no display found (neither DISPLAY nor WAYLAND_DISPLAY is set).\n" + name +
           " is a desktop program and needs a graphical session. On a machine without one,\n"
           "run it under a virtual X server, for example:\n    " +
           command + "\n";
}

} // namespace kolekt
