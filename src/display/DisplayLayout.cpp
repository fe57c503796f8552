#include "DisplayLayout.h"

#include <algorithm>
#include <array>
#include <memory>
#include <unordered_map>

#include "CGuiLink.h"
#include "CGuiMemo.h"
#include "CGuiRow.h"
#include "CGuiSchedule.h"
#include "CGuiSummaryBar.h"
#include "CRuler.h"
#include "ColumnCellText.h"
#include "DisplaySettings.h"
#include "DisplayTree.h"
#include "RowTotals.h"

namespace qb {

namespace {

// In summary mode a folded row (in indent mode every row with children) shows
// one bar over the schedules of all rows below it. placed tells whether any
// row may hold a bar; without summary mode and without bars there is nothing
// to do.
void LayoutSummaryBars(const CGuiRowArray& rows, const CGuiScheduleArray& schedules,
                       const ChartContext& chart, bool indentMode, bool& placed) {
    if (!chart.summaryMode && !placed)
        return;
    placed = false;
    std::unordered_map<CGuiRow*, std::unique_ptr<CGuiSummaryBar>> bars;
    DisplayTree::ForEachRow(rows, [&](CGuiRow& row) {
        row.SetSummaryBar(nullptr);
        if (chart.summaryMode && row.IsVisible() && row.HasChildren() &&
            (row.IsFolded() || indentMode))
            bars.emplace(&row, std::make_unique<CGuiSummaryBar>());
    });
    if (bars.empty() || chart.ruler == nullptr)
        return;
    for (std::size_t i = 0; i < schedules.Size(); ++i) {
        const CGuiSchedule& schedule = *schedules.At(i);
        CGuiRow* row = schedule.GetRow();
        for (CGuiRow* above = row ? row->GetParent() : nullptr; above; above = above->GetParent()) {
            const auto bar = bars.find(above);
            if (bar != bars.end())
                bar->second->Include(schedule.GetFields(), chart.ruler->GetTimeScale());
        }
    }
    for (auto& [row, bar] : bars) {
        if (bar->IsEmpty())
            continue;
        bar->Place(row->GetRect());
        row->SetSummaryBar(std::move(bar));
        placed = true;
    }
}

}  // namespace

// A rebuild that follows leaves no row with a summary bar.
void DisplayLayout::Clear() {
    summaryBars_ = false;
    scheduleIndex_.Clear();
    memoIndex_.Clear();
    linkIndex_.Clear();
    lineRows_.clear();
    linePens_.clear();
    scale_.reset();
}

void DisplayLayout::Run(DisplayTree& tree, bool filterActive, const ChartContext& chart) {
    chart_ = chart;
    scale_.reset();
    if (chart.ruler != nullptr)
        scale_ = chart.ruler->GetTimeScale();
    lineRows_.clear();
    linePens_.clear();
    const bool indentMode = tree.IsIndentMode();
    UpdateVisibility(tree.GetRows(), true, filterActive, indentMode);
    LayoutRowLevel(tree.GetRows(), indentMode);
    CGuiColumnArray& columns = tree.GetColumns();
    columns.Layout(chart_);
    LayoutSchedules(tree);
    LayoutMemos(tree);
    LayoutLinks(tree);
    if (chart_.ShowTotal() || columns.HasKind10() || columns.HasKind11()) {
        RowTotals(chart_.Display(), chart_.holidays).Compute(tree.GetRows(), tree.GetSchedules());
        ColumnCellText::FillTotals(tree.GetRows(), columns);
    }
    FinishIndexes(tree);
}

void DisplayLayout::FinishIndexes(const DisplayTree& tree) {
    const CGuiMemoArray& memos = tree.GetMemos();
    std::vector<CGuiObject*> visible;
    visible.reserve(memos.Size());
    for (std::size_t i = 0; i < memos.Size(); ++i) {
        if (memos.Base(i)->IsVisible())
            visible.push_back(memos.Base(i));
    }
    scheduleIndex_.Finish();
    memoIndex_.Build(std::move(visible));
    linkIndex_.Finish();
}

// A hidden or folded row hides its whole subtree; a row the filter drops is
// itself invisible, but its children are judged on their own.
void DisplayLayout::UpdateVisibility(CGuiRowArray& rows, bool shown, bool filterActive,
                                     bool indentMode) {
    for (const auto& row : rows) {
        if (!shown) {
            row->SetVisible(false);
            UpdateVisibility(row->GetChildren(), false, filterActive, indentMode);
        } else if (!filterActive || row->PassesFilter(indentMode)) {
            row->SetVisible(!row->IsHidden());
            UpdateVisibility(row->GetChildren(), row->IsVisible() && !row->IsFolded(), filterActive,
                             indentMode);
        } else {
            row->SetVisible(false);
            UpdateVisibility(row->GetChildren(), true, filterActive, indentMode);
        }
    }
}

void DisplayLayout::LayoutRowLevel(CGuiRowArray& rows, bool indentMode) {
    const CGuiRow* previous = nullptr;
    for (const auto& row : rows) {
        row->SetPreviousVisible(previous);
        row->CalcLayout(chart_);
        if (row->IsVisible() && row->IsBand(indentMode)) {
            lineRows_.push_back(row.get());
            linePens_.push_back(row->BandPen(indentMode));
        }
        LayoutRowLevel(row->GetChildren(), indentMode);
        if (row->IsVisible())
            previous = row.get();
    }
}

// Each schedule goes into the index while it is at hand: a second pass over
// every schedule costs as much as the layout itself in a large project.
// Nothing laid out after the schedules moves or hides one. Each schedule
// also reads its row, which lies anywhere among the rows, so the rows of the
// schedules a few places ahead are fetched early.
void DisplayLayout::LayoutSchedules(const DisplayTree& tree) {
    constexpr std::size_t kRowsAhead = 8;
    constexpr std::size_t kRowBytes = sizeof(CGuiRow);
    const CGuiScheduleArray& schedules = tree.GetSchedules();
    const std::size_t count = schedules.Size();
    scheduleIndex_.Start(count);
    schedulePlaces_.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        if (i + kRowsAhead < count) {
            if (const CGuiRow* row = schedules.At(i + kRowsAhead)->GetRow()) {
                const auto* bytes = reinterpret_cast<const char*>(row);
                for (std::size_t offset = 0; offset < kRowBytes; offset += 64)
                    __builtin_prefetch(bytes + offset);
            }
        }
        CGuiSchedule* schedule = schedules.At(i);
        schedule->CalcLayout(chart_);
        const bool visible = schedule->IsVisible();
        if (visible)
            scheduleIndex_.Add(schedule->GetRect(), schedule);
        schedulePlaces_[i] = schedule->GetPlaceVersion() << 1 | (visible ? 1 : 0);
    }
    LayoutSummaryBars(tree.GetRows(), schedules, chart_, tree.IsIndentMode(), summaryBars_);
}

void DisplayLayout::LayoutMemos(const DisplayTree& tree) {
    const CGuiMemoArray& memos = tree.GetMemos();
    for (std::size_t i = 0; i < memos.Size(); ++i)
        memos.At(i)->CalcLayout(chart_);
}

// A link whose ends lie where they lay at its last layout keeps its places.
// A schedule end tells by its place version, which the schedule layout kept
// by index, so the link need not read the schedule.
bool DisplayLayout::KeepsPlace(const CGuiLink& link) const {
    if (!link.HasPlace())
        return false;
    const auto same = [this, &link](CGuiLink::EndPlace end, bool from) {
        if (end.memo)
            return link.MemoEndStays(from);
        return end.version != 0 && end.index >= 0 &&
               static_cast<std::size_t>(end.index) < schedulePlaces_.size() &&
               schedulePlaces_[static_cast<std::size_t>(end.index)] >> 1 == end.version;
    };
    return same(link.FromPlace(), true) && same(link.ToPlace(), false);
}

// Only for a link that keeps its place.
bool DisplayLayout::EndVisible(const CGuiLink& link, bool from) const {
    const CGuiLink::EndPlace end = from ? link.FromPlace() : link.ToPlace();
    if (end.memo)
        return (from ? link.GetFrom() : link.GetTo())->IsVisible();
    return (schedulePlaces_[static_cast<std::size_t>(end.index)] & 1) != 0;
}

// Any other link is laid out while it and its ends are at hand. The ends lie
// anywhere in memory, and a link reads each end's place and its data object
// (whether it was deleted): fetching those a few links ahead keeps the walk
// from waiting on memory at every link. What layout reads of an end lies in
// its first lines.
void DisplayLayout::LayoutLinks(const DisplayTree& tree) {
    constexpr std::size_t kAhead = 8;
    constexpr std::size_t kEndBytes = 256;
    const CGuiLinkArray& links = tree.GetLinks();
    const std::size_t count = links.Size();
    // Whether the links up to kAhead places on keep their places, by index
    // modulo kAhead: the links that do not are fetched early.
    std::array<bool, kAhead> keeps{};
    auto look = [&](std::size_t at) {
        if (at >= count)
            return;
        const CGuiLink* link = links.At(at);
        keeps[at % kAhead] = KeepsPlace(*link);
        if (keeps[at % kAhead])
            return;
        for (const CGuiObject* end : {link->GetFrom(), link->GetTo()}) {
            if (end == nullptr)
                continue;
            const auto* bytes = reinterpret_cast<const char*>(end);
            for (std::size_t offset = 0; offset < kEndBytes; offset += 64)
                __builtin_prefetch(bytes + offset);
        }
        // Whether it was deleted lies past the first line of a data object.
        for (const CData* data : {link->GetFromData(), link->GetToData()}) {
            if (data != nullptr) {
                __builtin_prefetch(data);
                __builtin_prefetch(reinterpret_cast<const char*>(data) + 64);
            }
        }
    };
    for (std::size_t at = 0; at < kAhead; ++at)
        look(at);
    linkIndex_.Start(count);
    for (std::size_t i = 0; i < count; ++i) {
        const bool keep = keeps[i % kAhead];
        look(i + kAhead);
        CGuiLink* link = links.At(i);
        bool visible = false;
        if (keep) {
            visible = !link->IsHidden() && EndVisible(*link, true) && EndVisible(*link, false);
        } else {
            link->CalcLayout(chart_);
            visible = link->IsVisible();
        }
        if (visible)
            linkIndex_.Add(link->GetRect(), link);
    }
}

int DisplayLayout::TotalHeight(const DisplayTree& tree) const {
    const CGuiRowArray& rows = tree.GetRows();
    for (std::size_t i = rows.Size(); i-- > 0;) {
        const CGuiRow* row = rows.At(i);
        if (!row->IsVisible())
            continue;
        const CGuiRow* last = tree.IsIndentMode() ? row->LastVisibleDescendant() : row;
        return last->GetRect().bottom;
    }
    return 0;
}

// The bands tile the chart from the top in tree order, and every row that
// takes objects is a band, so a binary search over them finds the row.
CGuiRow* DisplayLayout::RowAt(const DisplayTree& tree, int y) const {
    auto it = std::upper_bound(
        lineRows_.begin(), lineRows_.end(), y,
        [](int value, const CGuiRow* row) { return value < row->GetRect().bottom; });
    for (; it != lineRows_.end(); ++it) {
        const GuiRect rect = (*it)->GetRect();
        if (rect.top > y)
            break;
        if ((*it)->CanTakeObjects(tree.IsIndentMode()))
            return *it;
    }
    return nullptr;
}

CGuiRow* DisplayLayout::HitTestRow(const DisplayTree& tree, DrawPoint point) const {
    return HitTestIn(tree.GetRows(), point, tree.IsIndentMode());
}

// Rows never overlap, so the first hit in tree order is the answer. A
// subtree lies within its row's y span in box mode and below the row down to
// its last visible row in indent mode; other subtrees are skipped.
CGuiRow* DisplayLayout::HitTestIn(const CGuiRowArray& rows, DrawPoint point,
                                  bool indentMode) const {
    for (const auto& row : rows) {
        if (!row->IsVisible())
            continue;
        if (row->HitTest(point))
            return row.get();
        const GuiRect rect = row->GetRect();
        const int bottom =
            indentMode ? row->LastVisibleDescendant()->GetRect().bottom : rect.bottom;
        if (point.y < rect.top || point.y >= bottom)
            continue;
        if (CGuiRow* hit = HitTestIn(row->GetChildren(), point, indentMode))
            return hit;
    }
    return nullptr;
}

}  // namespace qb
