#pragma once

#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <string>

namespace qb {

// The system calls by which a save puts a file in place and an open takes
// its lock. PosixFileOperations makes the calls themselves; a test puts its
// own in between to see their order or to change the file at a chosen
// moment, which no real race can do reliably. Failures answer as the system
// calls do: -1 (or false) with errno set.
class IFileOperations {
public:
    virtual ~IFileOperations() = default;

    virtual int Open(const std::string& path, int flags, mode_t mode) = 0;
    // An open-file-description lock over the whole file that does not wait
    // for another holder: exclusive, or shared on a descriptor open for
    // reading only (which may not take an exclusive one).
    virtual bool TryLock(int fd) = 0;
    // An exclusive flock that does not wait for another holder.
    virtual bool TryFlock(int fd) = 0;
    // The type number statfs gives the file system that holds fd.
    virtual int FileSystemType(int fd, std::uint64_t& type) = 0;
    // The options the file system that holds fd was mounted with, as the
    // system lists them ("rw,vers=3,...,local_lock=none,...").
    virtual int MountOptions(int fd, std::string& options) = 0;
    virtual ssize_t Write(int fd, const void* data, std::size_t size) = 0;
    // Flushes the file's data to the disk.
    virtual int Sync(int fd) = 0;
    virtual int Rename(const std::string& from, const std::string& to) = 0;
    // A rename that fails with EEXIST when to exists.
    virtual int RenameNoReplace(const std::string& from, const std::string& to) = 0;
};

}  // namespace qb
