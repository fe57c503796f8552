#pragma once

#include <cstdint>
#include <string>

namespace qb {

// Error numbers as the program reports them. The program's messages and
// rules speak in these numbers (2 not found, 5 access denied, 32 held by
// another process ...), so every errno is mapped onto them at the boundary.
class SystemError {
public:
    static constexpr std::uint32_t kFileNotFound = 2;
    static constexpr std::uint32_t kPathNotFound = 3;
    static constexpr std::uint32_t kTooManyOpenFiles = 4;
    static constexpr std::uint32_t kAccessDenied = 5;
    static constexpr std::uint32_t kNotEnoughMemory = 8;
    static constexpr std::uint32_t kWriteProtect = 19;
    static constexpr std::uint32_t kSharingViolation = 32;
    static constexpr std::uint32_t kFileExists = 80;
    static constexpr std::uint32_t kInvalidParameter = 87;
    static constexpr std::uint32_t kDiskFull = 112;
    static constexpr std::uint32_t kFilenameTooLong = 206;
    static constexpr std::uint32_t kIoError = 1117;
    // errno values without a counterpart above are reported as this base plus errno.
    static constexpr std::uint32_t kUnmappedBase = 10000;

    // The program's number for an errno value (0 stays 0).
    static std::uint32_t FromErrno(int errnoValue);
    // The program's number for the current errno.
    static std::uint32_t Last();
    // The system's own description of an errno value.
    static std::string Describe(int errnoValue);
    // The system's description of one of the program's error numbers.
    static std::string DescribeCode(std::uint32_t code);
};

}  // namespace qb
