#include "ArchiveFile.h"

#include <fstream>
#include <string_view>

#include "CProjectFile.h"
#include "ProjectArchive.h"

namespace qb::cli {
namespace {

// More than the longest header: both words with their long length prefix,
// the magic and the version.
constexpr std::size_t kHeaderBytes = 64;

}  // namespace

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

// Only the header is read: the file itself was read by Load already.
std::int32_t ArchiveFile::ReadVersion(const std::string& path) {
    std::int32_t version = 0;
    std::ifstream file(path, std::ios::binary);
    char header[kHeaderBytes];
    file.read(header, sizeof header);
    ProjectArchive::ReadVersion(std::string_view(header, static_cast<std::size_t>(file.gcount())),
                                version);
    return version;
}

}  // namespace qb::cli
