#include "platform/ShowInFolder.h"

#include <windows.h>
// shlobj.h takes its types from windows.h.
#include <shlobj.h>

namespace kolekt::platform {

bool showFileInExplorer(const std::wstring& path) {
    PIDLIST_ABSOLUTE item = ILCreateFromPathW(path.c_str());
    if (!item)
        return false;
    const HRESULT shown = SHOpenFolderAndSelectItems(item, 0, nullptr, 0);
    ILFree(item);
    return SUCCEEDED(shown);
}

} // namespace kolekt::platform
