// What a replaced file hands on to the file that replaces it, and whether it may be replaced.
#pragma once

#include "platform/File.h"

#include <filesystem>
#include <optional>

namespace kolekt::platform {

struct KeptAttributes {
    FileMode mode = 0;
    // The owner and group, kept where they differ from the process's and it may set them.
    bool keepOwner = false;
    std::uint32_t owner = 0;
    std::uint32_t group = 0;
};

// The permission bits a new file gets: 0666 without the process's umask.
FileMode newFileMode();

// The attributes of the regular file at path, a link not followed; none for anything else, so
// that a planted link or device hands on nothing.
std::optional<KeptAttributes> regularFileAttributes(const std::filesystem::path& path);

// Gives file the owner and group of attributes where the process may (the group alone where
// only that is allowed), keeping its mode bits. False when neither could be kept and someone
// who could read a file with those attributes cannot read this one.
// Windows keeps the owner and permissions through the replace itself.
bool keepOwner(File& file, const KeptAttributes& attributes);

// The permission bits of the file path names (a link's target); none when it cannot be reached.
std::optional<FileMode> modeOf(const std::filesystem::path& path);

// A file the user may not write, or one protected against writing (all write bits off, or
// the read-only attribute), which root or an administrator could still write.
bool isWriteProtected(const std::filesystem::path& path);

} // namespace kolekt::platform
