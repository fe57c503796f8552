#include "CDisplayModel.h"

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

}  // namespace qb
