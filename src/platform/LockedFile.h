#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "PosixFileOperations.h"

namespace qb {

// A file held exclusively: an open descriptor with an exclusive flock on it.
// Another opener, in this process or another, fails with kSharingViolation
// for as long as this object lives, so the lock spans exactly the time the
// file is held.
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
    // kSharingViolation when another holder has the file. The object makes
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

    // The whole current content.
    bool ReadAll(std::string& out, std::uint32_t& error) const;
    // Makes bytes the whole content, durably. On failure the old content is
    // untouched (except in the in-place fallback, see the source) and the
    // file stays held.
    bool Replace(std::string_view bytes, std::uint32_t& error);

    // Files of this name pattern beside path are temporary files of saves.
    static std::string TempPrefixFor(const std::string& path);

private:
    LockedFile(std::string path, int fd, bool readOnly, IFileOperations& files);

    bool ReplaceByRename(std::string_view bytes, std::uint32_t& error, bool& fallBack);
    bool ReplaceInPlace(std::string_view bytes, std::uint32_t& error);
    bool CreateByRename(std::string_view bytes, std::uint32_t& error);

    // The path as given, or the target of a symbolic link, so that a save
    // replaces the linked file and keeps the link.
    std::string path_;
    int fd_ = -1;
    bool readOnly_ = false;
    IFileOperations* files_;
};

}  // namespace qb
