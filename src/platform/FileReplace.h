// The steps that put a written file in place of another, and take one away.
#pragma once

#include <filesystem>

namespace kolekt::platform {

// Puts from in place of to in one step: to then holds either its old or its new content. A file
// another program holds open is waited for briefly; false when it stays held or the step fails.
bool replaceFile(const std::filesystem::path& from, const std::filesystem::path& to);

void removeFile(const std::filesystem::path& path);

// Makes the folder's entries durable where the system needs to be asked; some file systems
// cannot, which is not an error.
void syncFolder(const std::filesystem::path& folder);

} // namespace kolekt::platform
