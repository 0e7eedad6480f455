// An open file, closed when the object goes, and the ways Kolekt opens and creates files.
#pragma once

#include "platform/FileIdentity.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>

namespace kolekt::platform {

// POSIX permission bits; Windows keeps none of them.
using FileMode = std::uint32_t;

class File {
public:
    // A descriptor on POSIX, a HANDLE on Windows; -1 is no file on both.
    using Native = std::intptr_t;

    File() = default;
    explicit File(Native native) : native_(native) {}
    ~File();
    File(File&& other) noexcept : native_(other.release()) {}
    File& operator=(File&& other) noexcept;
    File(const File&) = delete;
    File& operator=(const File&) = delete;

    bool isOpen() const { return native_ != kNone; }
    Native native() const { return native_; }

    // Reads up to size bytes; fewer only at the end of the file or on an error.
    std::size_t readUpTo(std::uint8_t* data, std::size_t size);
    bool writeAll(const std::uint8_t* data, std::size_t size);
    // Makes what was written durable.
    bool sync();
    std::optional<FileIdentity> identity() const;
    // Closes the file; false when the system reports that written data may be lost.
    bool close();
    // Hands the native file over to the caller, who closes it.
    Native release() {
        const Native native = native_;
        native_ = kNone;
        return native;
    }

private:
    static constexpr Native kNone = -1;

    Native native_ = kNone;
};

enum class OpenFailure {
    None,
    Missing,    // nothing at the path
    NotRegular, // a folder, a device, a pipe or a socket
    Unreadable, // it exists but may not be read
};

struct OpenedFile {
    File file;
    OpenFailure failure = OpenFailure::None;
};

// Opens a regular file for reading, shared with programs that read or write it. Anything else
// (a folder, a FIFO, a device such as CON) is refused without waiting on it.
OpenedFile openForReading(const std::filesystem::path& path);

// Creates path as a new file with the permission bits mode, open for writing; never opens what
// is already there, and never follows a link at the path. nameTaken, when given, tells whether
// the failure was that something is at the path.
File createNew(const std::filesystem::path& path, FileMode mode, bool* nameTaken = nullptr);

// Creates a new file with a unique name, prefix followed by six letters or digits, in folder,
// with the permission bits mode, open for writing; createdPath receives its path.
File createUnique(const std::filesystem::path& folder, const std::filesystem::path& prefix,
                  FileMode mode, std::filesystem::path& createdPath);

} // namespace kolekt::platform
