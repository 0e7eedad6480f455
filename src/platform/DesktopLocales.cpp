#include "platform/DesktopLocales.h"

#include <cstdlib>
#include <string_view>

namespace kolekt::platform {

std::vector<std::string> desktopLocales() {
    if (const char* list = std::getenv("LANGUAGE"); list && *list) {
        std::vector<std::string> locales;
        std::string_view rest = list;
        while (!rest.empty()) {
            const std::size_t colon = rest.find(':');
            if (colon != 0)
                locales.emplace_back(rest.substr(0, colon));
            rest = colon == std::string_view::npos ? std::string_view{} : rest.substr(colon + 1);
        }
        return locales;
    }
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (const char* value = std::getenv(variable); value && *value)
            return {value};
    }
    return displayLanguages();
}

} // namespace kolekt::platform
