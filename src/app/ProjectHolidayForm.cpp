#include "ProjectHolidayForm.h"

#include "CHoliday.h"
#include "CProject.h"
#include "Document.h"
#include "EditSession.h"
#include "EditStamp.h"
#include "IPrompt.h"

namespace qb {

ProjectHolidayForm::ProjectHolidayForm(Document& document, EditSession& edit, IPrompt& prompt)
    : document_(document), edit_(edit), prompt_(prompt), list_(prompt) {
    if (const CProject* project = document_.GetProject())
        list_.Assign(project->GetHolidays());
}

bool ProjectHolidayForm::Apply() {
    if (!document_.HasProject() || !edit_.BeginStep())
        return false;
    // In shared mode the step has reloaded the project: the edited list
    // replaces the rules as they are in the file now.
    CProject& project = *document_.GetProject();
    CHolidayArray& holidays = project.GetHolidays();
    holidays.DeleteAll();
    list_.Rules().ForEach([&](const CHoliday& rule) {
        std::unique_ptr<CData> copy = rule.Clone();
        if (copy->GetObjectId() <= 0)
            copy->SetObjectId(project.NewObjectId());
        holidays.Add(std::move(copy));
    });
    edit_.Stamp().Changed(project);
    if (!edit_.Commit())
        return false;
    list_.SetModified(false);
    return true;
}

bool ProjectHolidayForm::Close() {
    if (!list_.IsModified())
        return true;
    switch (prompt_.Show(kApplyQuestion.Plain())) {
        case PromptAnswer::kYes:
            return Apply();
        case PromptAnswer::kNo:
            return true;
        default:
            return false;
    }
}

}  // namespace qb
