// A system library loaded for one request and released after it, and its entry points.
#pragma once

#include <windows.h>

namespace kolekt::platform {

class RuntimeLibrary {
public:
    explicit RuntimeLibrary(const wchar_t* name) : module_(LoadLibraryW(name)) {}
    ~RuntimeLibrary() {
        if (module_)
            FreeLibrary(module_);
    }
    RuntimeLibrary(const RuntimeLibrary&) = delete;
    RuntimeLibrary& operator=(const RuntimeLibrary&) = delete;

    bool loaded() const { return module_ != nullptr; }

    // The entry point name as a function of type Function, null when the library lacks it.
    template <typename Function> Function entry(const char* name) const {
        // GetProcAddress returns one generic function type for every entry point.
        return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module_, name)));
    }

private:
    HMODULE module_;
};

} // namespace kolekt::platform
