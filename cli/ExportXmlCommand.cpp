#include <cerrno>
#include <string>

#include "ArchiveFile.h"
#include "CliOutput.h"
#include "Commands.h"
#include "ProjectXmlWriter.h"
#include "SystemError.h"
#include "XmlMessages.h"
#include "XmlPlatform.h"

namespace qb::cli {
namespace {

// The errno behind one of the program's error numbers, for its description.
int ErrnoOf(std::uint32_t code) {
    switch (code) {
        case SystemError::kFileNotFound:
            return ENOENT;
        case SystemError::kPathNotFound:
            return ENOTDIR;
        case SystemError::kAccessDenied:
            return EACCES;
        case SystemError::kWriteProtect:
            return EROFS;
        case SystemError::kDiskFull:
            return ENOSPC;
        case SystemError::kFilenameTooLong:
            return ENAMETOOLONG;
        case SystemError::kIoError:
            return EIO;
        default:
            return code > SystemError::kUnmappedBase
                       ? static_cast<int>(code - SystemError::kUnmappedBase)
                       : 0;
    }
}

std::string Describe(const ErrorSlot& error) {
    if (!error.GetMessage().empty())
        return error.GetMessage();
    const int errnoValue = ErrnoOf(error.GetCode());
    const std::string text = errnoValue ? SystemError::Describe(errnoValue) : "Error";
    return text + " (Error Code=" + std::to_string(error.GetCode()) + ")";
}

}  // namespace

int RunExportXml(const Args& args) {
    if (args.size() != 2 || args[0].starts_with("-") || args[1].starts_with("-"))
        return CliOutput::Usage("export-xml FILE.qbd OUT.xml");
    std::string bytes;
    std::string message;
    if (!ArchiveFile::ReadBytes(std::string(args[0]), bytes, message))
        return CliOutput::Fail(message);
    std::unique_ptr<CProject> project = ArchiveFile::Load(bytes, message);
    if (!project)
        return CliOutput::Fail(message);
    try {
        XmlPlatform xml;
        ProjectXmlWriter writer;
        if (!writer.WriteProjectXml(std::string(args[1]), *project))
            return CliOutput::Fail(Describe(writer.GetError()));
    } catch (...) {
        // Only the XML library's set-up can throw here.
        return CliOutput::Fail(XmlMessages::kBuildFailed);
    }
    return CliOutput::kSuccess;
}

}  // namespace qb::cli
