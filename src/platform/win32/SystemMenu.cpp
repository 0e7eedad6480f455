#include "platform/SystemMenu.h"

#include <windows.h>

namespace kolekt::platform {

void setSystemMenuCommand(std::uintptr_t window, unsigned command, const std::wstring& text) {
    HMENU menu = GetSystemMenu(reinterpret_cast<HWND>(window), FALSE);
    if (!menu)
        return;
    if (GetMenuState(menu, command, MF_BYCOMMAND) != static_cast<UINT>(-1)) {
        ModifyMenuW(menu, command, MF_BYCOMMAND | MF_STRING, command, text.c_str());
        return;
    }
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, command, text.c_str());
}

bool isSystemMenuCommand(const void* message, unsigned command) {
    const auto* msg = static_cast<const MSG*>(message);
    // The system keeps the low four bits of a system command for itself.
    return msg->message == WM_SYSCOMMAND && (msg->wParam & 0xFFF0) == command;
}

} // namespace kolekt::platform
