#include "platform/ProcessCommandLine.h"

#include <windows.h>

namespace kolekt::platform {

std::wstring processCommandLine() {
    const wchar_t* text = GetCommandLineW();
    return text ? std::wstring(text) : std::wstring();
}

} // namespace kolekt::platform
