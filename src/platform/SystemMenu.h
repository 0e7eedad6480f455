// A command of the program's own in a window's system menu (Windows only).
#pragma once

#include <cstdint>
#include <string>

namespace kolekt::platform {

// Appends a separator and then text as command to the system menu of window (a native window
// handle); replaces the text when the menu already has the command.
void setSystemMenuCommand(std::uintptr_t window, unsigned command, const std::wstring& text);

// True when message (a native message, as Qt hands it over) chose command from a system menu.
bool isSystemMenuCommand(const void* message, unsigned command);

} // namespace kolekt::platform
