#pragma once

#include "IFileOperations.h"

namespace qb {

// The file operations as the system performs them.
class PosixFileOperations : public IFileOperations {
public:
    // The one instance everything uses unless a caller hands in another.
    static IFileOperations& Instance();

    int Open(const std::string& path, int flags, mode_t mode) override;
    bool TryLock(int fd) override;
    bool TryFlock(int fd) override;
    int FileSystemType(int fd, std::uint64_t& type) override;
    int MountOptions(int fd, std::string& options) override;
    ssize_t Write(int fd, const void* data, std::size_t size) override;
    int Sync(int fd) override;
    int Rename(const std::string& from, const std::string& to) override;
    int RenameNoReplace(const std::string& from, const std::string& to) override;
};

}  // namespace qb
