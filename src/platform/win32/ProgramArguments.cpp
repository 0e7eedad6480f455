#include "platform/ProgramArguments.h"

#include "platform/win32/NarrowText.h"

#include <windows.h>

namespace kolekt::platform {

namespace {

std::wstring wideOf(const std::string& text) {
    if (text.empty()) {
        return {};
    }
    const int size =
        ::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                          size);
    return wide;
}

} // namespace

std::vector<std::string> programArguments(int argc, char** argv) {
    int count = 0;
    LPWSTR* wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (wide == nullptr) {
        return argc > 1 ? std::vector<std::string>(argv + 1, argv + argc)
                        : std::vector<std::string>();
    }
    std::vector<std::string> arguments;
    for (int i = 1; i < count; ++i) {
        arguments.push_back(win32::narrowText(wide[i], CP_UTF8));
    }
    ::LocalFree(wide);
    return arguments;
}

std::filesystem::path pathFromArgument(const std::string& argument) {
    return wideOf(argument);
}

std::string argumentFromPath(const std::filesystem::path& path) {
    return win32::narrowText(path.native(), CP_UTF8);
}

} // namespace kolekt::platform
