#pragma once

#include <cerrno>
#include <memory>
#include <string>

#include "CProject.h"
#include "ErrorSlot.h"
#include "FileIo.h"
#include "ProjectArchive.h"
#include "SystemError.h"

namespace qb::cli {

// Whole native files for the commands: read into memory and parsed, or laid
// out and replaced atomically. Failures come back as the text to print.
class ArchiveFile {
public:
    static bool ReadBytes(const std::string& path, std::string& bytes, std::string& message) {
        std::uint32_t code = 0;
        if (FileIo::ReadAll(path, bytes, code))
            return true;
        message = SystemText(errno, code);
        return false;
    }

    static std::unique_ptr<CProject> Load(const std::string& bytes, std::string& message) {
        ErrorSlot error;
        std::unique_ptr<CProject> project = ProjectArchive::ReadProjectArchive(bytes, error);
        if (!project)
            message = error.GetMessage();
        return project;
    }

    static bool Save(const std::string& path, const CProject& project, std::string& message) {
        std::uint32_t code = 0;
        if (FileIo::WriteAtomically(path, ProjectArchive::WriteProjectArchive(project), code))
            return true;
        message = SystemText(errno, code);
        return false;
    }

private:
    static std::string SystemText(int errnoValue, std::uint32_t code) {
        return SystemError::Describe(errnoValue) + " (Error Code=" + std::to_string(code) + ")";
    }
};

}  // namespace qb::cli
