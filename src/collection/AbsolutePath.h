#pragma once

#include <filesystem>

namespace kolekt {

// The path as messages name it: a relative path is put after the working folder; when that
// cannot be determined the path comes back unchanged.
std::filesystem::path absolutePath(const std::filesystem::path& path);

} // namespace kolekt
