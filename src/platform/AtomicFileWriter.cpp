#include "AtomicFileWriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <utility>
#include <vector>

#include "FileIo.h"
#include "SystemError.h"

namespace qb {
namespace {

// The mode a newly created file gets: 0666 less the process's umask.
mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

AtomicFileWriter::AtomicFileWriter(std::string path, IFileOperations& files)
    : path_(std::move(path)), files_(files) {}

AtomicFileWriter::~AtomicFileWriter() {
    Discard();
}

bool AtomicFileWriter::Open() {
    Discard();
    error_ = 0;
    if (::access(path_.c_str(), F_OK) == 0 && ::access(path_.c_str(), W_OK) != 0)
        return Fail();
    std::string pattern = path_ + ".tmpXXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    fd_ = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd_ < 0)
        return Fail();
    tempPath_ = name.data();
    struct stat existing {};
    const mode_t mode =
        ::stat(path_.c_str(), &existing) == 0 ? existing.st_mode & 07777 : NewFileMode();
    if (::fchmod(fd_, mode) != 0)
        return Fail();
    return true;
}

bool AtomicFileWriter::Write(std::string_view bytes) {
    if (fd_ < 0 || error_ != 0)
        return false;
    if (!FileIo::WriteFully(fd_, bytes, files_))
        return Fail();
    return true;
}

bool AtomicFileWriter::Commit() {
    if (fd_ < 0 || error_ != 0)
        return false;
    if (files_.Sync(fd_) != 0)
        return Fail();
    const int fd = std::exchange(fd_, -1);
    if (::close(fd) != 0 || files_.Rename(tempPath_, path_) != 0)
        return Fail();
    tempPath_.clear();
    FileIo::SyncFolderOf(path_);
    return true;
}

void AtomicFileWriter::Discard() {
    if (fd_ >= 0)
        ::close(std::exchange(fd_, -1));
    if (!tempPath_.empty())
        ::unlink(tempPath_.c_str());
    tempPath_.clear();
}

// Keeps the first error and gives the new file up.
bool AtomicFileWriter::Fail() {
    if (error_ == 0)
        error_ = SystemError::Last();
    if (error_ == 0)
        error_ = SystemError::kIoError;
    Discard();
    return false;
}

}  // namespace qb
