#include "ShiftCommand.h"

#include <cstdint>
#include <vector>

#include "CDisplayModel.h"
#include "CGuiObject.h"
#include "CStatus.h"
#include "ChartAccess.h"
#include "ChartScene.h"
#include "CommandIds.h"
#include "DayShift.h"
#include "EditSession.h"

namespace qb {
namespace {

// The selection in the order it was made; what is neither a schedule nor a
// memo is passed over by the shift and selected again afterwards.
std::vector<std::int32_t> SelectedIds(const CDisplayModel& model) {
    std::vector<std::int32_t> ids;
    ids.reserve(model.GetSelection().size());
    for (const std::uint32_t key : model.GetSelection())
        ids.push_back(static_cast<std::int32_t>(key));
    return ids;
}

}  // namespace

bool ShiftCommand::Handles(int id) {
    switch (id) {
        case cmd::kShiftDays:
            return true;
        default:
            return false;
    }
}

// Shared mode writes every step at once and cannot undo, so a shift of many
// objects is kept to single mode.
CommandState ShiftCommand::State(int /*id*/) const {
    CommandState state;
    ChartScene* chart = ChartAccess::Shown(status_);
    state.enabled = chart != nullptr && ChartAccess::IsWritable(status_) && !status_.IsShared() &&
                    !ChartAccess::Selected(chart->GetModel(), CGuiObject::kSchedule).empty();
    return state;
}

bool ShiftCommand::Execute(int id) {
    if (!State(id).enabled)
        return false;
    ChartScene& chart = *ChartAccess::Shown(status_);
    const std::optional<ShiftDaysValues> values = status_.Services().Dialogs().EditShiftDays(last_);
    if (!values)
        return false;
    last_ = *values;
    const std::vector<std::int32_t> ids = SelectedIds(chart.GetModel());
    const EditResult result = DayShift::Run(status_.Doc(), status_.Edit(), ids, *values);
    const bool done = ChartAccess::Report(status_, result);
    ChartAccess::Rebuild(status_, chart);
    CDisplayModel& model = chart.GetModel();
    model.ClearSelection();
    for (const std::int32_t selected : ids)
        model.Select(selected, true);
    status_.View().ChartViewChanged();
    return done;
}

}  // namespace qb
