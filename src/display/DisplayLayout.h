#pragma once

#include <optional>
#include <vector>

#include "ChartContext.h"
#include "DrawTypes.h"
#include "GuiYIndex.h"
#include "TimeScale.h"

namespace qb {

class CGuiLink;

class CGuiRow;
class CGuiRowArray;
class DisplayTree;

// Places the objects of a built tree in chart pixels: which rows show, the
// rectangles of rows, columns, schedules, memos and links, the bands of the
// chart, and the indexes by top that painting and hit-testing search.
class DisplayLayout {
public:
    // With a filter active, the rows' filtered-out flags decide which show.
    void Run(DisplayTree& tree, bool filterActive, const ChartContext& chart);
    void Clear();

    // The context of the last run; objects laid out late read it.
    const ChartContext& Context() const { return chart_; }
    // The time scale the last run placed the objects with; null before a
    // run, after a clear, or when the context had no ruler. The ruler may
    // have moved on since.
    const TimeScale* Scale() const { return scale_ ? &*scale_ : nullptr; }

    // Visible schedules and memos by top.
    const GuiYIndex& ScheduleIndex() const { return scheduleIndex_; }
    const GuiYIndex& MemoIndex() const { return memoIndex_; }
    // Visible links by the top of the rectangle between their end points.
    const GuiYIndex& LinkIndex() const { return linkIndex_; }
    // The bands of the chart in display order, and the pen of the line under each.
    const std::vector<CGuiRow*>& GetLineRows() const { return lineRows_; }
    const std::vector<DrawPen>& GetLinePens() const { return linePens_; }

    // The bottom of the last visible row; 0 without rows.
    int TotalHeight(const DisplayTree& tree) const;
    // The row that takes objects at chart y, or null.
    CGuiRow* RowAt(const DisplayTree& tree, int y) const;
    // The visible row whose rectangle holds the point, deepest first.
    CGuiRow* HitTestRow(const DisplayTree& tree, DrawPoint point) const;

private:
    void UpdateVisibility(CGuiRowArray& rows, bool shown, bool filterActive, bool indentMode);
    void LayoutRowLevel(CGuiRowArray& rows, bool indentMode);
    void LayoutSchedules(const DisplayTree& tree);
    void LayoutMemos(const DisplayTree& tree);
    void LayoutLinks(const DisplayTree& tree);
    bool KeepsPlace(const CGuiLink& link) const;
    bool EndVisible(const CGuiLink& link, bool from) const;
    void FinishIndexes(const DisplayTree& tree);
    CGuiRow* HitTestIn(const CGuiRowArray& rows, DrawPoint point, bool indentMode) const;

    ChartContext chart_;
    std::optional<TimeScale> scale_;
    std::vector<CGuiRow*> lineRows_;
    std::vector<DrawPen> linePens_;
    // Per schedule, by its index: its place version times two, plus one
    // when it is visible. A link whose ends' versions are those it was laid
    // out with keeps its places.
    std::vector<std::uint64_t> schedulePlaces_;
    // Whether some row may hold a summary bar.
    bool summaryBars_ = false;
    GuiYIndex scheduleIndex_;
    GuiYIndex memoIndex_;
    GuiYIndex linkIndex_;
};

}  // namespace qb
