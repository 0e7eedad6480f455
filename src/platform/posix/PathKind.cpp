#include "platform/PathKind.h"

#include <climits>
#include <cstdlib>
#include <sys/stat.h>

namespace kolekt::platform {

namespace {

PathKind kindOf(int result, const struct stat& info) {
    if (result != 0) {
        return PathKind::Missing;
    }
    if (S_ISREG(info.st_mode)) {
        return PathKind::RegularFile;
    }
    if (S_ISLNK(info.st_mode)) {
        return PathKind::Link;
    }
    return S_ISDIR(info.st_mode) ? PathKind::Folder : PathKind::Other;
}

} // namespace

PathKind entryKind(const std::filesystem::path& path) {
    struct stat info {};
    const int result = ::lstat(path.c_str(), &info);
    return kindOf(result, info);
}

PathKind targetKind(const std::filesystem::path& path) {
    struct stat info {};
    const int result = ::stat(path.c_str(), &info);
    return kindOf(result, info);
}

std::filesystem::path resolvedPath(const std::filesystem::path& path) {
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved) == nullptr) {
        return {};
    }
    return resolved;
}

} // namespace kolekt::platform
