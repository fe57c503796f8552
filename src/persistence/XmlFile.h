#pragma once

#include <string>
#include <string_view>

#include "ErrorSlot.h"

namespace qb {

// Reading and writing the bytes of the XML document files (holiday, style
// and sign area files) with the error codes those files report.
class XmlFile {
public:
    // Reads the whole file, creating it empty when it does not exist. A file
    // that cannot be opened or read gives its system error. An empty file
    // holds no document: when the read has just created it, the error is
    // "file not found" (2); an empty file that was already there reads as a
    // malformed document (XML error with notWellFormedMessage).
    static bool Read(const std::string& path, std::string& bytes, ErrorSlot& error,
                     const char* notWellFormedMessage);

    // Replaces the file's content with bytes. The new content reaches the disk
    // before it replaces the old, so a crash never leaves a half-written file,
    // and a shorter document leaves nothing of a longer one behind.
    static bool Write(const std::string& path, std::string_view bytes, ErrorSlot& error);
};

}  // namespace qb
