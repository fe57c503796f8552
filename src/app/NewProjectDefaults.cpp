#include "NewProjectDefaults.h"

#include "AppSettings.h"
#include "CProject.h"

namespace qb {

void NewProjectDefaults::Apply(CProject& project, const AppSettings& settings) {
    project.SetShared(false);
    project.SetParamInt("_Indent", settings.indentDef ? kIndentWidth : 0);
    project.SetParamInt("_DefRowHeight", settings.defRowHeight);
    project.SetDisplayColumns(settings.showColumns);
    project.SetCurrentVersion();
}

}  // namespace qb
