#include "platform/PathKind.h"

#include "Win32File.h"

#include <string>

namespace kolekt::platform {

PathKind entryKind(const std::filesystem::path& path) {
    if (win32::namesDevice(path)) {
        return PathKind::Other;
    }
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return PathKind::Missing;
    }
    if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
        return PathKind::Link;
    }
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? PathKind::Folder : PathKind::RegularFile;
}

PathKind targetKind(const std::filesystem::path& path) {
    if (win32::namesDevice(path)) {
        return PathKind::Other;
    }
    const HANDLE handle = win32::openForAttributes(path);
    if (handle == INVALID_HANDLE_VALUE) {
        return PathKind::Missing;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    PathKind kind = PathKind::Other;
    if (::GetFileType(handle) == FILE_TYPE_DISK && ::GetFileInformationByHandle(handle, &info)) {
        kind = (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? PathKind::Folder
                                                                       : PathKind::RegularFile;
    }
    ::CloseHandle(handle);
    return kind;
}

std::filesystem::path resolvedPath(const std::filesystem::path& path) {
    if (win32::namesDevice(path)) {
        return {};
    }
    const HANDLE handle = win32::openForAttributes(path);
    if (handle == INVALID_HANDLE_VALUE) {
        return {};
    }
    std::wstring resolved(MAX_PATH, L'\0');
    DWORD length = 0;
    for (;;) {
        length = ::GetFinalPathNameByHandleW(handle, resolved.data(),
                                             static_cast<DWORD>(resolved.size()),
                                             FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
        if (length < resolved.size()) {
            break;
        }
        resolved.resize(length + 1);
    }
    ::CloseHandle(handle);
    resolved.resize(length);
    // The answer is in the long-path form; the usual form names the same file.
    if (resolved.rfind(L"\\\\?\\UNC\\", 0) == 0) {
        resolved = L"\\\\" + resolved.substr(8);
    } else if (resolved.rfind(L"\\\\?\\", 0) == 0) {
        resolved = resolved.substr(4);
    }
    return resolved;
}

} // namespace kolekt::platform
