#include "FilterCommands.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "CColumn.h"
#include "CDisplayModel.h"
#include "CFilter.h"
#include "CGuiColumnArray.h"
#include "CStatus.h"
#include "ChartAccess.h"
#include "ChartScene.h"
#include "CommandIds.h"
#include "FilterRequest.h"
#include "IDialogs.h"

namespace qb {
namespace {

constexpr const char* kCaptionTarget = "段のテキスト";

constexpr int kHandled[] = {cmd::kFilterColumn, cmd::kFilterColumnClear, cmd::kFilterRow,
                            cmd::kFilterRowClear, cmd::kFilterClear};

}  // namespace

bool FilterCommands::Handles(int id) {
    return std::find(std::begin(kHandled), std::end(kHandled), id) != std::end(kHandled);
}

CommandState FilterCommands::State(int id) const {
    ChartScene* chart = ChartAccess::Shown(status_);
    return {chart != nullptr && IsEnabled(id, chart->GetModel()), false, {}};
}

bool FilterCommands::Execute(int id) {
    ChartScene* chart = ChartAccess::Shown(status_);
    if (chart == nullptr || !IsEnabled(id, chart->GetModel()))
        return false;
    CFilters& filters = chart->GetModel().Filters();
    switch (id) {
        case cmd::kFilterColumn:
            return EditCondition(*chart, TargetColumn(chart->GetModel()));
        case cmd::kFilterRow:
            return EditCondition(*chart, CFilter::kCaptions);
        case cmd::kFilterColumnClear:
            filters.Remove(TargetColumn(chart->GetModel()));
            break;
        case cmd::kFilterRowClear:
            filters.Remove(CFilter::kCaptions);
            break;
        default:
            filters.Clear();
            break;
    }
    Apply(*chart);
    return true;
}

bool FilterCommands::IsEnabled(int id, const CDisplayModel& model) const {
    const CFilters& filters = model.Filters();
    const std::int32_t column = TargetColumn(model);
    switch (id) {
        case cmd::kFilterColumn:
            return column != CData::kNoObject;
        case cmd::kFilterColumnClear:
            return column != CData::kNoObject && filters.Has(column);
        case cmd::kFilterRow:
            return true;
        case cmd::kFilterRowClear:
            return filters.Has(CFilter::kCaptions);
        case cmd::kFilterClear:
            return !filters.Empty();
        default:
            return false;
    }
}

std::int32_t FilterCommands::TargetColumn(const CDisplayModel& model) {
    const std::vector<std::int32_t> selected = ChartAccess::Selected(model, CGuiObject::kColumn);
    if (selected.size() == 1)
        return selected.front();
    const int index = model.GetCurrentColumn();
    const CGuiColumnArray& columns = model.GetColumns();
    if (index >= 0 && static_cast<std::size_t>(index) < columns.Size())
        return columns.At(static_cast<std::size_t>(index))->GetObjectId();
    return CData::kNoObject;
}

// The dialog offers the texts the rows have now, the condition's values
// chosen; what comes back replaces the condition, nothing chosen removes it.
bool FilterCommands::EditCondition(ChartScene& chart, std::int32_t columnId) {
    CDisplayModel& model = chart.GetModel();
    FilterRequest request;
    if (columnId == CFilter::kCaptions) {
        request.target = kCaptionTarget;
        request.leafRowsOnly = !model.IsIndentMode();
    } else {
        const auto* column = dynamic_cast<const CGuiColumn*>(model.FindObject(columnId));
        request.target = column->GetColumn().GetCaption();
    }
    request.candidates = CFilters::Candidates(model.Tree(), columnId);
    request.chosen = model.Filters().Values(columnId);
    const std::optional<std::vector<std::string>> chosen =
        status_.Services().Dialogs().EditFilter(request);
    if (!chosen)
        return false;
    std::vector<std::string> values = *chosen;
    if (values.size() > static_cast<std::size_t>(FilterRequest::kLists))
        values.resize(FilterRequest::kLists);
    model.Filters().Set(columnId, std::move(values));
    Apply(chart);
    return true;
}

void FilterCommands::Apply(ChartScene& chart) {
    status_.SetEditMode(CStatus::kNormalMode);
    chart.GetModel().ApplyFilters();
    ChartAccess::Relayout(status_, chart);
}

}  // namespace qb
