#include "platform/PrivateFolder.h"

#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace kolekt::platform {

FolderStatus folderStatus(const std::filesystem::path& folder) {
    struct stat info {};
    if (::lstat(folder.c_str(), &info) != 0) {
        return {};
    }
    return {entryKind(folder), static_cast<std::uint32_t>(info.st_uid),
            static_cast<FileMode>(info.st_mode & 07777)};
}

std::uint32_t currentUser() {
    return static_cast<std::uint32_t>(::geteuid());
}

bool isPrivateFolder(const FolderStatus& status, std::uint32_t user) {
    return status.kind == PathKind::Folder && status.owner == user &&
           (status.mode & (S_IWGRP | S_IWOTH)) == 0;
}

bool makePrivateFolder(const std::filesystem::path& folder) {
    std::error_code ignored;
    std::filesystem::create_directories(folder.parent_path(), ignored);
    ::mkdir(folder.c_str(), S_IRWXU);
    return isPrivateFolder(folderStatus(folder), currentUser());
}

std::filesystem::path makeUniquePrivateFolder(const std::filesystem::path& parent,
                                              const std::string& prefix) {
    std::string pattern = (parent / prefix).native() + "XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) {
        return {};
    }
    return pattern;
}

} // namespace kolekt::platform
