#include <sys/stat.h>

#include <string>

#include "CProjectFile.h"
#include "CliDocument.h"
#include "CliOutput.h"
#include "Commands.h"
#include "EditSession.h"
#include "NewProjectDefaults.h"

namespace qb::cli {
namespace {

constexpr const char* kUsageText = "new FILE.qbd";

bool PathTaken(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

}  // namespace

// An empty project with the defaults of a new document, in single mode. An
// existing file is never replaced: that would lose its project.
int RunNew(const Args& args) {
    if (args.size() != 1 || args[0].empty())
        return CliOutput::Usage(kUsageText);
    const std::string path(args[0]);
    if (PathTaken(path))
        return CliOutput::Fail("ファイルは既に存在します: " + path);
    CliDocument document;
    CStatus& status = document.Status();
    auto project = std::make_unique<CProject>();
    NewProjectDefaults::Apply(*project, status.Services().Settings());
    auto file = std::make_unique<CProjectFile>(path, status.Services().FileRetry());
    CProjectFile& handle = *file;
    status.Doc().Open(std::move(project), std::move(file), path);
    if (!handle.Save(status.GetProject(), true)) {
        status.Edit().ReportAccessorError();
        return CliOutput::kFailure;
    }
    return CliOutput::kSuccess;
}

}  // namespace qb::cli
