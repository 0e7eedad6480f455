#include "platform/SystemError.h"

#include <cerrno>
#include <cstring>
#include <sys/statvfs.h>

namespace kolekt::platform {

namespace {

ErrorCause causeOf(int error) {
    switch (error) {
    case EROFS:
        return ErrorCause::ReadOnly;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return ErrorCause::DiskFull;
    case ENAMETOOLONG:
        return ErrorCause::NameTooLong;
    case EACCES:
    case EPERM:
        return ErrorCause::AccessDenied;
    case EOPNOTSUPP:
#if ENOTSUP != EOPNOTSUPP
    case ENOTSUP:
#endif
    case ENOSYS:
        return ErrorCause::NotSupported;
    default:
        return ErrorCause::Other;
    }
}

// strerror_r comes in two kinds; either way the text is the system's.
[[maybe_unused]] const char* reasonText(int result, const char* buffer) {
    return result == 0 ? buffer : "";
}
[[maybe_unused]] const char* reasonText(const char* result, const char*) {
    return result;
}

SystemError systemError(int error) {
    char buffer[256] = {};
    return {causeOf(error), reasonText(::strerror_r(error, buffer, sizeof buffer), buffer)};
}

} // namespace

SystemError lastSystemError() {
    const int error = errno;
    return error == 0 ? SystemError{} : systemError(error);
}

SystemError noRoomIn(const std::filesystem::path& folder) {
    struct statvfs room {};
    if (::statvfs(folder.c_str(), &room) == 0 && room.f_bavail == 0) {
        return systemError(ENOSPC);
    }
    return {};
}

} // namespace kolekt::platform
