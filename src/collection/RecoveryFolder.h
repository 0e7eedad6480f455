// Where Kolekt keeps collections that could not be written to their own files when it ended:
// only in folders that no other user may change, so that none of them can remove a recovered
// collection or plant one that Kolekt would announce as recovered.
#pragma once

#include <filesystem>
#include <vector>

namespace kolekt {

// The folders a recovered collection may go to, best first: "recovered" in the user's data
// folder of Kolekt ($XDG_DATA_HOME/kolekt/recovered, by default ~/.local/share/kolekt/recovered;
// on Windows %LOCALAPPDATA%\Kolekt\recovered), "kolekt-recovered" in $XDG_RUNTIME_DIR, and,
// when collection is given, "Kolekt recovered" beside it. Folders the user has none of are
// left out.
std::vector<std::filesystem::path> recoveryFolders(const std::filesystem::path& collection = {});

// The first of recoveryFolders(collection) that is, or could be made, a private folder of this
// user; empty when none is.
std::filesystem::path usableRecoveryFolder(const std::filesystem::path& collection);

// The folders of recoveryFolders() that exist and are private to this user: the only ones
// whose collections may be announced as recovered.
std::vector<std::filesystem::path> privateRecoveryFolders();

// The names of the collection files in folder, sorted.
std::vector<std::filesystem::path> recoveredCollections(const std::filesystem::path& folder);

} // namespace kolekt
