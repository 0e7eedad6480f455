#include "collection/RecoveryFolder.h"

#include "collection/AbsolutePath.h"
#include "collection/AtomicFile.h"
#include "collection/CollectionPath.h"
#include "platform/PrivateFolder.h"
#include "platform/UserFolders.h"

#include <algorithm>

namespace kolekt {

std::vector<std::filesystem::path> recoveryFolders(const std::filesystem::path& collection) {
    std::vector<std::filesystem::path> folders;
    if (const std::filesystem::path data = platform::applicationDataFolder(); !data.empty()) {
        folders.push_back(data / "recovered");
    }
    if (const std::filesystem::path runtime = platform::runtimeFolder(); !runtime.empty()) {
        folders.push_back(runtime / "kolekt-recovered");
    }
    if (!collection.empty()) {
        folders.push_back(absolutePath(folderOf(collection)) / "Kolekt recovered");
    }
    return folders;
}

std::filesystem::path usableRecoveryFolder(const std::filesystem::path& collection) {
    for (const std::filesystem::path& folder : recoveryFolders(collection)) {
        if (platform::makePrivateFolder(folder)) {
            return folder;
        }
    }
    return {};
}

std::vector<std::filesystem::path> privateRecoveryFolders() {
    std::vector<std::filesystem::path> folders;
    for (const std::filesystem::path& folder : recoveryFolders()) {
        if (platform::isPrivateFolder(platform::folderStatus(folder), platform::currentUser())) {
            folders.push_back(folder);
        }
    }
    return folders;
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
