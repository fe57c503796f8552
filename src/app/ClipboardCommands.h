#pragma once

#include <cstdint>
#include <vector>

#include "CommandState.h"

namespace qb {

class CDisplayModel;
class CGuiObject;
class CStatus;
class ChartScene;

// The clipboard commands: copy, cut and paste of the chart's schedules, memos
// and links and of a row with its subtree, through the two private formats
// on the desktop's clipboard, and the copied row inserted from the row
// header's menu.
class ClipboardCommands {
public:
    explicit ClipboardCommands(CStatus& status) : status_(status) {}

    static bool Handles(int id);
    CommandState State(int id) const;
    // False when the command is disabled now, was cancelled or refused.
    bool Execute(int id);

private:
    bool IsEnabled(int id, ChartScene& chart) const;
    bool CanPaste() const;
    // The first selected row; kNoObject when no row is selected.
    static std::int32_t SelectedRow(const CDisplayModel& model);
    // The selected objects that exist in the model, in the order of selection.
    static std::vector<const CGuiObject*> Selection(const CDisplayModel& model);

    bool Copy(ChartScene& chart, bool checkHidden);
    // Puts the row or the chart objects on the clipboard; false when there
    // was nothing to put or the clipboard refused it.
    bool Write(ChartScene& chart);
    bool WriteObjects(const CDisplayModel& model);
    bool Cut(ChartScene& chart);
    bool Paste(ChartScene& chart);
    bool PasteRow(ChartScene& chart);

    CStatus& status_;
};

}  // namespace qb
