// The folders the system gives a user's program data.
#pragma once

#include <filesystem>

namespace kolekt::platform {

// Where Kolekt keeps data of its own for this user: $XDG_DATA_HOME/kolekt (by default
// ~/.local/share/kolekt), on Windows %LOCALAPPDATA%\Kolekt.
std::filesystem::path applicationDataFolder();

} // namespace kolekt::platform
