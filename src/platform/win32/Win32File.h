// What the Win32 side of the file jobs shares: the handle behind a File, the names that reach
// a device instead of a file, and a handle's identity.
#pragma once

#include "platform/File.h"

#include <windows.h>

namespace kolekt::platform::win32 {

inline HANDLE handleOf(File::Native native) {
    return reinterpret_cast<HANDLE>(native);
}

inline File::Native nativeOf(HANDLE handle) {
    return reinterpret_cast<File::Native>(handle);
}

// A path in the device namespace (\\.\PhysicalDrive0, \\?\GLOBALROOT\...) or ending in a
// reserved device name (CON, NUL, COM1, "con.k09"...): opening it reaches a device.
bool namesDevice(const std::filesystem::path& path);

// Opens what path names (through links) for its attributes only, which no share mode of
// another open refuses.
HANDLE openForAttributes(const std::filesystem::path& path, DWORD flags = 0);

FileIdentity identityOf(const BY_HANDLE_FILE_INFORMATION& info);

} // namespace kolekt::platform::win32
