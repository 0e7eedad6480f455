#include "platform/FileReplace.h"

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace kolekt::platform {

bool replaceFile(const std::filesystem::path& from, const std::filesystem::path& to) {
    return std::rename(from.c_str(), to.c_str()) == 0;
}

void removeFile(const std::filesystem::path& path) {
    ::unlink(path.c_str());
}

void syncFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace kolekt::platform
