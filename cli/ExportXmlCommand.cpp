#include <string>

#include "ArchiveFile.h"
#include "CliOutput.h"
#include "Commands.h"
#include "ProjectXmlWriter.h"
#include "XmlMessages.h"
#include "XmlPlatform.h"

namespace qb::cli {

int RunExportXml(const Args& args) {
    if (args.size() != 2 || args[0].starts_with("-") || args[1].starts_with("-"))
        return CliOutput::Usage("export-xml FILE.qbd OUT.xml");
    std::string message;
    std::unique_ptr<CProject> project = ArchiveFile::Load(std::string(args[0]), message);
    if (!project)
        return CliOutput::Fail(message);
    try {
        XmlPlatform xml;
        ProjectXmlWriter writer;
        if (!writer.WriteProjectXml(std::string(args[1]), *project))
            return CliOutput::Fail(writer.GetError().Describe());
    } catch (...) {
        // Only the XML library's set-up can throw here.
        return CliOutput::Fail(XmlMessages::kBuildFailed);
    }
    return CliOutput::kSuccess;
}

}  // namespace qb::cli
