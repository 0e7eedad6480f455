#include "platform/UserFolders.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace kolekt::platform {

namespace {

// The base directory specification ignores relative paths.
const char* absoluteVariable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && value[0] == '/' ? value : nullptr;
}

} // namespace

std::filesystem::path applicationDataFolder() {
    std::filesystem::path data;
    if (const char* xdg = absoluteVariable("XDG_DATA_HOME")) {
        data = xdg;
    } else {
        const char* home = absoluteVariable("HOME");
        if (home == nullptr) {
            const passwd* user = ::getpwuid(::geteuid());
            home = user != nullptr && user->pw_dir != nullptr && user->pw_dir[0] == '/'
                       ? user->pw_dir
                       : nullptr;
        }
        // "/" is the home of system users such as nobody, and no user's own.
        if (home == nullptr || std::filesystem::path(home) == "/") {
            return {};
        }
        data = std::filesystem::path(home) / ".local/share";
    }
    return data / "kolekt";
}

std::filesystem::path runtimeFolder() {
    const char* runtime = absoluteVariable("XDG_RUNTIME_DIR");
    return runtime != nullptr ? std::filesystem::path(runtime) : std::filesystem::path();
}

} // namespace kolekt::platform
