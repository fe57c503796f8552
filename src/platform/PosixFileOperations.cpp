#include "PosixFileOperations.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <sstream>

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
    const int access = ::fcntl(fd, F_GETFL);
    struct flock lock {};
    lock.l_type = access >= 0 && (access & O_ACCMODE) == O_RDONLY ? F_RDLCK : F_WRLCK;
    lock.l_whence = SEEK_SET;  // from 0, length 0: the whole file, however long
    while (::fcntl(fd, F_OFD_SETLK, &lock) != 0) {
        if (errno != EINTR)
            return false;
    }
    return true;
}

bool PosixFileOperations::TryFlock(int fd) {
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EINTR)
            return false;
    }
    return true;
}

int PosixFileOperations::FileSystemType(int fd, std::uint64_t& type) {
    struct statfs info {};
    if (::fstatfs(fd, &info) != 0)
        return -1;
    // The numbers are 32 bits wide; a 32-bit f_type would carry them sign-extended.
    type = static_cast<std::uint32_t>(info.f_type);
    return 0;
}

// Each line of mountinfo: id, parent, major:minor, root, mount point,
// options, optional fields, "-", type, source, the file system's options.
int PosixFileOperations::MountOptions(int fd, std::string& options) {
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        return -1;
    const std::string device =
        std::to_string(major(info.st_dev)) + ":" + std::to_string(minor(info.st_dev));
    std::ifstream mounts("/proc/self/mountinfo");
    std::string line;
    while (std::getline(mounts, line)) {
        std::istringstream fields(line);
        std::string id, parent, numbers, field;
        fields >> id >> parent >> numbers;
        if (numbers != device)
            continue;
        while (fields >> field && field != "-") {
        }
        std::string type, source;
        fields >> type >> source >> options;
        return 0;
    }
    errno = ENOENT;
    return -1;
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
