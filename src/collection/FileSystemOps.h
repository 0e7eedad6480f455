// The few file-system calls an atomic save makes, as virtual functions so that tests
// can make any one of them fail. The base class makes the real calls.
#pragma once

#include "platform/File.h"
#include "platform/SystemError.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>

namespace kolekt {

class FileSystemOps {
public:
    virtual ~FileSystemOps() = default;

    // Creates a new file with a unique name starting with prefix in folder, with the
    // permission bits mode, open for writing; no file when that fails.
    virtual platform::File createUnique(const std::filesystem::path& folder,
                                        const std::filesystem::path& prefix,
                                        platform::FileMode mode,
                                        std::filesystem::path& createdPath);
    // Creates path as a new file with the permission bits mode, open for writing; never opens
    // what is already there (nameTaken then tells so).
    virtual platform::File createNew(const std::filesystem::path& path, platform::FileMode mode,
                                     bool& nameTaken);
    virtual bool writeAll(platform::File& file, const std::uint8_t* data, std::size_t size);
    virtual bool sync(platform::File& file);
    virtual bool close(platform::File& file);
    virtual bool rename(const std::filesystem::path& from, const std::filesystem::path& to);
    virtual void remove(const std::filesystem::path& path);
    // Makes the folder's entries durable; some file systems cannot, which is not an error.
    virtual void syncFolder(const std::filesystem::path& folder);
    // Why the step that has just failed failed; asked before any other step runs.
    virtual platform::SystemError lastError();

    // The process's instance, used when no other is given.
    static FileSystemOps& real();
};

} // namespace kolekt
