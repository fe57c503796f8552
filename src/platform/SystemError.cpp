#include "SystemError.h"

#include <cerrno>
#include <cstring>

namespace qb {

std::uint32_t SystemError::FromErrno(int errnoValue) {
    switch (errnoValue) {
        case 0:
            return 0;
        case ENOENT:
            return kFileNotFound;
        case ENOTDIR:
            return kPathNotFound;
        case EMFILE:
        case ENFILE:
            return kTooManyOpenFiles;
        case EACCES:
        case EPERM:
        case EISDIR:
            return kAccessDenied;
        case ENOMEM:
            return kNotEnoughMemory;
        case EROFS:
            return kWriteProtect;
        case EWOULDBLOCK:
            return kSharingViolation;
        case EEXIST:
            return kFileExists;
        case EINVAL:
            return kInvalidParameter;
        case ENOSPC:
        case EDQUOT:
            return kDiskFull;
        case ENAMETOOLONG:
            return kFilenameTooLong;
        case EIO:
            return kIoError;
        default:
            return kUnmappedBase + static_cast<std::uint32_t>(errnoValue);
    }
}

std::string SystemError::DescribeCode(std::uint32_t code) {
    switch (code) {
        case kFileNotFound:
            return Describe(ENOENT);
        case kPathNotFound:
            return Describe(ENOTDIR);
        case kTooManyOpenFiles:
            return Describe(EMFILE);
        case kAccessDenied:
            return Describe(EACCES);
        case kNotEnoughMemory:
            return Describe(ENOMEM);
        case kWriteProtect:
            return Describe(EROFS);
        case kSharingViolation:
            return Describe(EWOULDBLOCK);
        case kFileExists:
            return Describe(EEXIST);
        case kInvalidParameter:
            return Describe(EINVAL);
        case kDiskFull:
            return Describe(ENOSPC);
        case kFilenameTooLong:
            return Describe(ENAMETOOLONG);
        case kIoError:
            return Describe(EIO);
        default:
            if (code > kUnmappedBase && code < kUnmappedBase + 4096) {
                return Describe(static_cast<int>(code - kUnmappedBase));
            }
            return "Unknown error";
    }
}

std::uint32_t SystemError::Last() {
    return FromErrno(errno);
}

std::string SystemError::Describe(int errnoValue) {
    char buffer[256];
    // GNU strerror_r returns the text, which may or may not be in buffer.
    return strerror_r(errnoValue, buffer, sizeof buffer);
}

}  // namespace qb
