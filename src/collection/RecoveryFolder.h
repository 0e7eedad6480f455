// Where Kolekt keeps collections that could not be written to their own files when it ended.
#pragma once

#include <string>
#include <vector>

namespace kolekt {

// $XDG_DATA_HOME/kolekt/recovered, by default ~/.local/share/kolekt/recovered.
std::string recoveryFolder();

// The names of the collection files in folder, sorted.
std::vector<std::string> recoveredCollections(const std::string& folder);

} // namespace kolekt
