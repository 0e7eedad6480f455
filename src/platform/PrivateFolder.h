// Folders that only this user may change, for files that another user must not plant, remove
// or replace.
#pragma once

#include "platform/File.h"
#include "platform/PathKind.h"

#include <cstdint>
#include <filesystem>
#include <string>

namespace kolekt::platform {

// What the system says of a folder's own entry, a link not followed.
struct FolderStatus {
    PathKind kind = PathKind::Missing;
    std::uint32_t owner = 0;
    FileMode mode = 0;
};

FolderStatus folderStatus(const std::filesystem::path& folder);

// The user the process acts for.
std::uint32_t currentUser();

// A real folder (no link) owned by user that neither its group nor others may write. Windows
// keeps no owner or mode bits here; its folders under the user's profile are the user's, so
// there only the kind counts.
bool isPrivateFolder(const FolderStatus& status, std::uint32_t user);

// Makes folder and its missing parents, the folder itself with the mode 0700, and tells whether
// it is then a private folder of this user: checked each time, since it may have been made
// first by another user or changed since.
bool makePrivateFolder(const std::filesystem::path& folder);

// Makes a new private folder named prefix followed by six letters or digits in parent; empty
// when none can be made.
std::filesystem::path makeUniquePrivateFolder(const std::filesystem::path& parent,
                                              const std::string& prefix);

} // namespace kolekt::platform
