#include "platform/PrivateFolder.h"

#include <random>

namespace kolekt::platform {

FolderStatus folderStatus(const std::filesystem::path& folder) {
    return {entryKind(folder), 0, 0};
}

std::uint32_t currentUser() {
    return 0;
}

bool isPrivateFolder(const FolderStatus& status, std::uint32_t /*user*/) {
    return status.kind == PathKind::Folder;
}

bool makePrivateFolder(const std::filesystem::path& folder) {
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    return isPrivateFolder(folderStatus(folder), currentUser());
}

std::filesystem::path makeUniquePrivateFolder(const std::filesystem::path& parent,
                                              const std::string& prefix) {
    static constexpr char kLetters[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::random_device random;
    std::uniform_int_distribution<std::size_t> pick(0, sizeof(kLetters) - 2);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = prefix;
        for (int i = 0; i < 6; ++i) {
            name += kLetters[pick(random)];
        }
        std::error_code error;
        const std::filesystem::path folder = parent / name;
        if (std::filesystem::create_directory(folder, error)) {
            return folder;
        }
        if (error && error != std::errc::file_exists) {
            return {};
        }
    }
    return {};
}

} // namespace kolekt::platform
