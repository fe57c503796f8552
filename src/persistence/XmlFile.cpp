#include "XmlFile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>

#include "FileIo.h"
#include "SystemError.h"

namespace qb {

bool XmlFile::Read(const std::string& path, std::string& bytes, ErrorSlot& error,
                   const char* notWellFormedMessage) {
    error.Clear();
    bytes.clear();
    // Only a missing file is created: opening an existing one for writing too
    // would refuse a read-only file that can be read perfectly well.
    struct stat info {};
    const bool existed = ::stat(path.c_str(), &info) == 0;
    std::uint32_t code = 0;
    if (!FileIo::ReadAll(path, bytes, code, /*createIfMissing=*/!existed)) {
        error.Set(code);
        return false;
    }
    if (bytes.empty()) {
        if (existed) {
            error.Set(ErrorSlot::kXmlError, notWellFormedMessage);
        } else {
            error.Set(SystemError::kFileNotFound);
        }
        return false;
    }
    return true;
}

bool XmlFile::Write(const std::string& path, std::string_view bytes, ErrorSlot& error) {
    error.Clear();
    // The new content replaces the file by a rename, which the folder allows
    // even when the file itself is read-only; a read-only file is refused as
    // opening it for writing would be.
    if (::access(path.c_str(), F_OK) == 0 && ::access(path.c_str(), W_OK) != 0) {
        error.Set(SystemError::Last());
        return false;
    }
    std::uint32_t code = 0;
    if (!FileIo::WriteAtomically(path, bytes, code)) {
        error.Set(code);
        return false;
    }
    return true;
}

}  // namespace qb
