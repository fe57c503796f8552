#include "ImportCommand.h"

#include "AppMessages.h"
#include "CStatus.h"
#include "ChartAccess.h"
#include "ChartScene.h"
#include "DiagnosticLog.h"
#include "IDialogs.h"
#include "IPrompt.h"
#include "IShell.h"
#include "ProjectImport.h"

namespace qb {

ImportCommand::ImportCommand(CStatus& status, Clock clock)
    : status_(status), clock_(std::move(clock)) {}

CommandState ImportCommand::State() const {
    auto& status = const_cast<CStatus&>(status_);
    return {ChartAccess::Shown(status) != nullptr && ChartAccess::IsWritable(status), false, {}};
}

bool ImportCommand::Execute() {
    ChartScene* chart = ChartAccess::Shown(status_);
    if (chart == nullptr || !ChartAccess::IsWritable(status_))
        return false;
    if (status_.IsShared()) {
        status_.Services().Prompt().Show(messages::kImportSharedMode.Plain());
        return false;
    }
    // The ids stay in the row header only while the dialog is open.
    auto showRowIds = [&](bool show) {
        chart->SetShowRowIds(show);
        status_.View().ChartViewChanged();
    };
    const std::optional<ImportValues> chosen =
        status_.Services().Dialogs().EditImport(last_, showRowIds);
    if (chart->IsShowingRowIds())
        showRowIds(false);
    if (!chosen || chosen->path.empty())
        return false;
    last_ = *chosen;
    const std::string logPath = ProjectImport::DefaultLogPath(status_);
    const ProjectImport::Result result =
        ProjectImport::Run(status_, chosen->path, logPath, clock_());
    if (ChartScene* shown = ChartAccess::Shown(status_))
        ChartAccess::Rebuild(status_, *shown);
    if (result.logWritten) {
        status_.Services().Shell().Open(logPath);
    } else if (result.outcome == ProjectImport::Outcome::kImported ||
               result.outcome == ProjectImport::Outcome::kNotOpened) {
        status_.Services().Prompt().Show(
            PromptMessage{0,
                          "インポートのログを書き込めませんでした。\n" + logPath + "\n" +
                              DiagnosticLog::SystemErrorText(result.logError),
                          PromptIcon::kWarning, PromptButtons::kOk});
    }
    return result.outcome == ProjectImport::Outcome::kImported;
}

}  // namespace qb
