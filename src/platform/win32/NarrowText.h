// Windows' UTF-16 text as bytes of a code page (UTF-8, the system's), for the calls and the
// callers that take narrow strings.
#pragma once

#include <string>
#include <string_view>
#include <windows.h>

namespace kolekt::platform::win32 {

// Where lossy is given it tells whether a letter had no byte of its own in the code page; for
// UTF-8, which has every letter, Windows refuses that question and lossy must stay null.
inline std::string narrowText(std::wstring_view text, UINT codePage, DWORD flags = 0,
                              BOOL* lossy = nullptr) {
    if (text.empty())
        return {};
    const int length = static_cast<int>(text.size());
    const int size =
        WideCharToMultiByte(codePage, flags, text.data(), length, nullptr, 0, nullptr, lossy);
    if (size <= 0)
        return {};
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(codePage, flags, text.data(), length, bytes.data(), size, nullptr, lossy);
    return bytes;
}

} // namespace kolekt::platform::win32
