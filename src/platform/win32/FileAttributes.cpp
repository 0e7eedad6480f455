#include "platform/FileAttributes.h"

#include "Win32File.h"

namespace kolekt::platform {

namespace {

constexpr FileMode kWritable = 0666;
constexpr FileMode kReadOnly = 0444;

FileMode modeOfAttributes(DWORD attributes) {
    return (attributes & FILE_ATTRIBUTE_READONLY) != 0 ? kReadOnly : kWritable;
}

} // namespace

FileMode newFileMode() {
    return kWritable;
}

std::optional<KeptAttributes> regularFileAttributes(const std::filesystem::path& path) {
    if (win32::namesDevice(path)) {
        return std::nullopt;
    }
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES ||
        (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) != 0) {
        return std::nullopt;
    }
    return KeptAttributes{modeOfAttributes(attributes)};
}

bool keepOwner(File&, const KeptAttributes&) {
    return true;
}

std::optional<FileMode> modeOf(const std::filesystem::path& path) {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return std::nullopt;
    }
    return modeOfAttributes(attributes);
}

bool isWriteProtected(const std::filesystem::path& path) {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        return true;
    }
    // Opened for writing only to ask; a program holding it open is no protection.
    const HANDLE handle = ::CreateFileW(path.c_str(), GENERIC_WRITE,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return ::GetLastError() == ERROR_ACCESS_DENIED;
    }
    ::CloseHandle(handle);
    return false;
}

} // namespace kolekt::platform
