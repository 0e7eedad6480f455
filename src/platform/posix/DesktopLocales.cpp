#include "platform/DesktopLocales.h"

namespace kolekt::platform {

// The environment is where a POSIX desktop keeps its choice.
std::vector<std::string> displayLanguages() {
    return {};
}

} // namespace kolekt::platform
