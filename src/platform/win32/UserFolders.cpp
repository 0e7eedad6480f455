#include "platform/UserFolders.h"

#include <cstdlib>

namespace kolekt::platform {

namespace {

std::filesystem::path environmentFolder(const wchar_t* name) {
    const wchar_t* value = ::_wgetenv(name);
    if (value == nullptr) {
        return {};
    }
    const std::filesystem::path folder(value);
    return folder.is_absolute() ? folder : std::filesystem::path();
}

} // namespace

std::filesystem::path applicationDataFolder() {
    std::filesystem::path local = environmentFolder(L"LOCALAPPDATA");
    if (local.empty()) {
        const std::filesystem::path profile = environmentFolder(L"USERPROFILE");
        std::error_code ignored;
        local = profile.empty() ? std::filesystem::temp_directory_path(ignored)
                                : profile / L"AppData" / L"Local";
    }
    return local / L"Kolekt";
}

} // namespace kolekt::platform
