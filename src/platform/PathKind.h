// What a path names, asked without opening it, and where a link leads.
#pragma once

#include <filesystem>

namespace kolekt::platform {

enum class PathKind {
    Missing,
    RegularFile,
    Link, // a symbolic link (on Windows any reparse point), only when links are not followed
    Folder,
    Other, // a device, a pipe, a socket; on Windows also the device names such as CON and NUL
};

// The kind of the entry at path itself: a link is a Link.
PathKind entryKind(const std::filesystem::path& path);

// The kind of what path leads to, through any links.
PathKind targetKind(const std::filesystem::path& path);

// The absolute path of the file path names, with every link resolved; empty when path names
// nothing.
std::filesystem::path resolvedPath(const std::filesystem::path& path);

} // namespace kolekt::platform
