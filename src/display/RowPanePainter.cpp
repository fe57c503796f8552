#include "RowPanePainter.h"

#include "CDisplayModel.h"
#include "CGuiRow.h"
#include "GuiDrawArgs.h"

namespace qb {

void RowPanePainter::Paint(IDrawContext& dc, const CDisplayModel& model, const GuiDrawArgs& args) {
    PaintLevel(dc, model.GetRows(), args, model.IsIndentMode());
}

// A subtree spans from its row's top to its last visible row's bottom; the
// bottom line lies on that bottom, so it counts as inside.
void RowPanePainter::PaintLevel(IDrawContext& dc, const CGuiRowArray& rows, const GuiDrawArgs& args,
                                bool indentMode) {
    for (const auto& row : rows) {
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
