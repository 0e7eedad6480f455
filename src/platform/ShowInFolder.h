// A file shown to the user in Windows Explorer (Windows only).
#pragma once

#include <string>

namespace kolekt::platform {

// Opens Explorer on the folder of path (a full path) with the file selected; false when
// Explorer could not be asked.
bool showFileInExplorer(const std::wstring& path);

} // namespace kolekt::platform
