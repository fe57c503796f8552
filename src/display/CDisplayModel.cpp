#include "CDisplayModel.h"

#include <algorithm>

#include "CGuiColumnArray.h"
#include "CProject.h"
#include "CRow.h"
#include "ColumnCellText.h"

namespace qb {

void CDisplayModel::Clear() {
    ++generation_;
    layout_.Clear();
    tree_.Clear();
    previewData_.reset();
}

// The preview row goes with the tree it was placed in; a current column
// that is gone leaves no cell current. A new build flags no row as filtered
// out, so without filters there is nothing to apply.
void CDisplayModel::Rebuild(CProject& project) {
    ++generation_;
    layout_.Clear();
    tree_.Build(project);
    previewData_.reset();
    if (currentColumn_ >= static_cast<int>(tree_.GetColumns().Size()))
        currentColumn_ = -1;
    state_.ApplyTo(tree_);
    if (!filters_.All().empty())
        filters_.Apply(tree_);
}

// Columns of the aggregated days get their texts from the layout: a
// condition on one is judged again once they are known, and the rows laid
// out anew.
void CDisplayModel::Layout(const ChartContext& chart) {
    ++generation_;
    ChartContext own = chart;
    own.model = this;
    layout_.Run(tree_, IsFilterActive(), own);
    if (FiltersReadTotals()) {
        filters_.Apply(tree_);
        layout_.Run(tree_, IsFilterActive(), own);
    }
}

bool CDisplayModel::FiltersReadTotals() const {
    return std::any_of(filters_.All().begin(), filters_.All().end(), [this](const CFilter& f) {
        const auto* column =
            static_cast<const CGuiColumn*>(tree_.FindObject(f.columnId, CGuiObject::kColumn));
        return column != nullptr && (column->GetKind() == ColumnCellText::kTotal2 ||
                                     column->GetKind() == ColumnCellText::kTotal3);
    });
}

void CDisplayModel::ApplyFilters() {
    filters_.Apply(tree_);
}

void CDisplayModel::ClearFilter() {
    filters_.Clear();
    filters_.Apply(tree_);
}

bool CDisplayModel::IsFilterOnCaptions() const {
    return std::any_of(filters_.All().begin(), filters_.All().end(),
                       [](const CFilter& filter) { return filter.IsCaptionCondition(); });
}

bool CDisplayModel::ShowNeighbourColumn(int index, int step) {
    const CGuiColumnArray& columns = tree_.GetColumns();
    const int neighbour = index + step;
    if (neighbour < 0 || neighbour >= static_cast<int>(columns.Size()))
        return false;
    const CGuiColumn* column = columns.At(static_cast<std::size_t>(neighbour));
    if (!column->IsHidden())
        return false;
    state_.SetColumnHidden(tree_, column->GetObjectId(), false);
    return true;
}

// The row takes the id the project will hand out next, which no object has
// yet, so that the selection finds it again once it is really added.
CGuiRow* CDisplayModel::InsertPreviewRow(const CRow& values, std::int32_t ownerId, int index) {
    CProject* project = tree_.GetProject();
    if (project == nullptr)
        return nullptr;
    if (previewData_ != nullptr)
        return nullptr;
    auto data = std::unique_ptr<CRow>(static_cast<CRow*>(values.Clone().release()));
    data->SetObjectId(project->GetLastObjectId());
    CGuiRow* row = tree_.AddPreviewRow(*data, ownerId, index);
    if (row == nullptr)
        return nullptr;
    previewData_ = std::move(data);
    row->SetPreview(previewData_.get());
    state_.Select(tree_, row->GetObjectId(), false);
    return row;
}

CGuiRow* CDisplayModel::GetPreviewRow() const {
    return previewData_ != nullptr ? tree_.FindRow(previewData_->GetObjectId()) : nullptr;
}

// Without values the preview row keeps its own data, which is the preview.
void CDisplayModel::PreviewRow(std::int32_t id, const CRow* values) {
    CGuiRow* row = tree_.FindRow(id);
    if (row == nullptr)
        return;
    if (values == nullptr && row == GetPreviewRow())
        values = previewData_.get();
    row->SetPreview(values);
}

void CDisplayModel::PreviewColumn(std::int32_t id, const CColumn* values) {
    if (auto* column = dynamic_cast<CGuiColumn*>(tree_.FindObject(id, CGuiObject::kColumn)))
        column->SetPreview(values);
}

}  // namespace qb
