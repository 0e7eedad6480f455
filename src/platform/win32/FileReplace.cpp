#include "platform/FileReplace.h"

#include <windows.h>

namespace kolekt::platform {

namespace {

// An antivirus scan or the secretary's program holding the file lets go within moments; a
// program that keeps it open longer gets the failure, and the file stays as it was.
constexpr int kAttempts = 20;
constexpr DWORD kPauseMilliseconds = 100;

bool heldByAnother(DWORD error) {
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ||
           error == ERROR_ACCESS_DENIED || error == ERROR_UNABLE_TO_REMOVE_REPLACED;
}

// Whether another program's open of path would keep it from being replaced, asked first: a
// ReplaceFileW that fails on such a file may leave a temporary file of its own behind.
DWORD replaceableState(const std::filesystem::path& path) {
    const HANDLE probe = ::CreateFileW(
        path.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
        OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (probe == INVALID_HANDLE_VALUE) {
        return ::GetLastError();
    }
    ::CloseHandle(probe);
    return ERROR_SUCCESS;
}

// ReplaceFileW keeps the replaced file's attributes and permissions; it needs a file to
// replace and a file system that can, and the plain move does the rest.
DWORD replaceOnce(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (const DWORD state = replaceableState(to); heldByAnother(state)) {
        return state;
    }
    if (::ReplaceFileW(to.c_str(), from.c_str(), nullptr,
                       REPLACEFILE_IGNORE_MERGE_ERRORS | REPLACEFILE_IGNORE_ACL_ERRORS, nullptr,
                       nullptr) != 0) {
        return ERROR_SUCCESS;
    }
    const DWORD error = ::GetLastError();
    if (heldByAnother(error)) {
        return error;
    }
    if (::MoveFileExW(from.c_str(), to.c_str(),
                      MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0) {
        return ERROR_SUCCESS;
    }
    return ::GetLastError();
}

} // namespace

bool replaceFile(const std::filesystem::path& from, const std::filesystem::path& to) {
    for (int attempt = 1;; ++attempt) {
        const DWORD error = replaceOnce(from, to);
        if (error == ERROR_SUCCESS) {
            return true;
        }
        if (!heldByAnother(error) || attempt == kAttempts) {
            // Told to whoever asks why.
            ::SetLastError(error);
            return false;
        }
        ::Sleep(kPauseMilliseconds);
    }
}

void removeFile(const std::filesystem::path& path) {
    ::DeleteFileW(path.c_str());
}

// A folder's entries are journaled with the file system's metadata; MOVEFILE_WRITE_THROUGH
// and FlushFileBuffers already made the replace durable.
void syncFolder(const std::filesystem::path&) {}

} // namespace kolekt::platform
