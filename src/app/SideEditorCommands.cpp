#include "SideEditorCommands.h"

#include <memory>

#include "CCommandHandler.h"
#include "CStatus.h"
#include "CalendarSettings.h"
#include "ColourRuleForm.h"
#include "CommandIds.h"
#include "HolidayFileForm.h"
#include "IDocumentView.h"
#include "ProjectEdits.h"
#include "ProjectHolidayForm.h"
#include "SystemHolidays.h"

namespace qb {

SideEditorCommands::SideEditorCommands(CStatus& status, Editors editors)
    : status_(status), editors_(std::move(editors)), current_(status.Doc()) {}

SideEditorCommands& SideEditorCommands::Attach(CStatus& status, Editors editors) {
    auto commands = std::make_unique<SideEditorCommands>(status, std::move(editors));
    SideEditorCommands& attached = *commands;
    status.Commands().Attach(std::move(commands));
    return attached;
}

bool SideEditorCommands::Handles(int id) const {
    return id == cmd::kColourRuleEditor || id == cmd::kHolidayEditor || id == kProjectHolidayEditor;
}

CommandState SideEditorCommands::State(int id) const {
    if (id != kProjectHolidayEditor)
        return {true, false, {}};
    const Document& document = status_.Doc();
    return {
        document.HasProject() && !document.IsReadOnly() && !document.ShowsForeignData(), false, {}};
}

bool SideEditorCommands::Execute(int id) {
    if (id == cmd::kColourRuleEditor)
        EditColourRules();
    else if (id == cmd::kHolidayEditor)
        EditHolidayFile();
    else if (id == kProjectHolidayEditor)
        EditProjectHolidays();
    else
        return false;
    return true;
}

void SideEditorCommands::EditColourRules() {
    ColourRuleForm form(status_.Services().Prompt(), status_.GetProject());
    form.SetAssignToProject([this](const std::string& reference) {
        ProjectEdits edits(status_.Doc(), status_.Edit(), status_.Services());
        const EditResult result = edits.SetProjectValues({{"colorRuleKey", reference}});
        if (result.message)
            status_.Services().Prompt().Show(*result.message);
        return result.ok;
    });
    if (editors_.colourRules)
        editors_.colourRules(form);
    current_.ReloadAfterEditor(form.Path());
}

void SideEditorCommands::EditHolidayFile() {
    HolidayFileForm form(status_.Services().Prompt(), SystemHolidayFile());
    if (editors_.holidayFile)
        editors_.holidayFile(form);
    if (form.SavedSystemFile()) {
        status_.Services().LoadMasterHolidays();
        status_.View().SystemHolidaysChanged();
    }
}

void SideEditorCommands::EditProjectHolidays() {
    if (!status_.HasDocument())
        return;
    ProjectHolidayForm form(status_.Doc(), status_.Edit(), status_.Services().Prompt());
    if (editors_.projectHolidays)
        editors_.projectHolidays(form);
}

std::string SideEditorCommands::SystemHolidayFile() const {
    const AppServices& services = status_.Services();
    const std::string& path = services.Settings().calendar.masterHoliday;
    if (path == CalendarSettings::kMasterHolidayUnset)
        return SystemHolidays::DefaultPath(services.Environment().programFolder);
    return path;
}

}  // namespace qb
