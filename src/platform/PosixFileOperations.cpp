#include "PosixFileOperations.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace qb {

IFileOperations& PosixFileOperations::Instance() {
    // Holds no state, so one shared instance is as good as a constant.
    static PosixFileOperations instance;
    return instance;
}

int PosixFileOperations::Open(const std::string& path, int flags, mode_t mode) {
    return ::open(path.c_str(), flags, mode);
}

bool PosixFileOperations::TryLock(int fd) {
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EINTR)
            return false;
    }
    return true;
}

ssize_t PosixFileOperations::Write(int fd, const void* data, std::size_t size) {
    return ::write(fd, data, size);
}

int PosixFileOperations::Sync(int fd) {
    return ::fsync(fd);
}

int PosixFileOperations::Rename(const std::string& from, const std::string& to) {
    return ::rename(from.c_str(), to.c_str());
}

int PosixFileOperations::RenameNoReplace(const std::string& from, const std::string& to) {
    int result = ::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE);
    if (result != 0 && (errno == EINVAL || errno == ENOSYS)) {
        // File systems without the no-replace rename still refuse a link
        // onto an existing name.
        result = ::link(from.c_str(), to.c_str());
        if (result == 0)
            ::unlink(from.c_str());
    }
    return result;
}

}  // namespace qb
