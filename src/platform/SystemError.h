// Why a call to the system failed: the few causes a user can act on, and the system's own words.
#pragma once

#include <filesystem>
#include <string>

namespace kolekt::platform {

enum class ErrorCause {
    None,         // nothing the system reported
    ReadOnly,     // a read-only file, folder or medium
    DiskFull,     // no room, or the user's quota is used up
    NameTooLong,  // the name or the whole path is longer than the file system allows
    AccessDenied, // the folder may not be written, or only a file's owner may replace it there
    NotSupported, // the file system cannot do what was asked
    FolderGone,   // the file's folder is no longer the one it was opened from (a stick pulled)
    Other,
};

struct SystemError {
    ErrorCause cause = ErrorCause::None;
    std::string reason; // UTF-8, in the system's language; empty with ErrorCause::None

    bool operator==(const SystemError&) const = default;
};

// The error of the last call that failed on this thread (errno, GetLastError()); read it
// straight after the failure, before another call can replace it.
SystemError lastSystemError();

// A disk-full error when the file system that holds folder has no room left for this user, which
// some file systems (FAT through FUSE) report as a refused write instead; none otherwise.
SystemError noRoomIn(const std::filesystem::path& folder);

} // namespace kolekt::platform
