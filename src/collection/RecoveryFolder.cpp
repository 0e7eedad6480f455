#include "collection/RecoveryFolder.h"

#include "collection/CollectionPath.h"
#include "platform/UserFolders.h"

#include <algorithm>

namespace kolekt {

std::filesystem::path recoveryFolder() {
    return platform::applicationDataFolder() / "recovered";
}

std::vector<std::filesystem::path> recoveredCollections(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        std::filesystem::path name = entry.path().filename();
        if (entry.is_regular_file(error) && isCollectionPath(name)) {
            names.push_back(std::move(name));
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace kolekt
