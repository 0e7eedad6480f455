// The rules for a collection file's name: what is one, and the name of the return file
// for the secretary derived from it.
#pragma once

#include <filesystem>

namespace kolekt {

// True when path ends in ".k09" in any letter case: only such files have a return file.
bool isCollectionPath(const std::filesystem::path& path);

// The collection file's path with its own ".k09" or ".K09" extension replaced by ".k19".
// Folder names are never touched, so the return file always lies beside the
// collection file; any other path comes back unchanged.
std::filesystem::path returnPath(const std::filesystem::path& collectionPath);

} // namespace kolekt
