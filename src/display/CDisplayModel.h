#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "CFilters.h"
#include "ChartContext.h"
#include "DisplayLayout.h"
#include "DisplayTree.h"
#include "DrawTypes.h"
#include "RowViewState.h"

namespace qb {

class CColumn;
class CRow;

// The display model of one open project: the tree of display objects, the
// user's view of its rows, and their layout in chart pixels. It is rebuilt
// from the data after every change and then laid out; the view state is kept
// by object id so that it survives rebuilds.
class CDisplayModel {
public:
    // Replaces every display object with one made from the project's data,
    // then restores selection and states.
    void Rebuild(CProject& project);
    // Visibility, then rectangles of rows, columns, schedules, memos, links.
    // The context's model is taken to be this one.
    void Layout(const ChartContext& chart);
    // Drops every display object; the kept states stay.
    void Clear();
    // Counts rebuilds, layouts and clears: whoever keeps figures worked out
    // from the objects' places knows by it when they are out of date.
    std::uint64_t Generation() const { return generation_; }

    bool IsBuilt() const { return tree_.IsBuilt(); }
    CProject* GetProject() const { return tree_.GetProject(); }
    int GetRenban() const { return tree_.GetRenban(); }
    int GetIndent() const { return tree_.GetIndent(); }
    bool IsIndentMode() const { return tree_.IsIndentMode(); }
    // The context of the last layout; objects laid out late read it.
    const ChartContext& LayoutContext() const { return layout_.Context(); }
    // The time scale of the last layout, which placed the schedules' bars;
    // null when there is none.
    const TimeScale* LayoutScale() const { return layout_.Scale(); }

    const DisplayTree& Tree() const { return tree_; }
    const RowViewState& ViewState() const { return state_; }
    CGuiRowArray& GetRows() { return tree_.GetRows(); }
    const CGuiRowArray& GetRows() const { return tree_.GetRows(); }
    const CGuiColumnArray& GetColumns() const { return tree_.GetColumns(); }
    const CGuiScheduleArray& GetSchedules() const { return tree_.GetSchedules(); }
    const CGuiLinkArray& GetLinks() const { return tree_.GetLinks(); }
    const CGuiMemoArray& GetMemos() const { return tree_.GetMemos(); }

    const GuiYIndex& ScheduleIndex() const { return layout_.ScheduleIndex(); }
    const GuiYIndex& MemoIndex() const { return layout_.MemoIndex(); }
    const GuiYIndex& LinkIndex() const { return layout_.LinkIndex(); }
    const std::vector<CGuiRow*>& GetLineRows() const { return layout_.GetLineRows(); }
    const std::vector<DrawPen>& GetLinePens() const { return layout_.GetLinePens(); }

    int TotalHeight() const { return layout_.TotalHeight(tree_); }
    CGuiRow* RowAt(int y) const { return layout_.RowAt(tree_, y); }
    CGuiRow* HitTestRow(DrawPoint point) const { return layout_.HitTestRow(tree_, point); }
    CGuiRow* FindRow(std::int32_t id) const { return tree_.FindRow(id); }
    CGuiObject* FindObject(std::int32_t id) const { return tree_.FindObject(id); }

    // The view state, applied to the objects at once; a layout must follow.
    const std::vector<std::uint32_t>& GetSelection() const { return state_.GetSelection(); }
    bool IsSelectedId(std::int32_t id) const { return state_.IsSelectedId(id); }
    void Select(std::int32_t id, bool add) { state_.Select(tree_, id, add); }
    void SelectMany(const std::vector<std::int32_t>& ids) { state_.SelectMany(tree_, ids); }
    void Deselect(std::int32_t id) { state_.Deselect(tree_, id); }
    void ClearSelection() { state_.ClearSelection(tree_); }

    bool CanFold(std::int32_t rowId) const { return state_.CanFold(tree_, rowId); }
    void SetFolded(std::int32_t rowId, bool folded) { state_.SetFolded(tree_, rowId, folded); }
    void ToggleFold(std::int32_t rowId) { state_.ToggleFold(tree_, rowId); }
    bool IsFoldedId(std::int32_t id) const { return state_.IsFoldedId(id); }
    bool CanFoldAny() const { return state_.CanFoldAny(tree_); }
    bool HasFolded() const { return state_.HasFolded(); }
    void SetAllFolded(bool folded) { state_.SetAllFolded(tree_, folded); }

    bool CanHide(std::int32_t rowId, bool editable) const {
        return state_.CanHide(tree_, rowId, editable);
    }
    bool CanShowNext(std::int32_t rowId) const { return state_.CanShowNext(tree_, rowId); }
    bool CanShowPrevious(std::int32_t rowId) const { return state_.CanShowPrevious(tree_, rowId); }
    bool CanShowBelow(std::int32_t rowId) const { return state_.CanShowBelow(tree_, rowId); }
    bool CanShowAll() const { return state_.CanShowAll(); }
    void HideRow(std::int32_t rowId) { state_.HideRow(tree_, rowId); }
    void ShowNext(std::int32_t rowId) { state_.ShowNext(tree_, rowId); }
    void ShowPrevious(std::int32_t rowId) { state_.ShowPrevious(tree_, rowId); }
    void ShowBelow(std::int32_t rowId) { state_.ShowBelow(tree_, rowId); }
    void ShowAll() { state_.ShowAll(tree_); }
    bool IsRowHiddenId(std::int32_t id) const { return state_.IsRowHiddenId(id); }

    void SetColumnHidden(std::int32_t columnId, bool hidden) {
        state_.SetColumnHidden(tree_, columnId, hidden);
    }
    bool HasHiddenColumns() const { return state_.HasHiddenColumns(); }
    void ShowAllColumns() { state_.ShowAllColumns(tree_); }

    // Some filter condition holds: rows it drops are not shown.
    bool IsFilterActive() const { return !filters_.Empty(); }
    // Drops every condition and shows the rows again; Layout must follow.
    void ClearFilter();
    // A condition on the row captions holds: rows show the filter marker.
    bool IsFilterOnCaptions() const;

    // The filter conditions, applied by every rebuild; after changing them
    // call ApplyFilters (or Rebuild), then Layout.
    CFilters& Filters() { return filters_; }
    const CFilters& Filters() const { return filters_; }
    void ApplyFilters();

    // Shows the column before (step -1) or after (step 1) index again, and
    // forgets that it was hidden; false when there is none or it was shown.
    bool ShowNeighbourColumn(int index, int step);
    bool IsColumnHiddenId(std::int32_t id) const { return state_.IsColumnHiddenId(id); }

    // The cell pane's current column index; -1 for none.
    int GetCurrentColumn() const { return currentColumn_; }
    void SetCurrentColumn(int index) { currentColumn_ = index; }

    // A row not yet in the project, made from values and shown in the
    // children of ownerId (kNoObject: the top level) at index (-1: at the
    // end) until the next rebuild; it is selected alone. Layout must follow.
    // Null when the owner is not in the tree or a preview row is shown already.
    CGuiRow* InsertPreviewRow(const CRow& values, std::int32_t ownerId, int index);
    // The preview row, while there is one.
    CGuiRow* GetPreviewRow() const;
    // A dialog's values drawn in place of the row's or column's own until
    // null is given or the model is rebuilt. Layout must follow.
    void PreviewRow(std::int32_t id, const CRow* values);
    void PreviewColumn(std::int32_t id, const CColumn* values);

private:
    // Some condition is on a column that shows aggregated days.
    bool FiltersReadTotals() const;

    DisplayTree tree_;
    RowViewState state_;
    DisplayLayout layout_;
    CFilters filters_;
    // The data of the preview row, which is not in the project.
    std::unique_ptr<CRow> previewData_;
    int currentColumn_ = -1;
    std::uint64_t generation_ = 0;
};

}  // namespace qb
