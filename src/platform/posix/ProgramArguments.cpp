#include "platform/ProgramArguments.h"

namespace kolekt::platform {

std::vector<std::string> programArguments(int argc, char** argv) {
    return argc > 1 ? std::vector<std::string>(argv + 1, argv + argc) : std::vector<std::string>();
}

std::filesystem::path pathFromArgument(const std::string& argument) {
    return argument;
}

std::string argumentFromPath(const std::filesystem::path& path) {
    return path.native();
}

} // namespace kolekt::platform
