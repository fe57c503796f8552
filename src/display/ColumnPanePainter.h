#pragma once

#include "DrawTypes.h"

namespace qb {

class CDisplayModel;
class CGuiColumnArray;
class CGuiRow;
class IDrawContext;
struct GuiDrawArgs;

// Paints the two panes of the column area: the header with one caption box
// per column, and the cells beside the rows. Both take pane pixels; the
// cells are drawn in chart y (args.visible is the band of rows in view) and
// the caller scrolls them.
class ColumnPanePainter {
public:
    static constexpr DrawColour kPaper = 0xFFFFFF;

    static void PaintHeader(IDrawContext& dc, const CDisplayModel& model, const GuiDrawArgs& args);
    static void PaintCells(IDrawContext& dc, const CDisplayModel& model, const GuiDrawArgs& args);

private:
    static void PaintBands(IDrawContext& dc, const CDisplayModel& model, const GuiDrawArgs& args);
    static void PaintBorders(IDrawContext& dc, const CGuiColumnArray& columns, int top, int bottom);
    static void PaintTexts(IDrawContext& dc, const CDisplayModel& model, const GuiDrawArgs& args);
    static void PaintCurrentCell(IDrawContext& dc, const CDisplayModel& model);
};

}  // namespace qb
