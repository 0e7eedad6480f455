// The command line exactly as the process was given it, program name included, before any
// splitting into arguments (Windows only).
#pragma once

#include <string>

namespace kolekt::platform {

std::wstring processCommandLine();

} // namespace kolekt::platform
