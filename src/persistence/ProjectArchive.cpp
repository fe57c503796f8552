#include "ProjectArchive.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "ArchiveFormat.h"
#include "ProjectRecordReader.h"
#include "ProjectRecordWriter.h"

namespace qb {
namespace {

// The longest header the reader accepts in practice: both strings with the
// three-byte length prefix, the magic and the version.
constexpr std::size_t kHeaderProbeBytes = 64;

void Empty(CProject& project) {
    project.ClearParams();
    for (CDataArray* array : {static_cast<CDataArray*>(&project.GetRows()),
                              static_cast<CDataArray*>(&project.GetSchedules()),
                              static_cast<CDataArray*>(&project.GetLinks()),
                              static_cast<CDataArray*>(&project.GetDrawParts()),
                              static_cast<CDataArray*>(&project.GetColumns()),
                              static_cast<CDataArray*>(&project.GetHolidays())}) {
        array->DeleteAll();
        array->ClearParams();
    }
}

bool Report(ProjectRecordReader::Outcome outcome, ErrorSlot& error) {
    switch (outcome) {
        case ProjectRecordReader::Outcome::kRead:
            return true;
        case ProjectRecordReader::Outcome::kTooNew:
            error.Set(ErrorSlot::kOwnError, ArchiveFormat::kTooNewMessage);
            return false;
        case ProjectRecordReader::Outcome::kDamaged:
            break;
    }
    error.Set(ErrorSlot::kOwnError, ArchiveFormat::kFormatMessage);
    return false;
}

}  // namespace

std::unique_ptr<CProject> ProjectArchive::ReadProjectArchive(std::string_view bytes,
                                                             ErrorSlot& error) {
    auto project = std::make_unique<CProject>();
    if (!ReadProjectArchive(bytes, *project, error))
        return nullptr;
    return project;
}

bool ProjectArchive::ReadProjectArchive(std::string_view bytes, CProject& target,
                                        ErrorSlot& error) {
    error.Clear();
    ProjectRecordReader reader(bytes);
    if (!Report(reader.ReadHeader(), error))
        return false;
    Empty(target);
    return Report(reader.ReadBody(target), error);
}

std::string ProjectArchive::WriteProjectArchive(const CProject& project) {
    return ProjectRecordWriter::Write(project);
}

bool ProjectArchive::ReadVersion(std::string_view bytes, std::int32_t& version) {
    ProjectRecordReader reader(bytes);
    if (reader.ReadHeader() == ProjectRecordReader::Outcome::kDamaged)
        return false;
    version = reader.GetVersion();
    return true;
}

bool ProjectArchive::HasArchiveHeader(std::string_view bytes) {
    return ProjectRecordReader(bytes).ReadSignature();
}

bool ProjectArchive::IsArchiveFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return true;
    char buffer[kHeaderProbeBytes];
    std::size_t filled = 0;
    bool ioError = false;
    while (filled < sizeof buffer) {
        const ssize_t got = ::read(fd, buffer + filled, sizeof buffer - filled);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            ioError = true;
            break;
        }
        if (got == 0)
            break;
        filled += static_cast<std::size_t>(got);
    }
    ::close(fd);
    return ioError || HasArchiveHeader(std::string_view(buffer, filled));
}

}  // namespace qb
