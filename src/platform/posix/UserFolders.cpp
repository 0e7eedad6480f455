#include "platform/UserFolders.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace kolekt::platform {

std::filesystem::path applicationDataFolder() {
    std::filesystem::path data;
    // The base directory specification ignores relative paths.
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg != nullptr && xdg[0] == '/') {
        data = xdg;
    } else {
        const char* home = std::getenv("HOME");
        if (home == nullptr || home[0] != '/') {
            const passwd* user = ::getpwuid(::geteuid());
            home = user != nullptr ? user->pw_dir : "/tmp";
        }
        data = std::filesystem::path(home) / ".local/share";
    }
    return data / "kolekt";
}

} // namespace kolekt::platform
