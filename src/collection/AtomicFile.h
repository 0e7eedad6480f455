// Replacing a file so that it holds either its old or its new content, never a mix.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace kolekt {

class FileSystemOps;

// Writes data to a temporary file beside path, syncs it and renames it over path,
// keeping the permission bits of the file it replaces. On any failure the temporary
// file is removed, path is untouched and the result is false.
bool writeFileAtomically(FileSystemOps& fs, const std::string& path,
                         std::span<const std::uint8_t> data);

} // namespace kolekt
