#include "CsvCopyOnSave.h"

#include "CCsvWriter.h"
#include "CStatus.h"
#include "ExportReport.h"

namespace qb {

CsvCopyOnSave::CsvCopyOnSave(CStatus& status) : status_(status) {}

void CsvCopyOnSave::ProjectSaved(const CProject& project, const std::string& path) {
    const std::string target = CopyPath(path);
    CsvOptions options;
    options.tabSeparated = true;
    options.slashPath = false;
    const bool earlierFile = ExportReport::Exists(target);
    CCsvWriter writer(target, options);
    if (!writer.Write(project))
        ExportReport::Failed(status_.Services(), writer.GetError(), earlierFile);
}

std::string CsvCopyOnSave::CopyPath(const std::string& projectPath) {
    const std::size_t nameStart = projectPath.find_last_of('/');
    const std::size_t dot = projectPath.find_last_of('.');
    if (dot == std::string::npos || (nameStart != std::string::npos && dot < nameStart))
        return projectPath + ".csv";
    return projectPath.substr(0, dot + 1) + "csv";
}

}  // namespace qb
