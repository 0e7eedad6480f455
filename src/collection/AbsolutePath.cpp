#include "collection/AbsolutePath.h"

namespace kolekt {

std::filesystem::path absolutePath(const std::filesystem::path& path) {
    if (path.is_absolute()) {
        return path;
    }
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::current_path(error);
    if (error) {
        return path;
    }
    return folder / path;
}

} // namespace kolekt
