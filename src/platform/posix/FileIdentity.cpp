#include "platform/FileIdentity.h"

#include "StatIdentity.h"

namespace kolekt::platform {

std::optional<FileIdentity> identityOf(const std::filesystem::path& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return std::nullopt;
    }
    return identityOf(info);
}

} // namespace kolekt::platform
