#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "CProject.h"
#include "ErrorSlot.h"

namespace qb {

// The native project file (.qbd): a stream of little-endian values in the
// order the writer produces them. The reader and writer work on whole-file
// buffers; the file handle does the I/O and the locking.
class ProjectArchive {
public:
    static constexpr std::int32_t kWrittenVersion = 4;

    // Reads a document into a new project (the caller owns it), or null with
    // the reason in error.
    static std::unique_ptr<CProject> ReadProjectArchive(std::string_view bytes, ErrorSlot& error);
    // Reads a document into target: its six arrays are emptied and their and
    // the project's params cleared first, then everything is refilled from the
    // bytes. On failure target is left partly filled and error says why.
    static bool ReadProjectArchive(std::string_view bytes, CProject& target, ErrorSlot& error);

    // The whole document as the writer lays it out (version 4). Deleted
    // objects are not written.
    static std::string WriteProjectArchive(const CProject& project);

    // The file version the header announces; false when the bytes do not
    // begin with a native header.
    static bool ReadVersion(std::string_view bytes, std::int32_t& version);

    // Whether the bytes begin with the native header. Used on a file's first
    // bytes; the file-level check lives with the file handle.
    static bool HasArchiveHeader(std::string_view bytes);
    // True unless the file opens and its header does not match (or ends inside
    // the header): an unreadable file is left for the real open to report.
    static bool IsArchiveFile(const std::string& path);
};

}  // namespace qb
