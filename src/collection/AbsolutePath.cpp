#include "collection/AbsolutePath.h"

#include <climits>
#include <unistd.h>

namespace kolekt {

std::string absolutePath(const std::string& path) {
    if (!path.empty() && path.front() == '/') {
        return path;
    }
    char folder[PATH_MAX];
    if (getcwd(folder, sizeof folder) == nullptr) {
        return path;
    }
    return std::string(folder) + "/" + path;
}

} // namespace kolekt
