#pragma once

#include <cstddef>

namespace qb {

class CDisplayModel;
class CGuiRowArray;
class IDrawContext;
struct GuiDrawArgs;

// Paints the row-header pane: every visible row whose subtree reaches into
// args.visible, in tree order. dc takes chart coordinates.
class RowPanePainter {
public:
    static void Paint(IDrawContext& dc, const CDisplayModel& model, const GuiDrawArgs& args);

private:
    static void PaintLevel(IDrawContext& dc, const CGuiRowArray& rows, const GuiDrawArgs& args,
                           bool indentMode);
    // The first row of the level that can reach down into the area from top.
    static std::size_t FirstCandidate(const CGuiRowArray& rows, int top);
};

}  // namespace qb
