// The few file-system calls an atomic save makes, as virtual functions so that tests
// can make any one of them fail. The base class does the real POSIX calls.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <sys/types.h>

namespace kolekt {

class FileSystemOps {
public:
    virtual ~FileSystemOps() = default;

    // Creates a new file with a unique name starting with prefix in folder, with the
    // permission bits mode, open for writing. Returns its descriptor, or -1.
    virtual int createUnique(const std::string& folder, const std::string& prefix, mode_t mode,
                             std::string& createdPath);
    // Creates path as a new file with the permission bits mode, open for writing; never opens
    // what is already there. Returns its descriptor, or -1 with errno set (EEXIST when taken).
    virtual int createNew(const std::string& path, mode_t mode);
    virtual bool writeAll(int fd, const std::uint8_t* data, std::size_t size);
    virtual bool sync(int fd);
    virtual bool close(int fd);
    virtual bool rename(const std::string& from, const std::string& to);
    virtual void remove(const std::string& path);
    // Makes the folder's entries durable; some file systems cannot, which is not an error.
    virtual void syncFolder(const std::string& folder);

    // The process's instance, used when no other is given.
    static FileSystemOps& real();
};

} // namespace kolekt
