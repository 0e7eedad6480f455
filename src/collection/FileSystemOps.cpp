#include "collection/FileSystemOps.h"

#include "platform/FileReplace.h"

namespace kolekt {

platform::File FileSystemOps::createUnique(const std::filesystem::path& folder,
                                           const std::filesystem::path& prefix,
                                           platform::FileMode mode,
                                           std::filesystem::path& createdPath) {
    return platform::createUnique(folder, prefix, mode, createdPath);
}

platform::File FileSystemOps::createNew(const std::filesystem::path& path, platform::FileMode mode,
                                        bool& nameTaken) {
    return platform::createNew(path, mode, &nameTaken);
}

bool FileSystemOps::writeAll(platform::File& file, const std::uint8_t* data, std::size_t size) {
    return file.writeAll(data, size);
}

bool FileSystemOps::sync(platform::File& file) {
    return file.sync();
}

bool FileSystemOps::close(platform::File& file) {
    return file.close();
}

bool FileSystemOps::rename(const std::filesystem::path& from, const std::filesystem::path& to) {
    return platform::replaceFile(from, to);
}

void FileSystemOps::remove(const std::filesystem::path& path) {
    platform::removeFile(path);
}

void FileSystemOps::syncFolder(const std::filesystem::path& folder) {
    platform::syncFolder(folder);
}

platform::SystemError FileSystemOps::lastError() {
    return platform::lastSystemError();
}

FileSystemOps& FileSystemOps::real() {
    static FileSystemOps instance;
    return instance;
}

} // namespace kolekt
