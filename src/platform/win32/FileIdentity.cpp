#include "platform/FileIdentity.h"

#include "Win32File.h"

namespace kolekt::platform {

std::optional<FileIdentity> identityOf(const std::filesystem::path& path) {
    if (win32::namesDevice(path)) {
        return std::nullopt;
    }
    const HANDLE handle = win32::openForAttributes(path);
    if (handle == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    const bool known = ::GetFileInformationByHandle(handle, &info) != 0;
    ::CloseHandle(handle);
    if (!known) {
        return std::nullopt;
    }
    return win32::identityOf(info);
}

} // namespace kolekt::platform
