#include "ChartAccess.h"

#include "CDisplayModel.h"
#include "CStatus.h"
#include "ChartScene.h"
#include "EditResult.h"
#include "IDocumentView.h"

namespace qb {

ChartScene* ChartAccess::Shown(CStatus& status) {
    const int mode = status.GetViewMode();
    if (!status.HasDocument() || mode < CStatus::kDayView || mode > CStatus::kYearView)
        return nullptr;
    ChartScene* chart = status.View().GetChartScene();
    return chart != nullptr && chart->IsOpen() ? chart : nullptr;
}

bool ChartAccess::IsWritable(const CStatus& status) {
    return status.HasDocument() && !status.Doc().IsReadOnly();
}

// In shared mode the edit may have read the project again from the file, so
// the chart opens whatever project the document holds now.
void ChartAccess::Rebuild(CStatus& status, ChartScene& chart) {
    CProject* project = status.GetProject();
    if (project == nullptr)
        return;
    const int top = chart.GetTop();
    CDisplayModel& model = chart.GetModel();
    if (model.GetProject() == project)
        model.Rebuild(*project);
    else
        chart.Open(*project);
    model.ApplyFilters();
    chart.Relayout();
    chart.SetTop(top);
    status.View().ChartViewChanged();
}

void ChartAccess::Relayout(CStatus& status, ChartScene& chart) {
    chart.Relayout();
    status.View().ChartViewChanged();
}

bool ChartAccess::Report(CStatus& status, const EditResult& result) {
    if (result.message)
        status.Services().Prompt().Show(*result.message);
    return result.ok;
}

std::vector<std::int32_t> ChartAccess::Selected(const CDisplayModel& model, int type) {
    std::vector<std::int32_t> ids;
    for (const std::uint32_t key : model.GetSelection()) {
        const auto id = static_cast<std::int32_t>(key);
        const CGuiObject* object = model.FindObject(id);
        if (object != nullptr && object->GetObjectType() == type)
            ids.push_back(id);
    }
    return ids;
}

bool ChartAccess::OnlySelected(const CDisplayModel& model, int type) {
    bool any = false;
    for (const std::uint32_t key : model.GetSelection()) {
        const CGuiObject* object = model.FindObject(static_cast<std::int32_t>(key));
        if (object == nullptr)
            continue;
        if (object->GetObjectType() != type)
            return false;
        any = true;
    }
    return any;
}

void ChartAccess::SelectAlone(CStatus& status, ChartScene& chart, std::int32_t id) {
    CDisplayModel& model = chart.GetModel();
    model.ClearSelection();
    if (id != CData::kNoObject)
        model.Select(id, false);
    status.View().ChartViewChanged();
}

}  // namespace qb
