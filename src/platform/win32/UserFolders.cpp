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
        if (profile.empty()) {
            return {};
        }
        local = profile / L"AppData" / L"Local";
    }
    return local / L"Kolekt";
}

std::filesystem::path runtimeFolder() {
    return {};
}

} // namespace kolekt::platform
