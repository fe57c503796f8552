#include "RowIcons.h"

#include <array>

#include "IDrawContext.h"

namespace qb {

namespace {

constexpr DrawColour kIconFrame = 0x808080;
constexpr DrawColour kIconInk = 0x000000;
constexpr DrawColour kFilterInk = 0xC06000;
constexpr DrawColour kSummaryInk = 0x0080FF;

}  // namespace

void RowIcons::DrawFold(IDrawContext& dc, DrawPoint topLeft, Fold state) {
    const DrawRect box{topLeft.x, topLeft.y, topLeft.x + kFoldSize, topLeft.y + kFoldSize};
    dc.FillRect(box, 0xFFFFFF);
    dc.FrameRect(box, kIconFrame);
    const int midX = topLeft.x + kFoldSize / 2;
    const int midY = topLeft.y + kFoldSize / 2;
    if (state == Fold::allHidden) {
        // A dotted box: the children exist but none is shown.
        dc.SetPen(DrawPen{kPenDot, 1, kIconInk});
        dc.DrawLine(DrawPoint{box.left + 2, midY}, DrawPoint{box.right - 2, midY});
        return;
    }
    dc.SetPen(DrawPen{kPenSolid, 1, kIconInk});
    dc.DrawLine(DrawPoint{box.left + 2, midY}, DrawPoint{box.right - 2, midY});
    if (state == Fold::folded)
        dc.DrawLine(DrawPoint{midX, box.top + 2}, DrawPoint{midX, box.bottom - 2});
}

void RowIcons::DrawFilterMarker(IDrawContext& dc, DrawPoint at) {
    // A funnel.
    const std::array<DrawPoint, 3> funnel{DrawPoint{at.x - 3, at.y - 3},
                                          DrawPoint{at.x + 3, at.y - 3}, DrawPoint{at.x, at.y + 3}};
    dc.SetPen(DrawPen{kPenSolid, 1, kFilterInk});
    dc.SetBrush(DrawBrush::Solid(kFilterInk));
    dc.Polygon(funnel);
}

void RowIcons::DrawSummaryMarker(IDrawContext& dc, DrawPoint at) {
    // A small bar, like the summary bar it stands for.
    dc.SetPen(DrawPen{kPenSolid, 1, kIconInk});
    dc.SetBrush(DrawBrush::Solid(kSummaryInk));
    dc.Rectangle(DrawRect{at.x - 3, at.y - 2, at.x + 4, at.y + 3});
}

}  // namespace qb
