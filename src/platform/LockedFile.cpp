#include "LockedFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

#include "FileIo.h"
#include "SystemError.h"

namespace qb {
namespace {

// Each restart means a save replaced the file between our open and our lock;
// that cannot go on for long unless something outside our protocol keeps
// swapping the file, which then reads as the file being busy.
constexpr int kMaxRestarts = 1000;
// Long names are cut so the temporary name stays within NAME_MAX.
constexpr std::size_t kMaxNameInTemp = 200;

class UniqueFd {
public:
    explicit UniqueFd(int fd = -1) : fd_(fd) {}
    ~UniqueFd() { Reset(); }
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;
    int Get() const { return fd_; }
    int Release() {
        int fd = fd_;
        fd_ = -1;
        return fd;
    }
    void Reset(int fd = -1) {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = fd;
    }

private:
    int fd_;
};

std::string FolderOf(const std::string& path) {
    std::string::size_type slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    std::string::size_type slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool SameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

std::string Resolved(const std::string& path) {
    char buffer[PATH_MAX];
    if (::realpath(path.c_str(), buffer) == nullptr)
        return path;
    return buffer;
}

// Situations in which the folder refuses a new file or a rename while the
// file itself may still be written: the folder is not writable, it is sticky
// and the file belongs to someone else, or the file is a mount point.
// Network shares refuse a rename over a file that another client has open:
// an SMB server answers with a sharing violation (EBUSY) or access denied
// (EACCES), some servers with EPERM or ETXTBSY.
bool RenameRefused(int errnoValue) {
    return errnoValue == EACCES || errnoValue == EPERM || errnoValue == EBUSY ||
           errnoValue == EXDEV || errnoValue == ETXTBSY;
}

bool IsMissing(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) != 0 && errno == ENOENT;
}

// The part WriteTemp appends to the prefix: process id, a dash, a counter.
// Checked in full so that no file of the user's is ever taken for ours.
bool IsTempSuffix(std::string_view suffix) {
    const std::size_t dash = suffix.find('-');
    auto digits = [](std::string_view text) {
        return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
    };
    return dash != std::string_view::npos && digits(suffix.substr(0, dash)) &&
           digits(suffix.substr(dash + 1));
}

// A temporary file left by a save that died is unlocked; one being written
// is locked from its creation on. Only the holder of the project file saves,
// so this runs while no other save of the same file can be in progress.
void RemoveStaleTemps(const std::string& path, IFileOperations& files) {
    const std::string folder = FolderOf(path);
    const std::string prefix = NameOf(LockedFile::TempPrefixFor(path));
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr)
        return;
    std::vector<std::string> stale;
    while (const dirent* entry = ::readdir(dir)) {
        std::string_view name(entry->d_name);
        if (name.starts_with(prefix) && IsTempSuffix(name.substr(prefix.size())))
            stale.emplace_back(name);
    }
    ::closedir(dir);
    for (const std::string& name : stale) {
        const std::string tempPath = folder + "/" + name;
        UniqueFd temp(
            files.Open(tempPath, O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY, 0));
        struct stat held {
        }, current{};
        FileLock::Scope scope;
        // Where the lock does not reach every saver, a free copy may still be
        // being written by another computer.
        if (temp.Get() < 0 || !FileLock::Take(temp.Get(), files, scope) || !scope.Protects() ||
            ::fstat(temp.Get(), &held) != 0 || ::lstat(tempPath.c_str(), &current) != 0 ||
            !SameFile(held, current)) {
            continue;
        }
        ::unlink(tempPath.c_str());
    }
}

bool CopyOwnerAndMode(int fd, const struct stat& like) {
    // Only root may give the file away; anyone else keeps owning the new
    // file, which is what a save by that user means anyway.
    [[maybe_unused]] const int ownerKept = ::fchown(fd, like.st_uid, like.st_gid);
    // After the owner: a change of owner clears the set-id bits.
    return ::fchmod(fd, like.st_mode & 07777) == 0;
}

// Creates, locks and fills a new temporary file beside path, with the
// permissions and (where allowed) the owner of like, and flushes it.
bool WriteTemp(IFileOperations& files, const std::string& path, const struct stat* like,
               std::string_view bytes, UniqueFd& out, std::string& tempPath, int& failure,
               FileLock::Scope& scope) {
    static std::atomic<unsigned> counter = 0;
    const std::string prefix = LockedFile::TempPrefixFor(path);
    for (;;) {
        tempPath = prefix + std::to_string(::getpid()) + "-" + std::to_string(counter++);
        out.Reset(files.Open(tempPath, O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666));
        if (out.Get() >= 0)
            break;
        if (errno != EEXIST) {
            failure = errno;
            return false;
        }
    }
    if (!FileLock::Take(out.Get(), files, scope)) {
        failure = errno;
        ::unlink(tempPath.c_str());
        return false;
    }
    if ((like != nullptr && !CopyOwnerAndMode(out.Get(), *like)) ||
        !FileIo::WriteFully(out.Get(), bytes, files) || files.Sync(out.Get()) != 0) {
        failure = errno;
        ::unlink(tempPath.c_str());
        return false;
    }
    return true;
}

std::unique_ptr<LockedFile> Fail(std::uint32_t& error, std::uint32_t code) {
    error = code;
    return nullptr;
}

}  // namespace

LockedFile::LockedFile(std::string path, int fd, bool readOnly, IFileOperations& files,
                       FileLock::Scope scope)
    : path_(std::move(path)),
      fd_(fd),
      readOnly_(readOnly),
      files_(&files),
      scope_(std::move(scope)) {}

LockedFile::~LockedFile() {
    if (fd_ >= 0)
        ::close(fd_);
    if (rescueFd_ >= 0)
        ::close(rescueFd_);
}

std::string LockedFile::TempPrefixFor(const std::string& path) {
    std::string folder = FolderOf(path);
    std::string name = NameOf(path).substr(0, kMaxNameInTemp);
    return folder + "/." + name + ".save-";
}

std::unique_ptr<LockedFile> LockedFile::Open(const std::string& path, Mode mode,
                                             std::uint32_t& error, IFileOperations& files) {
    error = 0;
    if (path.empty())
        return Fail(error, SystemError::kPathNotFound);
    const bool readOnly = mode == Mode::kReadOnly;
    // O_NONBLOCK keeps a named pipe at the path from blocking the open.
    const int flags = (readOnly ? O_RDONLY : O_RDWR) | O_CLOEXEC | O_NOCTTY | O_NONBLOCK;
    for (int restart = 0; restart < kMaxRestarts; ++restart) {
        UniqueFd fd(files.Open(path, flags, 0));
        if (fd.Get() < 0) {
            if (errno != ENOENT || mode != Mode::kWrite)
                return Fail(error, SystemError::Last());
            // A new file appears only with its complete first content.
            const std::string folder = FolderOf(path);
            struct stat info {};
            if (::stat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode))
                return Fail(error, SystemError::kPathNotFound);
            if (::access(folder.c_str(), W_OK | X_OK) != 0)
                return Fail(error, SystemError::Last());
            return std::unique_ptr<LockedFile>(new LockedFile(path, -1, false, files, {}));
        }
        // A network client answers ESTALE for a file another client has
        // just replaced and removed: the path holds a newer one.
        struct stat held {};
        if (::fstat(fd.Get(), &held) != 0) {
            if (errno == ESTALE)
                continue;
            return Fail(error, SystemError::Last());
        }
        if (!S_ISREG(held.st_mode))
            return Fail(error, SystemError::kAccessDenied);
        FileLock::Scope scope;
        if (!FileLock::Take(fd.Get(), files, scope)) {
            if (errno == ESTALE)
                continue;
            return Fail(error, SystemError::Last());
        }
        const std::string target = Resolved(path);
        struct stat current {};
        if (::stat(target.c_str(), &current) == 0 && SameFile(held, current)) {
            ::fcntl(fd.Get(), F_SETFL, ::fcntl(fd.Get(), F_GETFL) & ~O_NONBLOCK);
            return std::unique_ptr<LockedFile>(
                new LockedFile(target, fd.Release(), readOnly, files, std::move(scope)));
        }
    }
    return Fail(error, SystemError::kSharingViolation);
}

bool LockedFile::ReadAll(std::string& out, std::uint32_t& error) const {
    error = 0;
    if (fd_ < 0) {
        error = SystemError::kFileNotFound;
        return false;
    }
    return FileIo::ReadDescriptor(fd_, out, error);
}

bool LockedFile::Replace(std::string_view bytes, std::uint32_t& error) {
    error = 0;
    damaged_ = false;
    if (readOnly_) {
        error = SystemError::kAccessDenied;
        return false;
    }
    bool replaced = false;
    if (fd_ < 0) {
        replaced = CreateByRename(bytes, error);
    } else {
        bool fallBack = false;
        replaced =
            ReplaceByRename(bytes, error, fallBack) || (fallBack && ReplaceInPlace(bytes, error));
    }
    if (replaced)
        DropRescuedCopy();
    return replaced;
}

bool LockedFile::ReplaceByRename(std::string_view bytes, std::uint32_t& error, bool& fallBack) {
    struct stat old {};
    if (::fstat(fd_, &old) != 0) {
        error = SystemError::Last();
        return false;
    }
    RemoveStaleTemps(path_, *files_);
    UniqueFd temp;
    std::string tempPath;
    int failure = 0;
    FileLock::Scope scope;
    if (!WriteTemp(*files_, path_, &old, bytes, temp, tempPath, failure, scope)) {
        fallBack = RenameRefused(failure);
        error = SystemError::FromErrno(failure);
        return false;
    }
    // The new file is locked already, so nobody can take it between the
    // rename and the release of the old file.
    if (files_->Rename(tempPath, path_) != 0) {
        failure = errno;
        if (!IsMissing(path_)) {
            ::unlink(tempPath.c_str());
            fallBack = RenameRefused(failure);
            error = SystemError::FromErrno(failure);
            return false;
        }
        // An SMB client may delete the old file to make room and then fail
        // the rename itself; the new content must not go with it.
        if (files_->RenameNoReplace(tempPath, path_) != 0) {
            KeepRescuedCopy(temp.Release(), tempPath);
            error = SystemError::FromErrno(failure);
            return false;
        }
    }
    FileIo::SyncFolderOf(path_);
    ::close(fd_);
    fd_ = temp.Release();
    scope_ = std::move(scope);
    return true;
}

// Used only where the folder or the share will not let a new file take the
// old one's place. Room for the new content is claimed first, so that a full
// disk stops the write before it starts; should the write still fail, the
// old content is put back, and only when that fails too is the file left
// damaged, which IsDamaged then says.
bool LockedFile::ReplaceInPlace(std::string_view bytes, std::uint32_t& error) {
    std::string old;
    if (!FileIo::ReadDescriptor(fd_, old, error))
        return false;
    const off_t room = static_cast<off_t>(std::max(bytes.size(), old.size()));
    if (room > 0 && ::fallocate(fd_, FALLOC_FL_KEEP_SIZE, 0, room) != 0 && errno != EOPNOTSUPP &&
        errno != ENOSYS && errno != EINVAL) {
        error = SystemError::Last();
        return false;
    }
    if (WriteInPlace(bytes))
        return true;
    error = SystemError::Last();
    damaged_ = !WriteInPlace(old);
    return false;
}

// The new content goes over the old before the length is cut, so the file
// is never empty on the way.
bool LockedFile::WriteInPlace(std::string_view bytes) {
    return ::lseek(fd_, 0, SEEK_SET) == 0 && FileIo::WriteFully(fd_, bytes, *files_) &&
           ::ftruncate(fd_, static_cast<off_t>(bytes.size())) == 0 && files_->Sync(fd_) == 0;
}

void LockedFile::KeepRescuedCopy(int tempFd, std::string tempPath) {
    DropRescuedCopy();
    rescueFd_ = tempFd;
    rescuePath_ = std::move(tempPath);
}

// A later save put newer content at the path, so the kept copy is spent.
void LockedFile::DropRescuedCopy() {
    if (rescueFd_ < 0)
        return;
    ::unlink(rescuePath_.c_str());
    ::close(rescueFd_);
    rescueFd_ = -1;
    rescuePath_.clear();
}

bool LockedFile::CreateByRename(std::string_view bytes, std::uint32_t& error) {
    UniqueFd temp;
    std::string tempPath;
    int failure = 0;
    FileLock::Scope scope;
    if (!WriteTemp(*files_, path_, nullptr, bytes, temp, tempPath, failure, scope)) {
        error = SystemError::FromErrno(failure);
        return false;
    }
    if (files_->RenameNoReplace(tempPath, path_) != 0) {
        failure = errno;
        ::unlink(tempPath.c_str());
        if (failure != EEXIST) {
            error = SystemError::FromErrno(failure);
            return false;
        }
        // Someone created the file since our open: take it over like any
        // existing file, provided nobody holds it now.
        std::unique_ptr<LockedFile> existing = Open(path_, Mode::kWrite, error, *files_);
        if (!existing)
            return false;
        if (!existing->Exists()) {
            error = SystemError::kFileExists;
            return false;
        }
        path_ = existing->path_;
        fd_ = std::exchange(existing->fd_, -1);
        scope_ = existing->scope_;
        return Replace(bytes, error);
    }
    FileIo::SyncFolderOf(path_);
    fd_ = temp.Release();
    scope_ = std::move(scope);
    return true;
}

}  // namespace qb
