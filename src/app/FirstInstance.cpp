#include "FirstInstance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace qb {

std::string FirstInstance::LockPathFor(const std::string& runtimeFolder) {
    std::string folder = runtimeFolder.empty() ? std::string("/tmp") : runtimeFolder;
    if (folder.back() != '/')
        folder += '/';
    return folder + "quellbrandiren-" + std::to_string(::getuid()) + ".lock";
}

FirstInstance::FirstInstance(const std::string& runtimeFolder) : path_(LockPathFor(runtimeFolder)) {
    // The file itself stays: removing it would let a later process lock a
    // new file while the first still holds the old one.
    const int fd = ::open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        return;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return;
    }
    fd_ = fd;
}

FirstInstance::~FirstInstance() {
    if (fd_ >= 0)
        ::close(fd_);
}

}  // namespace qb
