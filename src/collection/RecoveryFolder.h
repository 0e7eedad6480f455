// Where Kolekt keeps collections that could not be written to their own files when it ended.
#pragma once

#include <filesystem>
#include <vector>

namespace kolekt {

// "recovered" in the user's data folder of Kolekt: $XDG_DATA_HOME/kolekt/recovered, by default
// ~/.local/share/kolekt/recovered; on Windows %LOCALAPPDATA%\Kolekt\recovered.
std::filesystem::path recoveryFolder();

// The names of the collection files in folder, sorted.
std::vector<std::filesystem::path> recoveredCollections(const std::filesystem::path& folder);

} // namespace kolekt
