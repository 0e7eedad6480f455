#include "platform/File.h"

#include "Win32File.h"

#include <algorithm>
#include <limits>
#include <random>
#include <string>

namespace kolekt::platform {

namespace {

using win32::handleOf;
using win32::nativeOf;

constexpr int kUniqueAttempts = 100;
constexpr std::size_t kUniqueLetters = 6;
constexpr DWORD kLargestStep = std::numeric_limits<DWORD>::max() / 2;

DWORD stepOf(std::size_t size) {
    return static_cast<DWORD>(std::min<std::size_t>(size, kLargestStep));
}

// The six letters or digits of a unique name.
std::string uniqueLetters(std::mt19937& random) {
    static constexpr char kLetters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
    std::string letters;
    for (std::size_t i = 0; i < kUniqueLetters; ++i) {
        letters += kLetters[pick(random)];
    }
    return letters;
}

} // namespace

File::~File() {
    if (isOpen()) {
        ::CloseHandle(handleOf(native_));
    }
}

File& File::operator=(File&& other) noexcept {
    if (this != &other) {
        if (isOpen()) {
            ::CloseHandle(handleOf(native_));
        }
        native_ = other.release();
    }
    return *this;
}

std::size_t File::readUpTo(std::uint8_t* data, std::size_t size) {
    std::size_t got = 0;
    while (got < size) {
        DWORD n = 0;
        if (::ReadFile(handleOf(native_), data + got, stepOf(size - got), &n, nullptr) == 0 ||
            n == 0) {
            break;
        }
        got += n;
    }
    return got;
}

bool File::writeAll(const std::uint8_t* data, std::size_t size) {
    while (size > 0) {
        DWORD written = 0;
        if (::WriteFile(handleOf(native_), data, stepOf(size), &written, nullptr) == 0 ||
            written == 0) {
            return false;
        }
        data += written;
        size -= written;
    }
    return true;
}

bool File::sync() {
    return ::FlushFileBuffers(handleOf(native_)) != 0;
}

std::optional<FileIdentity> File::identity() const {
    BY_HANDLE_FILE_INFORMATION info{};
    if (::GetFileInformationByHandle(handleOf(native_), &info) == 0) {
        return std::nullopt;
    }
    return win32::identityOf(info);
}

bool File::close() {
    return ::CloseHandle(handleOf(release())) != 0;
}

OpenedFile openForReading(const std::filesystem::path& path) {
    OpenedFile opened;
    if (win32::namesDevice(path)) {
        opened.failure = OpenFailure::NotRegular;
        return opened;
    }
    // Shared with every other open, so the secretary's program may keep the file open; a folder
    // opens too, to be refused as one.
    const HANDLE handle = ::CreateFileW(
        path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
        OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD error = ::GetLastError();
        opened.failure = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ||
                                 error == ERROR_INVALID_NAME || error == ERROR_BAD_NETPATH
                             ? OpenFailure::Missing
                             : OpenFailure::Unreadable;
        return opened;
    }
    opened.file = File(nativeOf(handle));
    BY_HANDLE_FILE_INFORMATION info{};
    if (::GetFileType(handle) != FILE_TYPE_DISK ||
        ::GetFileInformationByHandle(handle, &info) == 0 ||
        (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        opened.file = File();
        opened.failure = OpenFailure::NotRegular;
    }
    return opened;
}

File createNew(const std::filesystem::path& path, FileMode, bool* nameTaken) {
    if (nameTaken != nullptr) {
        *nameTaken = false;
    }
    if (win32::namesDevice(path)) {
        return File();
    }
    const HANDLE handle =
        ::CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW,
                      FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD error = ::GetLastError();
        if (nameTaken != nullptr) {
            *nameTaken = error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS;
        }
        return File();
    }
    return File(nativeOf(handle));
}

File createUnique(const std::filesystem::path& folder, const std::filesystem::path& prefix,
                  FileMode mode, std::filesystem::path& createdPath) {
    std::random_device seed;
    std::mt19937 random(seed());
    for (int attempt = 0; attempt < kUniqueAttempts; ++attempt) {
        std::filesystem::path candidate = folder / prefix;
        candidate += uniqueLetters(random);
        bool taken = false;
        File file = createNew(candidate, mode, &taken);
        if (file.isOpen()) {
            createdPath = candidate;
            return file;
        }
        if (!taken) {
            return file;
        }
    }
    return File();
}

} // namespace kolekt::platform
