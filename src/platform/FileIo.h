#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "PosixFileOperations.h"

namespace qb {

// Whole-file reading and crash-safe whole-file writing. Errors come back as
// the program's error numbers (see SystemError), never as exceptions.
class FileIo {
public:
    // Reads the whole file into out. With createIfMissing an absent file is
    // created empty first (and then read as empty).
    static bool ReadAll(const std::string& path, std::string& out, std::uint32_t& error,
                        bool createIfMissing = false);

    // Writes bytes to a new file beside path, flushes it to disk and only then
    // renames it over path: a crash at any moment leaves either the old file
    // or the new one, never a mixture. An existing file's permissions are kept;
    // one that may not be written is refused.
    static bool WriteAtomically(const std::string& path, std::string_view bytes,
                                std::uint32_t& error,
                                IFileOperations& files = PosixFileOperations::Instance());

    // Reads everything of an open descriptor from its start.
    static bool ReadDescriptor(int fd, std::string& out, std::uint32_t& error);
    // Writes all of bytes to an open descriptor, retrying short writes.
    static bool WriteFully(int fd, std::string_view bytes,
                           IFileOperations& files = PosixFileOperations::Instance());
    // Flushes the folder that holds path, so a rename in it is on disk.
    static void SyncFolderOf(const std::string& path);
};

}  // namespace qb
