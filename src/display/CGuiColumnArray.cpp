#include "CGuiColumnArray.h"

namespace qb {

void CGuiColumnArray::Layout(const ChartContext& chart) {
    borders_.clear();
    for (std::size_t i = 0; i < Size(); ++i)
        At(i)->CalcLayout(chart);
}

int CGuiColumnArray::Right() const {
    return Empty() ? 0 : At(Size() - 1)->GetRect().right;
}

CGuiColumn* CGuiColumnArray::ColumnAt(int x) const {
    for (std::size_t i = 0; i < Size(); ++i) {
        CGuiColumn* column = At(i);
        const GuiRect rect = column->GetRect();
        if (column->IsVisible() && x >= rect.left && x < rect.right)
            return column;
    }
    return nullptr;
}

int CGuiColumnArray::NearestVisible(int index, int step) const {
    for (int i = index + step; i >= 0 && i < static_cast<int>(Size()); i += step) {
        if (At(static_cast<std::size_t>(i))->IsVisible())
            return i;
    }
    return -1;
}

}  // namespace qb
