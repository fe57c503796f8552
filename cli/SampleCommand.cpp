#include <string>

#include "ArchiveFile.h"
#include "CliOutput.h"
#include "Commands.h"
#include "SampleProject.h"

namespace qb::cli {

int RunSample(const Args& args) {
    if (args.size() != 1 || args[0].starts_with("-"))
        return CliOutput::Usage("sample OUT.qbd");
    std::string message;
    if (!ArchiveFile::Save(std::string(args[0]), *SampleProject::Create(), message))
        return CliOutput::Fail(message);
    return CliOutput::kSuccess;
}

}  // namespace qb::cli
