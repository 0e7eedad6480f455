#pragma once

#include <string>

namespace kolekt {

// The path as messages name it: a relative path is prefixed with the working
// directory and '/'; when that cannot be determined the path comes back unchanged.
std::string absolutePath(const std::string& path);

} // namespace kolekt
