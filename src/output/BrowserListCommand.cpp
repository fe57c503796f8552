#include "BrowserListCommand.h"

#include <sys/stat.h>

#include "CProject.h"
#include "CSchedule.h"
#include "CStatus.h"
#include "HtmlExport.h"
#include "ISettingsStore.h"
#include "IShell.h"
#include "SystemError.h"
#include "ToolCommands.h"
#include "WorkingFolders.h"

namespace qb {
namespace {

int LiveSchedules(const CProject& project) {
    int count = 0;
    project.GetSchedules().ForEach([&count](const CSchedule& schedule) {
        if (!schedule.IsDeleted())
            ++count;
    });
    return count;
}

bool IsFolder(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

BrowserListCommand::BrowserListCommand(CStatus& status) : status_(status) {}

CommandState BrowserListCommand::State() const {
    return {status_.HasDocument(), false, {}};
}

bool BrowserListCommand::MayShow(int schedules) {
    if (schedules <= kManySchedules)
        return true;
    ISettingsStore& store = status_.Services().Store();
    if (store.ReadInt(ToolCommands::kOnceSection, kManyKey).value_or(1) == 0)
        return true;
    bool dontAskAgain = false;
    const PromptAnswer answer =
        status_.Services().Prompt().ShowWithDontAsk(kManyQuestion.Format(schedules), dontAskAgain);
    if (answer != PromptAnswer::kYes)
        return false;
    // Only a yes is remembered: a remembered no would make the command
    // silently do nothing on every large project.
    if (dontAskAgain)
        store.WriteInt(ToolCommands::kOnceSection, kManyKey, 0);
    return true;
}

bool BrowserListCommand::Execute() {
    const CProject* project = status_.GetProject();
    if (project == nullptr || !MayShow(LiveSchedules(*project)))
        return false;
    IPrompt& prompt = status_.Services().Prompt();
    const std::string folder = status_.Services().Folders().Recovery();
    if (folder.empty() ||
        (!IsFolder(folder) && !WorkingFolders::CreateFoldersFor(folder + kFileName))) {
        prompt.Show(kFolderFailed.Format(folder));
        return false;
    }
    const std::string path = folder + kFileName;
    std::uint32_t error = 0;
    prompt.SetBusy(true);
    const bool written = HtmlExport::Write(status_, path, error);
    prompt.SetBusy(false);
    if (!written) {
        prompt.Show(kWriteFailed.Format(path + "\r\n" + SystemError::DescribeCode(error)));
        return false;
    }
    if (!status_.Services().Shell().Open(path)) {
        prompt.Show(kOpenFailed.Format(path));
        return false;
    }
    return true;
}

}  // namespace qb
