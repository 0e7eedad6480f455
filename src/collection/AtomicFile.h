// Writing files so that nothing already on disk is lost: replacing a file so that it holds
// either its old or its new content, never a mix, and creating new files that never replace
// anything.
#pragma once

#include "platform/File.h"
#include "platform/SystemError.h"

#include <cstdint>
#include <filesystem>
#include <span>

namespace kolekt {

class FileSystemOps;

enum class LinkHandling {
    // A symbolic link at the path stays a link, and the file it points to is replaced: the
    // collection file, which the user may have linked on purpose.
    WriteTarget,
    // Whatever is at the path (a link, a special file) is replaced by a new regular file and
    // never followed: files Kolekt makes, which others could plant a link at.
    ReplaceName,
};

struct WriteResult {
    bool written = false;
    platform::SystemError error; // why not, when not written
    // Written, but neither the owner nor the group of the file it replaced could be kept, and
    // that file could be read by others than this user, who may now be shut out.
    bool accessNarrowed = false;

    explicit operator bool() const { return written; }
};

// Writes data to a temporary file beside the file to replace, syncs it and renames it over
// that file, which keeps its permission bits and, where the process may set them, its owner
// and group. On any failure the temporary file is removed, nothing on disk is changed and the
// result says why. written, when given, receives the identity of the new file.
WriteResult writeFileAtomically(FileSystemOps& fs, const std::filesystem::path& path,
                                std::span<const std::uint8_t> data,
                                LinkHandling links = LinkHandling::WriteTarget,
                                platform::FileIdentity* written = nullptr);

// Writes data as a new file at the first free name of "stem.extension", "stem 2.extension",
// "stem 3.extension" ... in folder; nothing that exists is ever opened. Returns the path
// written, or an empty path when no file could be written (a partly written one is removed);
// failure, when given, then receives why.
std::filesystem::path writeUniqueFile(FileSystemOps& fs, const std::filesystem::path& folder,
                                      const std::filesystem::path& stem,
                                      const std::filesystem::path& extension,
                                      std::span<const std::uint8_t> data, platform::FileMode mode,
                                      platform::FileIdentity* written = nullptr,
                                      platform::SystemError* failure = nullptr);

// The start of the names of the temporary files that replacing a file called name uses:
// ".name.kolekt-" (a hash in place of a long name) followed by six letters or digits.
std::filesystem::path temporaryPrefix(const std::filesystem::path& name);

// Removes the temporary files that an interrupted save of path (a link's target) left
// beside it; nothing else is touched. Only safe while no other save of path can run.
void removeStaleTemporaries(FileSystemOps& fs, const std::filesystem::path& path);

// The file that a save of path replaces: a symbolic link's target, else path itself.
std::filesystem::path replacedFile(const std::filesystem::path& path);

// The folder a file lies in: "." for a bare name.
std::filesystem::path folderOf(const std::filesystem::path& path);

} // namespace kolekt
