#include "FileLock.h"

#include <cerrno>
#include <cstdio>

namespace qb {
namespace {

// Conflicting byte-range locks answer EAGAIN or EACCES, and an SMB client
// reports a lock held by another client as EACCES too; all of them mean that
// someone else has the file.
int AsHeldElsewhere(int errnoValue) {
    return errnoValue == EAGAIN || errnoValue == EACCES ? EWOULDBLOCK : errnoValue;
}

// NFS and SMB clients turn flock into a whole-file byte-range lock.
bool EmulatesFlock(std::uint64_t type) {
    return type == FileLock::kNfsMagic || type == FileLock::kCifsMagic ||
           type == FileLock::kSmb2Magic;
}

}  // namespace

std::string FileLock::NameOfType(std::uint64_t type) {
    switch (type) {
        case kNfsMagic:
            return "nfs";
        case kCifsMagic:
            return "cifs";
        case kSmb2Magic:
            return "smb3";
        case kSmbfsMagic:
            return "smbfs";
        case kFuseMagic:
            return "fuse";
        case kCodaMagic:
            return "coda";
        default: {
            char hex[32];
            std::snprintf(hex, sizeof hex, "0x%llx", static_cast<unsigned long long>(type));
            return hex;
        }
    }
}

// FUSE passes a lock to the file system's own program only when that
// program implements locking, which the network ones (sshfs, the desktop's
// network folders, WebDAV through davfs2) do not: the kernel then keeps the
// lock on this computer. Coda and the old smbfs client never send locks to
// the server.
FileLock::Scope FileLock::ScopeOfType(std::uint64_t type) {
    Scope scope;
    scope.fileSystem = NameOfType(type);
    if (type == kFuseMagic || type == kCodaMagic || type == kSmbfsMagic)
        scope.reach = Reach::kThisComputer;
    return scope;
}

std::string FileLock::NfsLocalLockOption(const std::string& options) {
    std::string::size_type start = 0;
    while (start <= options.size()) {
        std::string::size_type end = options.find(',', start);
        if (end == std::string::npos)
            end = options.size();
        const std::string option = options.substr(start, end - start);
        if (option == "nolock" || option == "local_lock=posix" || option == "local_lock=all")
            return option;
        start = end + 1;
    }
    return {};
}

bool FileLock::MeansNotSupported(int errnoValue) {
    return errnoValue == ENOLCK || errnoValue == EOPNOTSUPP || errnoValue == EINVAL ||
           errnoValue == ENOSYS;
}

bool FileLock::Take(int fd, IFileOperations& files, Scope& scope) {
    std::uint64_t type = 0;
    const bool typeKnown = files.FileSystemType(fd, type) == 0;
    scope = typeKnown ? ScopeOfType(type) : Scope{};
    std::string options;
    if (typeKnown && type == kNfsMagic && files.MountOptions(fd, options) == 0) {
        const std::string local = NfsLocalLockOption(options);
        if (!local.empty()) {
            scope.reach = Reach::kThisComputer;
            scope.fileSystem += " " + local;
        }
    }
    if (!files.TryLock(fd)) {
        const int failure = errno;
        if (!MeansNotSupported(failure)) {
            errno = AsHeldElsewhere(failure);
            return false;
        }
        scope.reach = Reach::kNotSupported;
    } else if (typeKnown && EmulatesFlock(type)) {
        return true;
    }
    if (!files.TryFlock(fd)) {
        const int failure = errno;
        // Without flock the description lock alone guards the file.
        if (MeansNotSupported(failure))
            return true;
        errno = AsHeldElsewhere(failure);
        return false;
    }
    return true;
}

}  // namespace qb
