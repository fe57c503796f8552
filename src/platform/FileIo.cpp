#include "FileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <vector>

#include "AtomicFileWriter.h"
#include "HeapAdvice.h"
#include "SystemError.h"

namespace qb {
namespace {

// How much a buffer grows at least when a file is longer than it said.
constexpr std::size_t kReadStep = 65536;

std::string FolderOf(const std::string& path) {
    std::string::size_type slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

// Closes a descriptor on every way out of a function.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return fd_; }

private:
    int fd_;
};

}  // namespace

bool FileIo::ReadAll(const std::string& path, std::string& out, std::uint32_t& error,
                     bool createIfMissing) {
    error = 0;
    int flags = O_RDONLY | O_CLOEXEC;
    if (createIfMissing)
        flags = O_RDWR | O_CREAT | O_CLOEXEC;
    Descriptor file(::open(path.c_str(), flags, 0666));
    if (file.Get() < 0) {
        error = SystemError::Last();
        return false;
    }
    return ReadDescriptor(file.Get(), out, error);
}

// Straight into one buffer of the file's size and a byte more: a read that
// fills that byte shows the file has grown since, and the buffer grows too.
bool FileIo::ReadDescriptor(int fd, std::string& out, std::uint32_t& error) {
    struct stat info {};
    std::size_t expected = 0;
    if (::fstat(fd, &info) == 0 && info.st_size > 0)
        expected = static_cast<std::size_t>(info.st_size);
    std::string data;
    data.reserve(expected + 1);
    HeapAdvice::AdviseHugePages(data.data(), data.capacity());
    data.resize(expected + 1);
    std::size_t filled = 0;
    while (true) {
        if (filled == data.size())
            data.resize(data.size() + std::max(data.size() / 2, kReadStep));
        const ssize_t n =
            ::pread(fd, data.data() + filled, data.size() - filled, static_cast<off_t>(filled));
        if (n == 0)
            break;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            error = SystemError::Last();
            return false;
        }
        filled += static_cast<std::size_t>(n);
    }
    data.resize(filled);
    out = std::move(data);
    return true;
}

bool FileIo::WriteFully(int fd, std::string_view bytes, IFileOperations& files) {
    while (!bytes.empty()) {
        ssize_t n = files.Write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

void FileIo::SyncFolderOf(const std::string& path) {
    Descriptor folder(::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.Get() >= 0)
        ::fsync(folder.Get());
}

bool FileIo::WriteAtomically(const std::string& path, std::string_view bytes, std::uint32_t& error,
                             IFileOperations& files) {
    AtomicFileWriter file(path, files);
    const bool written = file.Open() && file.Write(bytes) && file.Commit();
    error = file.GetError();
    return written;
}

}  // namespace qb
