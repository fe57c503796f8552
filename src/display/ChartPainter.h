#pragma once

#include <cstddef>
#include <string_view>

#include "ChartContext.h"
#include "ChartView.h"

namespace qb {

class CDisplayModel;
class IDrawContext;
struct GuiDrawArgs;

// Paints the chart's background picture in window coordinates: the bands,
// today's column, the grid, the row lines, then schedules, summary bars,
// memos and the lightning line, and the links over all of it. Only what
// overlaps the window is touched.
class ChartPainter {
public:
    // Schedules draw labels and captions beyond their bars.
    static constexpr int kObjectMargin = 64;
    // Link stubs and end decorations reach beyond the end points.
    static constexpr int kLinkMargin = 64;

    // A context without a model: no document open.
    static void Paint(IDrawContext& dc, const ChartContext& chart, const ChartView& view);

private:
    static void PaintMessageBox(IDrawContext& dc, std::string_view text);
    static void PaintBands(IDrawContext& dc, const CDisplayModel& model, const DrawRect& visible);
    static void PaintToday(IDrawContext& dc, const ChartContext& chart, const DrawRect& visible);
    static void PaintGrid(IDrawContext& dc, const ChartContext& chart, const ChartView& view,
                          const DrawRect& visible);
    static void PaintRowLines(IDrawContext& dc, const CDisplayModel& model,
                              const DrawRect& visible);
    // Every schedule in reach, in the three passes, so that no shoulder
    // label or actual line lies over another schedule's bar.
    static void PaintSchedules(IDrawContext& dc, const CDisplayModel& model,
                               const GuiDrawArgs& args);
    static void PaintObjects(IDrawContext& dc, const CDisplayModel& model, const GuiDrawArgs& args);
    static void PaintMemos(IDrawContext& dc, const CDisplayModel& model, const GuiDrawArgs& args);
    static void PaintLinks(IDrawContext& dc, const CDisplayModel& model, const GuiDrawArgs& args);
    static void PaintLightning(IDrawContext& dc, const CDisplayModel& model,
                               const ChartContext& chart, const ChartView& view,
                               const DrawRect& visible);
    // The first line row whose bottom line can reach into visible.
    static std::size_t FirstLineRow(const CDisplayModel& model, int top);
};

}  // namespace qb
