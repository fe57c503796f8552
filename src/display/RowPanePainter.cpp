#include "RowPanePainter.h"

#include <algorithm>

#include "CDisplayModel.h"
#include "CGuiRow.h"
#include "GuiDrawArgs.h"

namespace qb {

void RowPanePainter::Paint(IDrawContext& dc, const CDisplayModel& model, const GuiDrawArgs& args) {
    PaintLevel(dc, model.GetRows(), args, model.IsIndentMode());
}

// Layout gives every row of a level, visible or not, the top where the
// subtree of the visible row before it ends, so tops never decrease along a
// level and a visible row's subtree ends where the next visible row starts.
// Every visible row before the last one starting above the area therefore
// ends above it, and a binary search skips them.
std::size_t RowPanePainter::FirstCandidate(const CGuiRowArray& rows, int top) {
    const auto it = std::lower_bound(rows.begin(), rows.end(), top,
                                     [](const auto& row, int y) { return row->GetRect().top < y; });
    auto index = static_cast<std::size_t>(it - rows.begin());
    while (index > 0) {
        --index;
        if (rows.At(index)->IsVisible())
            break;
    }
    return index;
}

// A subtree spans from its row's top to its last visible row's bottom; the
// bottom line lies on that bottom, so it counts as inside.
void RowPanePainter::PaintLevel(IDrawContext& dc, const CGuiRowArray& rows, const GuiDrawArgs& args,
                                bool indentMode) {
    for (std::size_t i = FirstCandidate(rows, args.visible.top); i < rows.Size(); ++i) {
        CGuiRow* row = rows.At(i);
        if (!row->IsVisible())
            continue;
        const GuiRect rect = row->GetRect();
        if (rect.top >= args.visible.bottom)
            break;
        const int bottom =
            indentMode ? row->LastVisibleDescendant()->GetRect().bottom : rect.bottom;
        if (bottom < args.visible.top)
            continue;
        row->Draw(dc, args);
        PaintLevel(dc, row->GetChildren(), args, indentMode);
    }
}

}  // namespace qb
