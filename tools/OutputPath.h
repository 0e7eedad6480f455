#pragma once

#include <filesystem>

namespace kolekt::tool {

// A folder, a device, a pipe or a socket at path: a file written there would take the place of
// something that is not a document (as root, even of a device node). Links do not count.
bool namesSpecialFile(const std::filesystem::path& path);

} // namespace kolekt::tool
