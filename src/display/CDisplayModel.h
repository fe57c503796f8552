#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

#include "CGuiColumnArray.h"
#include "CGuiObjectArrayOf.h"
#include "CGuiRowArray.h"
#include "DrawTypes.h"
#include "GuiLayoutArgs.h"
#include "GuiYIndex.h"

namespace qb {

class CProject;
class CRowArray;
class CGuiRow;
class CGuiSchedule;
class CGuiLink;
class CGuiMemo;

using CGuiScheduleArray = CGuiObjectArrayOf<CGuiSchedule>;
using CGuiLinkArray = CGuiObjectArrayOf<CGuiLink>;
using CGuiMemoArray = CGuiObjectArrayOf<CGuiMemo>;

// The display model of one open project: the row tree and every schedule,
// link and memo laid out in chart pixels. It is rebuilt from the data after
// every change and then laid out; folds, hidden rows and the selection are
// kept by object id so that they survive rebuilds.
//
// Schedules, memos and links are made and laid out in BuildSchedules,
// BuildMemos, BuildLinks and LayoutSchedules, LayoutMemos, LayoutLinks
// (CDisplayModel.cpp). Layout then indexes the visible schedules and memos by
// their tops (ScheduleIndex, MemoIndex) for painting, and sorts the lightning
// points that schedule layout added through AddLightningPoint.
class CDisplayModel {
public:
    CDisplayModel();
    ~CDisplayModel();
    CDisplayModel(const CDisplayModel&) = delete;
    CDisplayModel& operator=(const CDisplayModel&) = delete;

    // Replaces every display object with one made from the project's data
    // (deleted objects left out), then restores selection and states.
    void Rebuild(CProject& project);
    // Visibility, then rectangles of rows, columns, schedules, memos, links.
    void Layout(const GuiLayoutArgs& args);
    // Drops every display object; the kept states stay.
    void Clear();

    bool IsBuilt() const { return built_; }
    CProject* GetProject() const { return project_; }
    // 0 none, 1 "%d" per level, 2 and more the parent's number, "-" and "%d".
    int GetRenban() const { return renban_; }
    int GetIndent() const { return indent_; }
    bool IsIndentMode() const { return indent_ != 0; }
    const GuiLayoutArgs& GetLayoutArgs() const { return layoutArgs_; }

    CGuiRowArray& GetRows() { return rows_; }
    const CGuiRowArray& GetRows() const { return rows_; }
    CGuiColumnArray& GetColumns() { return columns_; }
    const CGuiColumnArray& GetColumns() const { return columns_; }
    CGuiScheduleArray& GetSchedules() { return schedules_; }
    const CGuiScheduleArray& GetSchedules() const { return schedules_; }
    CGuiLinkArray& GetLinks() { return links_; }
    const CGuiLinkArray& GetLinks() const { return links_; }
    CGuiMemoArray& GetMemos() { return memos_; }
    const CGuiMemoArray& GetMemos() const { return memos_; }

    // Visible schedules and memos by top, rebuilt by every layout.
    const GuiYIndex& ScheduleIndex() const { return scheduleIndex_; }
    const GuiYIndex& MemoIndex() const { return memoIndex_; }
    // Visible links by the top of the rectangle between their end points.
    const GuiYIndex& LinkIndex() const { return linkIndex_; }

    // The bands of the chart in display order, and the pen of the line under each.
    const std::vector<CGuiRow*>& GetLineRows() const { return lineRows_; }
    const std::vector<DrawPen>& GetLinePens() const { return linePens_; }

    // Points of the lightning line, sorted by y after layout.
    const std::vector<DrawPoint>& GetLightningPoints() const { return lightningPoints_; }
    void AddLightningPoint(DrawPoint point) { lightningPoints_.push_back(point); }

    // The bottom of the last visible row; 0 without rows.
    int TotalHeight() const;
    // The row that takes objects at chart y, or null.
    CGuiRow* RowAt(int y) const;
    CGuiRow* FindRow(std::int32_t id) const;
    // Rows, columns, schedules, links, memos; null when none has the id.
    CGuiObject* FindObject(std::int32_t id) const;
    // The visible row whose rectangle holds the point, deepest first.
    CGuiRow* HitTestRow(DrawPoint point) const;

    // Selection by object id.
    const std::vector<std::uint32_t>& GetSelection() const { return selection_; }
    bool IsSelectedId(std::int32_t id) const;
    void Select(std::int32_t id, bool addToSelection);
    void Deselect(std::int32_t id);
    void ClearSelection();

    // Fold and hide states act on the rows at once and are kept across
    // rebuilds; a layout must follow.
    bool CanFold(std::int32_t rowId) const;
    // "この下の階層を折りたたむ(&-)" or "この下の階層を展開する(&+)".
    std::string FoldCommandText(std::int32_t rowId) const;
    void SetFolded(std::int32_t rowId, bool folded);
    void ToggleFold(std::int32_t rowId);

    bool CanHide(std::int32_t rowId, bool editable) const;
    bool CanShowNext(std::int32_t rowId) const;
    bool CanShowPrevious(std::int32_t rowId) const;
    bool CanShowBelow(std::int32_t rowId) const;
    bool CanShowAll() const { return !hiddenRows_.empty(); }
    void HideRow(std::int32_t rowId);
    void ShowNext(std::int32_t rowId);
    void ShowPrevious(std::int32_t rowId);
    void ShowBelow(std::int32_t rowId);
    void ShowAll();
    bool IsRowHiddenId(std::int32_t id) const { return hiddenRows_.count(id) != 0; }
    bool IsFoldedId(std::int32_t id) const { return folded_.count(id) != 0; }

    // Hidden columns, kept by id like hidden rows.
    void SetColumnHidden(std::int32_t columnId, bool hidden);

    // The filter marks rows it drops; a filter that is not active keeps every row.
    bool IsFilterActive() const { return filterActive_; }
    void SetFilterActive(bool active);
    void SetFilteredOut(std::int32_t rowId, bool out);
    void ClearFilter();

private:
    void BuildColumns(CProject& project);
    void BuildRows(CProject& project);
    using RowLookup = std::function<CGuiRow*(std::int32_t)>;
    void BuildRowLevel(const CRowArray& source, CGuiRowArray& target, int level,
                       const std::vector<std::string>& cellNames);
    void BuildSchedules(CProject& project, const RowLookup& rowOf);
    void BuildMemos(CProject& project, const RowLookup& rowOf);
    void BuildLinks(CProject& project);
    void RestoreStates();
    void UpdateVisibility(CGuiRowArray& rows, bool shown);
    void LayoutRowLevel(CGuiRowArray& rows, const GuiLayoutArgs& args);
    CGuiRow* HitTestIn(const CGuiRowArray& rows, DrawPoint point) const;
    static bool FindRowIn(const CGuiRowArray& rows, std::int32_t id, CGuiRow*& found);
    void LayoutRows(const GuiLayoutArgs& args);
    void LayoutColumns(const GuiLayoutArgs& args);
    void LayoutSchedules(const GuiLayoutArgs& args);
    void LayoutMemos(const GuiLayoutArgs& args);
    void LayoutLinks(const GuiLayoutArgs& args);
    void BuildIndexes();
    void ApplyHidden(CGuiRow& row, bool hidden);

    CGuiRowArray rows_;
    CGuiColumnArray columns_;
    CGuiScheduleArray schedules_;
    CGuiLinkArray links_;
    CGuiMemoArray memos_;
    int renban_ = 0;
    int indent_ = 0;
    bool filterActive_ = false;
    std::unordered_set<std::int32_t> filteredOut_;
    std::vector<std::uint32_t> selection_;
    std::vector<DrawPoint> lightningPoints_;
    std::unordered_set<std::int32_t> folded_;
    std::unordered_set<std::int32_t> hiddenRows_;
    std::unordered_set<std::int32_t> hiddenColumns_;
    std::vector<CGuiRow*> lineRows_;
    std::vector<DrawPen> linePens_;
    GuiYIndex scheduleIndex_;
    GuiYIndex memoIndex_;
    GuiYIndex linkIndex_;
    GuiLayoutArgs layoutArgs_;
    bool built_ = false;
    CProject* project_ = nullptr;
};

}  // namespace qb
