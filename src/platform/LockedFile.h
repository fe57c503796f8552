#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "FileLock.h"
#include "PosixFileOperations.h"

namespace qb {

// A file held exclusively: an open descriptor with the file's lock on it
// (see FileLock). Another opener, in this process or another, fails with
// kSharingViolation for as long as this object lives, so the lock spans
// exactly the time the file is held. Other descriptors of the same file
// opened and closed meanwhile (a copy, a second reader) leave it in place.
//
// Contents are replaced atomically: a new file is written beside the old
// one, flushed, locked and only then renamed over the path, after which this
// object holds the new file and lets the old one go. Because a lock on the
// old file says nothing about the new one, every open checks after taking
// its lock that the locked file is still the one at the path, and starts
// over when a save has replaced it in the meantime.
class LockedFile {
public:
    enum class Mode {
        kRead,      // read and write, an existing file only
        kWrite,     // read and write; a missing file is created by the first Replace
        kReadOnly,  // read only, an existing file only
    };

    // One attempt to open and lock path. Null with error set on failure;
    // kSharingViolation when another holder has the file. A file system that
    // cannot lock still gives the file, and GetScope tells. The object makes
    // its later saves through files as well, which must outlive it.
    static std::unique_ptr<LockedFile> Open(
        const std::string& path, Mode mode, std::uint32_t& error,
        IFileOperations& files = PosixFileOperations::Instance());

    ~LockedFile();
    LockedFile(const LockedFile&) = delete;
    LockedFile& operator=(const LockedFile&) = delete;

    bool IsReadOnly() const { return readOnly_; }
    // False while a kWrite open of a missing file waits for its first Replace.
    bool Exists() const { return fd_ >= 0; }
    const std::string& GetPath() const { return path_; }
    // How far the lock on the file reaches.
    const FileLock::Scope& GetScope() const { return scope_; }
    // The last Replace failed half-way through writing in place and could
    // not put the old content back: the file is damaged.
    bool IsDamaged() const { return damaged_; }
    // Where the last Replace left its new content when the file had gone
    // from the path and the content could not be put there (empty when it
    // did not happen). The copy stays until a later Replace succeeds.
    const std::string& GetRescuedCopy() const { return rescuePath_; }

    // The whole current content.
    bool ReadAll(std::string& out, std::uint32_t& error) const;
    // Makes bytes the whole content, durably. On failure the old content is
    // untouched (unless IsDamaged says otherwise) and the file stays held.
    bool Replace(std::string_view bytes, std::uint32_t& error);

    // Files of this name pattern beside path are temporary files of saves.
    static std::string TempPrefixFor(const std::string& path);

private:
    LockedFile(std::string path, int fd, bool readOnly, IFileOperations& files,
               FileLock::Scope scope);

    bool ReplaceByRename(std::string_view bytes, std::uint32_t& error, bool& fallBack);
    bool ReplaceInPlace(std::string_view bytes, std::uint32_t& error);
    bool WriteInPlace(std::string_view bytes);
    void KeepRescuedCopy(int tempFd, std::string tempPath);
    void DropRescuedCopy();
    bool CreateByRename(std::string_view bytes, std::uint32_t& error);

    // The path as given, or the target of a symbolic link, so that a save
    // replaces the linked file and keeps the link.
    std::string path_;
    int fd_ = -1;
    bool readOnly_ = false;
    IFileOperations* files_;
    FileLock::Scope scope_;
    bool damaged_ = false;
    // A kept copy stays locked, so no save takes it for a dead one.
    int rescueFd_ = -1;
    std::string rescuePath_;
};

}  // namespace qb
