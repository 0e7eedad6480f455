// A stat record as a file identity.
#pragma once

#include "platform/FileIdentity.h"

#include <sys/stat.h>

namespace kolekt::platform {

inline FileIdentity identityOf(const struct stat& info) {
#if defined(__APPLE__)
    const struct timespec& modified = info.st_mtimespec;
#else
    const struct timespec& modified = info.st_mtim;
#endif
    return {static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino),
            static_cast<std::int64_t>(info.st_size), static_cast<std::int64_t>(modified.tv_sec),
            static_cast<std::int64_t>(modified.tv_nsec)};
}

} // namespace kolekt::platform
