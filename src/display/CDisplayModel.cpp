#include "CDisplayModel.h"

#include "CGuiColumnArray.h"

namespace qb {

void CDisplayModel::Clear() {
    layout_.Clear();
    tree_.Clear();
}

void CDisplayModel::Rebuild(CProject& project) {
    layout_.Clear();
    tree_.Build(project);
    state_.ApplyTo(tree_);
}

void CDisplayModel::Layout(const ChartContext& chart) {
    ChartContext own = chart;
    own.model = this;
    layout_.Run(tree_, state_, own);
}

// To be completed by the column area work.
void CDisplayModel::ApplyFilters() {
    filters_.Apply(tree_);
}

CGuiRow* CDisplayModel::InsertPreviewRow(const CRow& /*values*/, std::int32_t /*ownerId*/,
                                         int /*index*/) {
    return nullptr;
}

void CDisplayModel::PreviewRow(std::int32_t /*id*/, const CRow* /*values*/) {}

void CDisplayModel::PreviewColumn(std::int32_t id, const CColumn* values) {
    if (auto* column = dynamic_cast<CGuiColumn*>(tree_.FindObject(id, CGuiObject::kColumn)))
        column->SetPreview(values);
}

}  // namespace qb
