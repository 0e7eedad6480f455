// What makes a file on disk the one Kolekt read or wrote: a file moved over it, or written
// by another program, differs in at least one of these.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

namespace kolekt::platform {

struct FileIdentity {
    std::uint64_t device = 0; // the device, on Windows the volume's serial number
    std::uint64_t inode = 0;  // the inode, on Windows the file index
    std::int64_t size = 0;
    std::int64_t modifiedSeconds = 0;
    std::int64_t modifiedNanoseconds = 0;

    bool operator==(const FileIdentity&) const = default;
};

// The identity of the file path names (a symbolic link's target); none when it cannot be
// reached.
std::optional<FileIdentity> identityOf(const std::filesystem::path& path);

} // namespace kolekt::platform
