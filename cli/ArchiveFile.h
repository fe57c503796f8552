#pragma once

#include <memory>
#include <string>

#include "CProject.h"

namespace qb::cli {

// Native files for the commands, through the project file handle: reading
// waits for (and respects) another process's hold on the file, and saving
// replaces the file only with a complete new one. Failures come back as the
// text to print.
class ArchiveFile {
public:
    static std::unique_ptr<CProject> Load(const std::string& path, std::string& message);
    static bool Save(const std::string& path, const CProject& project, std::string& message);
    // The format version in the file's header, or 0 when it cannot be read.
    static std::int32_t ReadVersion(const std::string& path);
};

}  // namespace qb::cli
