#include "OutputPath.h"

#include <sys/stat.h>

namespace kolekt::tool {

bool namesSpecialFile(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode) && !S_ISLNK(info.st_mode);
}

} // namespace kolekt::tool
