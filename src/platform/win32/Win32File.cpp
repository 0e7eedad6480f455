#include "Win32File.h"

#include <algorithm>
#include <array>
#include <cwctype>
#include <string>

namespace kolekt::platform::win32 {

namespace {

// FILETIME counts 100 ns steps from 1601; the identity counts from 1970 like POSIX.
constexpr std::int64_t kStepsPerSecond = 10'000'000;
constexpr std::int64_t kSecondsFrom1601To1970 = 11'644'473'600;
constexpr std::int64_t kNanosecondsPerStep = 100;

bool startsWith(const std::wstring& text, const wchar_t* prefix) {
    return text.rfind(prefix, 0) == 0;
}

bool isReservedName(std::wstring name) {
    // Windows ignores what follows the first dot, and trailing blanks and colons.
    name = name.substr(0, name.find(L'.'));
    while (!name.empty() && (name.back() == L' ' || name.back() == L':')) {
        name.pop_back();
    }
    std::transform(name.begin(), name.end(), name.begin(),
                   [](wchar_t c) { return static_cast<wchar_t>(std::towupper(c)); });
    static const std::array<const wchar_t*, 6> kNames{L"CON", L"PRN",    L"AUX",
                                                      L"NUL", L"CONIN$", L"CONOUT$"};
    if (std::find_if(kNames.begin(), kNames.end(), [&](const wchar_t* n) { return name == n; }) !=
        kNames.end()) {
        return true;
    }
    return name.size() == 4 && (startsWith(name, L"COM") || startsWith(name, L"LPT")) &&
           name[3] >= L'1' && name[3] <= L'9';
}

} // namespace

bool namesDevice(const std::filesystem::path& path) {
    std::wstring text = path.native();
    std::replace(text.begin(), text.end(), L'/', L'\\');
    if (startsWith(text, L"\\\\.\\")) {
        return true;
    }
    if (startsWith(text, L"\\\\?\\")) {
        const std::wstring rest = text.substr(4);
        const bool drive =
            rest.size() >= 3 && std::iswalpha(rest[0]) && rest[1] == L':' && rest[2] == L'\\';
        const bool unc = rest.size() >= 4 && std::towupper(rest[0]) == L'U' &&
                         std::towupper(rest[1]) == L'N' && std::towupper(rest[2]) == L'C' &&
                         rest[3] == L'\\';
        if (!drive && !unc) {
            return true;
        }
    }
    return isReservedName(path.filename().native());
}

HANDLE openForAttributes(const std::filesystem::path& path, DWORD flags) {
    return ::CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | flags, nullptr);
}

FileIdentity identityOf(const BY_HANDLE_FILE_INFORMATION& info) {
    const std::int64_t written = static_cast<std::int64_t>(
        (static_cast<std::uint64_t>(info.ftLastWriteTime.dwHighDateTime) << 32) |
        info.ftLastWriteTime.dwLowDateTime);
    return {info.dwVolumeSerialNumber,
            (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow,
            static_cast<std::int64_t>((static_cast<std::uint64_t>(info.nFileSizeHigh) << 32) |
                                      info.nFileSizeLow),
            written / kStepsPerSecond - kSecondsFrom1601To1970,
            (written % kStepsPerSecond) * kNanosecondsPerStep};
}

} // namespace kolekt::platform::win32
