#include "platform/SystemError.h"

#include "platform/win32/NarrowText.h"

#include <windows.h>

namespace kolekt::platform {

namespace {

ErrorCause causeOf(DWORD error) {
    switch (error) {
    case ERROR_WRITE_PROTECT:
    case ERROR_FILE_READ_ONLY:
        return ErrorCause::ReadOnly;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ErrorCause::DiskFull;
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_BUFFER_OVERFLOW:
        return ErrorCause::NameTooLong;
    case ERROR_ACCESS_DENIED:
    case ERROR_PRIVILEGE_NOT_HELD:
        return ErrorCause::AccessDenied;
    case ERROR_NOT_SUPPORTED:
    case ERROR_INVALID_FUNCTION:
    case ERROR_NOT_SAME_DEVICE:
        return ErrorCause::NotSupported;
    default:
        return ErrorCause::Other;
    }
}

std::string reasonText(DWORD error) {
    wchar_t* text = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring wide(text != nullptr ? text : L"", length);
    ::LocalFree(text);
    // The system's text ends with a full stop and a line break, which the message brings itself.
    while (!wide.empty() && (wide.back() == L'\n' || wide.back() == L'\r' || wide.back() == L'.' ||
                             wide.back() == L' ')) {
        wide.pop_back();
    }
    if (wide.empty()) {
        return "error " + std::to_string(error);
    }
    return win32::narrowText(wide, CP_UTF8);
}

} // namespace

SystemError lastSystemError() {
    const DWORD error = ::GetLastError();
    if (error == ERROR_SUCCESS) {
        return {};
    }
    return {causeOf(error), reasonText(error)};
}

SystemError noRoomIn(const std::filesystem::path& folder) {
    ULARGE_INTEGER available{};
    if (::GetDiskFreeSpaceExW(folder.c_str(), &available, nullptr, nullptr) != 0 &&
        available.QuadPart == 0) {
        return {ErrorCause::DiskFull, reasonText(ERROR_DISK_FULL)};
    }
    return {};
}

} // namespace kolekt::platform
