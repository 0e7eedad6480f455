// What makes a file on disk the one Kolekt read or wrote: a file moved over it, or written
// by another program, differs in at least one of these.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

struct stat;

namespace kolekt {

struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedSeconds = 0;
    std::int64_t modifiedNanoseconds = 0;

    bool operator==(const FileIdentity&) const = default;
};

FileIdentity identityOf(const struct stat& info);

// The identity of the file path names (a symbolic link's target); none when it cannot be
// reached.
std::optional<FileIdentity> identityOf(const std::string& path);

} // namespace kolekt
