#include "CDisplayModel.h"

#include <algorithm>
#include <string>
#include <unordered_map>

#include "CColumn.h"
#include "CColumnArray.h"
#include "CDrawPartArray.h"
#include "CGuiLink.h"
#include "CGuiMemo.h"
#include "CGuiRow.h"
#include "CGuiSchedule.h"
#include "CGuiSummaryBar.h"
#include "CLink.h"
#include "CLinkArray.h"
#include "CMemo.h"
#include "CProject.h"
#include "CRow.h"
#include "CRowArray.h"
#include "CRuler.h"
#include "CSchedule.h"
#include "CScheduleArray.h"
#include "RowTotals.h"

namespace qb {

namespace {

constexpr const char* kFoldText = "この下の階層を折りたたむ(&-)";
constexpr const char* kUnfoldText = "この下の階層を展開する(&+)";

std::string NumberText(int renban, const CGuiRow* parent, int position) {
    if (renban == 0)
        return {};
    std::string text;
    if (renban >= 2 && parent) {
        text = parent->GetNumberText();
        text += '-';
    }
    text += std::to_string(position);
    return text;
}

// Object ids come from one counter per project, so they are nearly dense and
// a table indexed by id finds an object without hashing; scattered ids fall
// back to a hash map. The first object with an id wins.
template <class T>
class IdTable {
public:
    void Reserve(std::size_t count) { pending_.reserve(count); }
    void Add(std::int32_t id, T* object) { pending_.emplace_back(id, object); }
    void Seal() {
        if (pending_.empty())
            return;
        auto [low, high] =
            std::minmax_element(pending_.begin(), pending_.end(),
                                [](const auto& a, const auto& b) { return a.first < b.first; });
        low_ = low->first;
        const std::int64_t span = std::int64_t{high->first} - low_ + 1;
        if (span <= 4 * static_cast<std::int64_t>(pending_.size()) + 1024) {
            dense_.assign(static_cast<std::size_t>(span), nullptr);
            for (const auto& [id, object] : pending_) {
                T*& slot = dense_[static_cast<std::size_t>(std::int64_t{id} - low_)];
                if (slot == nullptr)
                    slot = object;
            }
        } else {
            sparse_.reserve(pending_.size());
            for (const auto& [id, object] : pending_)
                sparse_.emplace(id, object);
        }
        pending_.clear();
    }
    T* Find(std::int32_t id) const {
        if (!dense_.empty()) {
            const std::int64_t at = std::int64_t{id} - low_;
            return at >= 0 && at < static_cast<std::int64_t>(dense_.size())
                       ? dense_[static_cast<std::size_t>(at)]
                       : nullptr;
        }
        const auto found = sparse_.find(id);
        return found == sparse_.end() ? nullptr : found->second;
    }

private:
    std::vector<std::pair<std::int32_t, T*>> pending_;
    std::vector<T*> dense_;
    std::int64_t low_ = 0;
    std::unordered_map<std::int32_t, T*> sparse_;
};

template <class F>
void ForEachRow(const CGuiRowArray& rows, F&& f) {
    for (const auto& row : rows) {
        f(*row);
        ForEachRow(row->GetChildren(), f);
    }
}

}  // namespace

CDisplayModel::CDisplayModel() = default;

CDisplayModel::~CDisplayModel() = default;

void CDisplayModel::Clear() {
    // Links and memos refer to schedules and rows: drop them first.
    links_.Clear();
    memos_.Clear();
    schedules_.Clear();
    scheduleIndex_.Clear();
    memoIndex_.Clear();
    linkIndex_.Clear();
    columns_.Clear();
    rows_.Clear();
    lineRows_.clear();
    linePens_.clear();
    lightningPoints_.clear();
    built_ = false;
    project_ = nullptr;
}

void CDisplayModel::Rebuild(CProject& project) {
    Clear();
    project_ = &project;
    // A negative width has no meaning as an indent; it is taken as box mode.
    indent_ = std::max(0, project.GetParamInt("_Indent", 0));
    renban_ = project.GetParamInt("_Renban", 0);
    BuildColumns(project);
    BuildRows(project);
    IdTable<CGuiRow> rowsById;
    ForEachRow(rows_, [&](CGuiRow& row) { rowsById.Add(row.GetObjectId(), &row); });
    rowsById.Seal();
    const RowLookup rowOf = [&rowsById](std::int32_t id) { return rowsById.Find(id); };
    BuildSchedules(project, rowOf);
    BuildMemos(project, rowOf);
    BuildLinks(project);
    built_ = true;
    RestoreStates();
}

void CDisplayModel::BuildColumns(CProject& project) {
    project.GetColumns().ForEach([this](CColumn& column) {
        if (!column.IsDeleted())
            columns_.Add(std::make_unique<CGuiColumn>(column));
    });
}

void CDisplayModel::BuildRowLevel(const CRowArray& source, CGuiRowArray& target, int level,
                                  const std::vector<std::string>& cellNames) {
    int position = 0;
    source.ForEach([&](CRow& data) {
        if (data.IsDeleted())
            return;
        CGuiRow* row = target.Add(std::make_unique<CGuiRow>(data, target, level));
        std::vector<std::string> cells;
        cells.reserve(cellNames.size());
        for (const std::string& name : cellNames)
            cells.push_back(data.GetParam(name));
        row->SetCellTexts(std::move(cells));
        row->SetNumberText(NumberText(renban_, target.GetOwner(), ++position));
        BuildRowLevel(data.GetChildren(), row->GetChildren(), level + 1, cellNames);
    });
}

void CDisplayModel::BuildRows(CProject& project) {
    std::vector<std::string> cellNames;
    cellNames.reserve(columns_.Size());
    for (std::size_t i = 0; i < columns_.Size(); ++i) {
        std::string name = "_c";
        name += std::to_string(columns_.Base(i)->GetObjectId());
        cellNames.push_back(std::move(name));
    }
    BuildRowLevel(project.GetRows(), rows_, 0, cellNames);
}

// Each schedule and memo finds its row once here rather than on every layout.
void CDisplayModel::BuildSchedules(CProject& project, const RowLookup& rowOf) {
    schedules_.Reserve(static_cast<std::size_t>(project.GetSchedules().GetCount()));
    project.GetSchedules().ForEach([&](CSchedule& data) {
        if (data.IsDeleted())
            return;
        schedules_.Add(std::make_unique<CGuiSchedule>(data, rowOf(data.GetRowObjectId())));
    });
}

void CDisplayModel::BuildMemos(CProject& project, const RowLookup& rowOf) {
    project.GetDrawParts().ForEach([&](CDrawPart& part) {
        if (part.IsDeleted() || part.GetType() != CData::kMemo)
            return;
        auto& memo = static_cast<CMemo&>(part);
        memos_.Add(std::make_unique<CGuiMemo>(memo, rowOf(memo.GetYRowId())));
    });
}

// A link whose ends are gone stays in the array; its layout hides it.
void CDisplayModel::BuildLinks(CProject& project) {
    IdTable<CGuiObject> ends;
    ends.Reserve(schedules_.Size() + memos_.Size());
    for (std::size_t i = 0; i < schedules_.Size(); ++i)
        ends.Add(schedules_.Base(i)->GetObjectId(), schedules_.Base(i));
    for (std::size_t i = 0; i < memos_.Size(); ++i)
        ends.Add(memos_.Base(i)->GetObjectId(), memos_.Base(i));
    ends.Seal();
    links_.Reserve(static_cast<std::size_t>(project.GetLinks().GetCount()));
    project.GetLinks().ForEach([&](CLink& data) {
        if (!data.IsDeleted())
            links_.Add(std::make_unique<CGuiLink>(data, ends.Find(data.GetFromId()),
                                                  ends.Find(data.GetToId())));
    });
}

// Selection and states are keyed by object id; ids whose objects are gone
// (deleted here or by another process) are dropped.
// Every object is new and starts unselected, unfolded and shown, so only ids
// named by some state need looking at; with no states kept nothing is walked.
void CDisplayModel::RestoreStates() {
    const std::unordered_set<std::int32_t> selected(selection_.begin(), selection_.end());
    auto isStale = [](const std::unordered_set<std::int32_t>& live) {
        return [&live](std::int32_t id) { return live.count(id) == 0; };
    };
    // The ids of existing rows that some state names.
    std::unordered_set<std::int32_t> liveRows;
    if (!selected.empty() || !folded_.empty() || !hiddenRows_.empty() || !filteredOut_.empty()) {
        ForEachRow(rows_, [&](CGuiRow& row) {
            const std::int32_t id = row.GetObjectId();
            const bool isSelected = selected.count(id) != 0;
            const bool isFolded = folded_.count(id) != 0;
            const bool isHidden = hiddenRows_.count(id) != 0;
            const bool isFilteredOut = filteredOut_.count(id) != 0;
            if (isSelected || isFolded || isHidden || isFilteredOut)
                liveRows.insert(id);
            row.SetSelected(isSelected);
            row.SetFolded(row.HasChildren() && isFolded);
            row.SetHidden(isHidden);
            row.SetFilteredOutFlag(filterActive_ && isFilteredOut);
        });
    }
    std::erase_if(folded_, isStale(liveRows));
    std::erase_if(hiddenRows_, isStale(liveRows));
    std::erase_if(filteredOut_, isStale(liveRows));

    // The ids of existing other objects that the selection or hidden columns name.
    std::unordered_set<std::int32_t> liveObjects;
    auto mark = [&](const auto& array) {
        if (selected.empty() && hiddenColumns_.empty())
            return;
        for (std::size_t i = 0; i < array.Size(); ++i) {
            CGuiObject* object = array.Base(i);
            const std::int32_t id = object->GetObjectId();
            const bool isSelected = selected.count(id) != 0;
            if (isSelected || hiddenColumns_.count(id) != 0)
                liveObjects.insert(id);
            object->SetSelected(isSelected);
        }
    };
    mark(columns_);
    for (std::size_t i = 0; i < columns_.Size(); ++i) {
        CGuiObject* column = columns_.Base(i);
        column->SetHidden(hiddenColumns_.count(column->GetObjectId()) != 0);
    }
    // Only the columns are marked so far: a hidden column id must name a column.
    std::erase_if(hiddenColumns_, isStale(liveObjects));
    mark(schedules_);
    mark(links_);
    mark(memos_);
    std::erase_if(selection_, [&](std::uint32_t key) {
        const auto id = static_cast<std::int32_t>(key);
        return liveRows.count(id) == 0 && liveObjects.count(id) == 0;
    });
}

void CDisplayModel::Layout(const GuiLayoutArgs& args) {
    layoutArgs_ = args;
    layoutArgs_.model = this;
    lineRows_.clear();
    linePens_.clear();
    lightningPoints_.clear();
    UpdateVisibility(rows_, true);
    LayoutRows(layoutArgs_);
    LayoutColumns(layoutArgs_);
    LayoutSchedules(layoutArgs_);
    LayoutMemos(layoutArgs_);
    LayoutLinks(layoutArgs_);
    if (args.showTotal && args.settings != nullptr)
        RowTotals(*args.settings, args.holidays).Compute(rows_, schedules_);
    std::stable_sort(lightningPoints_.begin(), lightningPoints_.end(),
                     [](DrawPoint a, DrawPoint b) { return a.y < b.y; });
    BuildIndexes();
}

// A hidden or folded row hides its whole subtree; a row the filter drops is
// itself invisible, but its children are judged on their own.
void CDisplayModel::UpdateVisibility(CGuiRowArray& rows, bool shown) {
    const bool indentMode = IsIndentMode();
    for (const auto& row : rows) {
        if (!shown) {
            row->SetVisible(false);
            UpdateVisibility(row->GetChildren(), false);
        } else if (!filterActive_ || row->PassesFilter(indentMode)) {
            row->SetVisible(!row->IsHidden());
            UpdateVisibility(row->GetChildren(), row->IsVisible() && !row->IsFolded());
        } else {
            row->SetVisible(false);
            UpdateVisibility(row->GetChildren(), true);
        }
    }
}

void CDisplayModel::LayoutRowLevel(CGuiRowArray& rows, const GuiLayoutArgs& args) {
    const bool indentMode = IsIndentMode();
    const CGuiRow* previous = nullptr;
    for (const auto& row : rows) {
        row->SetPreviousVisible(previous);
        row->CalcLayout(args);
        if (row->IsVisible() && row->IsBand(indentMode)) {
            lineRows_.push_back(row.get());
            linePens_.push_back(row->BandPen(indentMode));
        }
        LayoutRowLevel(row->GetChildren(), args);
        if (row->IsVisible())
            previous = row.get();
    }
}

void CDisplayModel::LayoutRows(const GuiLayoutArgs& args) {
    LayoutRowLevel(rows_, args);
}

void CDisplayModel::LayoutColumns(const GuiLayoutArgs& args) {
    for (std::size_t i = 0; i < columns_.Size(); ++i)
        columns_.Base(i)->CalcLayout(args);
}

// Schedules, memos and links are laid out here once their display classes
// exist; schedule layout adds the lightning points.
namespace {

// In summary mode a folded row (in indent mode every row with children) shows
// one bar over the schedules of all rows below it.
void LayoutSummaryBars(const CGuiRowArray& rows, const CGuiScheduleArray& schedules,
                       const GuiLayoutArgs& args, bool indentMode) {
    std::unordered_map<CGuiRow*, std::unique_ptr<CGuiSummaryBar>> bars;
    ForEachRow(rows, [&](CGuiRow& row) {
        row.SetSummaryBar(nullptr);
        if (args.summaryMode && row.IsVisible() && row.HasChildren() &&
            (row.IsFolded() || indentMode))
            bars.emplace(&row, std::make_unique<CGuiSummaryBar>());
    });
    if (bars.empty() || args.ruler == nullptr)
        return;
    for (std::size_t i = 0; i < schedules.Size(); ++i) {
        const CGuiSchedule& schedule = *schedules.At(i);
        CGuiRow* row = schedule.GetRow();
        for (CGuiRow* above = row ? row->GetParent() : nullptr; above; above = above->GetParent()) {
            const auto bar = bars.find(above);
            if (bar != bars.end())
                bar->second->Include(schedule.GetFields(), args.ruler->GetTimeScale());
        }
    }
    for (auto& [row, bar] : bars) {
        if (bar->IsEmpty())
            continue;
        bar->Place(row->GetRect());
        row->SetSummaryBar(std::move(bar));
    }
}

}  // namespace

// Each schedule goes into the index while it is at hand: a second pass over
// every schedule costs as much as the layout itself in a large project.
// Nothing laid out after the schedules moves or hides one. Each schedule
// also reads its row, which lies anywhere among the rows, so the rows of the
// schedules a few places ahead are fetched early.
void CDisplayModel::LayoutSchedules(const GuiLayoutArgs& args) {
    constexpr std::size_t kRowsAhead = 8;
    constexpr std::size_t kRowBytes = sizeof(CGuiRow);
    const std::size_t count = schedules_.Size();
    scheduleIndex_.Start(count);
    for (std::size_t i = 0; i < count; ++i) {
        if (i + kRowsAhead < count) {
            if (const CGuiRow* row = schedules_.At(i + kRowsAhead)->GetRow()) {
                const auto* bytes = reinterpret_cast<const char*>(row);
                for (std::size_t offset = 0; offset < kRowBytes; offset += 64)
                    __builtin_prefetch(bytes + offset);
            }
        }
        CGuiSchedule* schedule = schedules_.At(i);
        schedule->CalcLayout(args);
        if (schedule->IsVisible())
            scheduleIndex_.Add(schedule->GetRect(), schedule);
    }
    LayoutSummaryBars(rows_, schedules_, args, IsIndentMode());
}

void CDisplayModel::LayoutMemos(const GuiLayoutArgs& args) {
    for (std::size_t i = 0; i < memos_.Size(); ++i)
        memos_.At(i)->CalcLayout(args);
}

// As with schedules, while the link and its ends are at hand. The ends lie
// anywhere in memory, and a link reads each end and its data object (whether
// it was deleted): fetching those a few links ahead keeps the walk from
// waiting on memory at every link.
void CDisplayModel::LayoutLinks(const GuiLayoutArgs& args) {
    constexpr std::size_t kEndsAhead = 16;
    constexpr std::size_t kDataAhead = 8;
    // The lines of an end that layout reads: its fields and its layout.
    constexpr std::size_t kEndBytes = 512;
    const std::size_t count = links_.Size();
    auto fetchEnds = [this, count](std::size_t at) {
        if (at >= count)
            return;
        const CGuiLink* link = links_.At(at);
        for (const CGuiObject* end : {link->GetFrom(), link->GetTo()}) {
            if (end == nullptr)
                continue;
            const auto* bytes = reinterpret_cast<const char*>(end);
            for (std::size_t offset = 0; offset < kEndBytes; offset += 64)
                __builtin_prefetch(bytes + offset);
        }
    };
    auto fetchData = [this, count](std::size_t at) {
        if (at >= count)
            return;
        const CGuiLink* link = links_.At(at);
        for (const CGuiObject* end : {link->GetFrom(), link->GetTo()}) {
            if (end != nullptr)
                __builtin_prefetch(end->GetData());
        }
    };
    for (std::size_t i = 0; i < kEndsAhead; ++i)
        fetchEnds(i);
    for (std::size_t i = 0; i < kDataAhead; ++i)
        fetchData(i);
    linkIndex_.Start(count);
    for (std::size_t i = 0; i < count; ++i) {
        fetchEnds(i + kEndsAhead);
        fetchData(i + kDataAhead);
        CGuiLink* link = links_.At(i);
        link->CalcLayout(args);
        if (link->IsVisible())
            linkIndex_.Add(link->GetRect(), link);
    }
}

void CDisplayModel::BuildIndexes() {
    auto visible = [](const auto& array) {
        std::vector<CGuiObject*> objects;
        objects.reserve(array.Size());
        for (std::size_t i = 0; i < array.Size(); ++i) {
            if (array.Base(i)->IsVisible())
                objects.push_back(array.Base(i));
        }
        return objects;
    };
    scheduleIndex_.Finish();
    memoIndex_.Build(visible(memos_));
    linkIndex_.Finish();
}

int CDisplayModel::TotalHeight() const {
    for (std::size_t i = rows_.Size(); i-- > 0;) {
        const CGuiRow* row = rows_.At(i);
        if (!row->IsVisible())
            continue;
        const CGuiRow* last = IsIndentMode() ? row->LastVisibleDescendant() : row;
        return last->GetRect().bottom;
    }
    return 0;
}

// The bands tile the chart from the top in tree order, and every row that
// takes objects is a band, so a binary search over them finds the row.
CGuiRow* CDisplayModel::RowAt(int y) const {
    auto it = std::upper_bound(
        lineRows_.begin(), lineRows_.end(), y,
        [](int value, const CGuiRow* row) { return value < row->GetRect().bottom; });
    for (; it != lineRows_.end(); ++it) {
        const GuiRect rect = (*it)->GetRect();
        if (rect.top > y)
            break;
        if ((*it)->CanTakeObjects(IsIndentMode()))
            return *it;
    }
    return nullptr;
}

CGuiRow* CDisplayModel::FindRow(std::int32_t id) const {
    CGuiRow* found = nullptr;
    FindRowIn(rows_, id, found);
    return found;
}

bool CDisplayModel::FindRowIn(const CGuiRowArray& rows, std::int32_t id, CGuiRow*& found) {
    for (const auto& row : rows) {
        if (row->GetObjectId() == id) {
            found = row.get();
            return true;
        }
        if (FindRowIn(row->GetChildren(), id, found))
            return true;
    }
    return false;
}

CGuiObject* CDisplayModel::FindObject(std::int32_t id) const {
    if (CGuiObject* row = FindRow(id))
        return row;
    if (CGuiObject* column = columns_.FindById(id))
        return column;
    if (CGuiObject* schedule = schedules_.FindById(id))
        return schedule;
    if (CGuiObject* link = links_.FindById(id))
        return link;
    return memos_.FindById(id);
}

CGuiRow* CDisplayModel::HitTestRow(DrawPoint point) const {
    return HitTestIn(rows_, point);
}

// Rows never overlap, so the first hit in tree order is the answer. A
// subtree lies within its row's y span in box mode and below the row down to
// its last visible row in indent mode; other subtrees are skipped.
CGuiRow* CDisplayModel::HitTestIn(const CGuiRowArray& rows, DrawPoint point) const {
    for (const auto& row : rows) {
        if (!row->IsVisible())
            continue;
        if (row->HitTest(point))
            return row.get();
        const GuiRect rect = row->GetRect();
        const int bottom =
            IsIndentMode() ? row->LastVisibleDescendant()->GetRect().bottom : rect.bottom;
        if (point.y < rect.top || point.y >= bottom)
            continue;
        if (CGuiRow* hit = HitTestIn(row->GetChildren(), point))
            return hit;
    }
    return nullptr;
}

bool CDisplayModel::IsSelectedId(std::int32_t id) const {
    const auto key = static_cast<std::uint32_t>(id);
    return std::find(selection_.begin(), selection_.end(), key) != selection_.end();
}

void CDisplayModel::Select(std::int32_t id, bool addToSelection) {
    if (!addToSelection)
        ClearSelection();
    if (IsSelectedId(id))
        return;
    selection_.push_back(static_cast<std::uint32_t>(id));
    if (CGuiObject* object = FindObject(id))
        object->SetSelected(true);
}

void CDisplayModel::Deselect(std::int32_t id) {
    std::erase(selection_, static_cast<std::uint32_t>(id));
    if (CGuiObject* object = FindObject(id))
        object->SetSelected(false);
}

void CDisplayModel::ClearSelection() {
    for (std::uint32_t id : selection_) {
        if (CGuiObject* object = FindObject(static_cast<std::int32_t>(id)))
            object->SetSelected(false);
    }
    selection_.clear();
}

bool CDisplayModel::CanFold(std::int32_t rowId) const {
    const CGuiRow* row = FindRow(rowId);
    return row && row->HasChildren() && !row->AreAllChildrenHidden();
}

std::string CDisplayModel::FoldCommandText(std::int32_t rowId) const {
    const CGuiRow* row = FindRow(rowId);
    return row && row->IsFolded() ? kUnfoldText : kFoldText;
}

void CDisplayModel::SetFolded(std::int32_t rowId, bool folded) {
    CGuiRow* row = FindRow(rowId);
    if (!row || !row->HasChildren())
        return;
    row->SetFolded(folded);
    if (folded)
        folded_.insert(rowId);
    else
        folded_.erase(rowId);
}

void CDisplayModel::ToggleFold(std::int32_t rowId) {
    if (CanFold(rowId))
        SetFolded(rowId, !IsFoldedId(rowId));
}

bool CDisplayModel::CanHide(std::int32_t rowId, bool editable) const {
    const CGuiRow* row = FindRow(rowId);
    return editable && row && !row->IsHidden();
}

bool CDisplayModel::CanShowNext(std::int32_t rowId) const {
    const CGuiRow* row = FindRow(rowId);
    const CGuiRow* next = row ? row->NextSibling() : nullptr;
    return next && next->IsHidden();
}

bool CDisplayModel::CanShowPrevious(std::int32_t rowId) const {
    const CGuiRow* row = FindRow(rowId);
    const CGuiRow* previous = row ? row->PrevSibling() : nullptr;
    return previous && previous->IsHidden();
}

bool CDisplayModel::CanShowBelow(std::int32_t rowId) const {
    const CGuiRow* row = FindRow(rowId);
    return row && row->HasChildren();
}

void CDisplayModel::ApplyHidden(CGuiRow& row, bool hidden) {
    row.SetHidden(hidden);
    if (hidden)
        hiddenRows_.insert(row.GetObjectId());
    else
        hiddenRows_.erase(row.GetObjectId());
}

void CDisplayModel::HideRow(std::int32_t rowId) {
    if (CGuiRow* row = FindRow(rowId))
        ApplyHidden(*row, true);
}

void CDisplayModel::ShowNext(std::int32_t rowId) {
    if (!CanShowNext(rowId))
        return;
    ApplyHidden(*FindRow(rowId)->NextSibling(), false);
}

void CDisplayModel::ShowPrevious(std::int32_t rowId) {
    if (!CanShowPrevious(rowId))
        return;
    ApplyHidden(*FindRow(rowId)->PrevSibling(), false);
}

void CDisplayModel::ShowBelow(std::int32_t rowId) {
    CGuiRow* row = FindRow(rowId);
    if (!row)
        return;
    ForEachRow(row->GetChildren(), [this](CGuiRow& child) { ApplyHidden(child, false); });
}

void CDisplayModel::ShowAll() {
    ForEachRow(rows_, [](CGuiRow& row) { row.SetHidden(false); });
    hiddenRows_.clear();
}

void CDisplayModel::SetColumnHidden(std::int32_t columnId, bool hidden) {
    if (CGuiObject* column = columns_.FindById(columnId))
        column->SetHidden(hidden);
    if (hidden)
        hiddenColumns_.insert(columnId);
    else
        hiddenColumns_.erase(columnId);
}

void CDisplayModel::SetFilterActive(bool active) {
    filterActive_ = active;
    ForEachRow(rows_, [this](CGuiRow& row) {
        row.SetFilteredOutFlag(filterActive_ && filteredOut_.count(row.GetObjectId()) != 0);
    });
}

void CDisplayModel::SetFilteredOut(std::int32_t rowId, bool out) {
    if (out)
        filteredOut_.insert(rowId);
    else
        filteredOut_.erase(rowId);
    if (CGuiRow* row = FindRow(rowId))
        row->SetFilteredOutFlag(filterActive_ && out);
}

void CDisplayModel::ClearFilter() {
    filteredOut_.clear();
    SetFilterActive(false);
}

}  // namespace qb
