#include "ArchiveFile.h"

#include "CProjectFile.h"
#include "FileIo.h"
#include "ProjectArchive.h"

namespace qb::cli {

std::unique_ptr<CProject> ArchiveFile::Load(const std::string& path, std::string& message) {
    CProjectFile file(path);
    std::unique_ptr<CProject> project = file.Load(false);
    if (!project)
        message = file.GetError().Describe();
    return project;
}

bool ArchiveFile::Save(const std::string& path, const CProject& project, std::string& message) {
    CProjectFile file(path);
    if (file.Save(&project, true))
        return true;
    message = file.GetError().Describe();
    return false;
}

std::int32_t ArchiveFile::ReadVersion(const std::string& path) {
    std::string bytes;
    std::uint32_t code = 0;
    std::int32_t version = 0;
    if (FileIo::ReadAll(path, bytes, code))
        ProjectArchive::ReadVersion(bytes, version);
    return version;
}

}  // namespace qb::cli
