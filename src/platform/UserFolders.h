// The folders the system gives a user's program data.
#pragma once

#include <filesystem>

namespace kolekt::platform {

// Where Kolekt keeps data of its own for this user: $XDG_DATA_HOME/kolekt (by default
// ~/.local/share/kolekt), on Windows %LOCALAPPDATA%\Kolekt. Empty when the user has no home
// folder to put it in: a folder shared with other users is no place for it.
std::filesystem::path applicationDataFolder();

// The user's own folder for files that last until the user logs out, $XDG_RUNTIME_DIR; empty
// where there is none (always on Windows).
std::filesystem::path runtimeFolder();

} // namespace kolekt::platform
