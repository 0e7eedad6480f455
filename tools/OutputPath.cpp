#include "OutputPath.h"

#include "platform/PathKind.h"

namespace kolekt::tool {

bool namesSpecialFile(const std::filesystem::path& path) {
    const platform::PathKind kind = platform::entryKind(path);
    return kind != platform::PathKind::Missing && kind != platform::PathKind::RegularFile &&
           kind != platform::PathKind::Link;
}

} // namespace kolekt::tool
