#include "platform/DesktopLocales.h"

#include "NarrowText.h"

#include <cwchar>
#include <windows.h>

namespace kolekt::platform {

// Windows sets none of the variables a POSIX desktop does; a new user would otherwise meet
// English whatever language Windows speaks to him.
std::vector<std::string> displayLanguages() {
    ULONG count = 0;
    ULONG length = 0;
    if (::GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, nullptr, &length) == 0 ||
        length == 0) {
        return {};
    }
    std::wstring names(length, L'\0');
    if (::GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, names.data(), &length) == 0) {
        return {};
    }
    std::vector<std::string> locales;
    for (const wchar_t* name = names.c_str(); *name; name += std::wcslen(name) + 1) {
        std::string locale = win32::narrowText(name, CP_UTF8);
        for (char& c : locale) {
            if (c == '-') {
                c = '_';
            }
        }
        locales.push_back(std::move(locale));
    }
    return locales;
}

} // namespace kolekt::platform
