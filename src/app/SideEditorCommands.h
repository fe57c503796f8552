#pragma once

#include <functional>
#include <string>

#include "CurrentColourRules.h"
#include "ICommandGroup.h"

namespace qb {

class CStatus;
class ColourRuleForm;
class HolidayFileForm;
class ProjectHolidayForm;

// The Tools menu's editors of colour rules and holiday rules, and the
// application's current colour rule set that follows the open project. The
// window hands in how each editor is shown; the editor works on the form
// until it closes.
class SideEditorCommands : public ICommandGroup {
public:
    // "プロジェクト休日情報の編集": the open project's own holiday rules.
    static constexpr int kProjectHolidayEditor = 40303;

    struct Editors {
        std::function<void(ColourRuleForm&)> colourRules = nullptr;
        std::function<void(HolidayFileForm&)> holidayFile = nullptr;
        std::function<void(ProjectHolidayForm&)> projectHolidays = nullptr;
    };

    SideEditorCommands(CStatus& status, Editors editors);
    // Makes the commands part of the status's command handler; the
    // reference lives as long as the status.
    static SideEditorCommands& Attach(CStatus& status, Editors editors);

    // The rules the colour drop-downs offer.
    const CColorRuleArray& ColourRules() const { return current_.Rules(); }

    bool Handles(int id) const override;
    CommandState State(int id) const override;
    bool Execute(int id) override;

    // Each shows its editor; the calendar and the drop-downs take what was
    // saved or applied once it closes.
    void EditColourRules();
    void EditHolidayFile();
    void EditProjectHolidays();

private:
    std::string SystemHolidayFile() const;

    CStatus& status_;
    Editors editors_;
    CurrentColourRules current_;
};

}  // namespace qb
