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
    BuildSchedules(project);
    BuildMemos(project);
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

void CDisplayModel::BuildRowLevel(const CRowArray& source, CGuiRowArray& target, int level) {
    int position = 0;
    source.ForEach([&](CRow& data) {
        if (data.IsDeleted())
            return;
        CGuiRow* row = target.Add(std::make_unique<CGuiRow>(data, target, level));
        std::vector<std::string> cells;
        cells.reserve(columns_.Size());
        for (std::size_t i = 0; i < columns_.Size(); ++i) {
            std::string name = "_c";
            name += std::to_string(columns_.Base(i)->GetObjectId());
            cells.push_back(data.GetParam(name));
        }
        row->SetCellTexts(std::move(cells));
        row->SetNumberText(NumberText(renban_, target.GetOwner(), ++position));
        BuildRowLevel(data.GetChildren(), row->GetChildren(), level + 1);
    });
}

void CDisplayModel::BuildRows(CProject& project) {
    BuildRowLevel(project.GetRows(), rows_, 0);
}

// Each schedule finds its row once here rather than on every layout.
void CDisplayModel::BuildSchedules(CProject& project) {
    std::unordered_map<std::int32_t, CGuiRow*> rowsById;
    ForEachRow(rows_, [&](CGuiRow& row) { rowsById.emplace(row.GetObjectId(), &row); });
    schedules_.Reserve(static_cast<std::size_t>(project.GetSchedules().GetCount()));
    project.GetSchedules().ForEach([&](CSchedule& data) {
        if (data.IsDeleted())
            return;
        const auto row = rowsById.find(data.GetRowObjectId());
        schedules_.Add(
            std::make_unique<CGuiSchedule>(data, row == rowsById.end() ? nullptr : row->second));
    });
}

void CDisplayModel::BuildMemos(CProject& project) {
    std::unordered_map<std::int32_t, CGuiRow*> rowsById;
    ForEachRow(rows_, [&](CGuiRow& row) { rowsById.emplace(row.GetObjectId(), &row); });
    project.GetDrawParts().ForEach([&](CDrawPart& part) {
        if (part.IsDeleted() || part.GetType() != CData::kMemo)
            return;
        const auto row = rowsById.find(static_cast<CMemo&>(part).GetYRowId());
        memos_.Add(std::make_unique<CGuiMemo>(static_cast<CMemo&>(part),
                                              row == rowsById.end() ? nullptr : row->second));
    });
}

// A link whose ends are gone stays in the array; its layout hides it.
void CDisplayModel::BuildLinks(CProject& project) {
    std::unordered_map<std::int32_t, CGuiObject*> ends;
    for (std::size_t i = 0; i < schedules_.Size(); ++i)
        ends.emplace(schedules_.Base(i)->GetObjectId(), schedules_.Base(i));
    for (std::size_t i = 0; i < memos_.Size(); ++i)
        ends.emplace(memos_.Base(i)->GetObjectId(), memos_.Base(i));
    auto find = [&ends](std::int32_t id) {
        const auto end = ends.find(id);
        return end == ends.end() ? nullptr : end->second;
    };
    project.GetLinks().ForEach([&](CLink& data) {
        if (!data.IsDeleted())
            links_.Add(
                std::make_unique<CGuiLink>(data, find(data.GetFromId()), find(data.GetToId())));
    });
}

// Selection and states are keyed by object id; ids whose objects are gone
// (deleted here or by another process) are dropped.
void CDisplayModel::RestoreStates() {
    const std::unordered_set<std::int32_t> selected(selection_.begin(), selection_.end());
    std::unordered_set<std::int32_t> rowIds;
    ForEachRow(rows_, [&](CGuiRow& row) {
        const std::int32_t id = row.GetObjectId();
        rowIds.insert(id);
        row.SetSelected(selected.count(id) != 0);
        row.SetFolded(row.HasChildren() && folded_.count(id) != 0);
        row.SetHidden(hiddenRows_.count(id) != 0);
        row.SetFilteredOutFlag(filterActive_ && filteredOut_.count(id) != 0);
    });
    auto isStale = [&rowIds](std::int32_t id) { return rowIds.count(id) == 0; };
    std::erase_if(folded_, isStale);
    std::erase_if(hiddenRows_, isStale);
    std::erase_if(filteredOut_, isStale);

    std::unordered_set<std::int32_t> objectIds;
    auto mark = [&](const auto& array) {
        for (std::size_t i = 0; i < array.Size(); ++i) {
            CGuiObject* object = array.Base(i);
            objectIds.insert(object->GetObjectId());
            object->SetSelected(selected.count(object->GetObjectId()) != 0);
        }
    };
    mark(columns_);
    for (std::size_t i = 0; i < columns_.Size(); ++i) {
        CGuiObject* column = columns_.Base(i);
        column->SetHidden(hiddenColumns_.count(column->GetObjectId()) != 0);
    }
    std::erase_if(hiddenColumns_, [&](std::int32_t id) { return objectIds.count(id) == 0; });
    mark(schedules_);
    mark(links_);
    mark(memos_);
    std::erase_if(selection_, [&](std::uint32_t key) {
        const auto id = static_cast<std::int32_t>(key);
        return rowIds.count(id) == 0 && objectIds.count(id) == 0;
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

void CDisplayModel::LayoutSchedules(const GuiLayoutArgs& args) {
    for (std::size_t i = 0; i < schedules_.Size(); ++i)
        schedules_.At(i)->CalcLayout(args);
    LayoutSummaryBars(rows_, schedules_, args, IsIndentMode());
}

void CDisplayModel::LayoutMemos(const GuiLayoutArgs& args) {
    for (std::size_t i = 0; i < memos_.Size(); ++i)
        memos_.At(i)->CalcLayout(args);
}

void CDisplayModel::LayoutLinks(const GuiLayoutArgs& args) {
    for (std::size_t i = 0; i < links_.Size(); ++i)
        links_.At(i)->CalcLayout(args);
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
    scheduleIndex_.Build(visible(schedules_));
    memoIndex_.Build(visible(memos_));
    linkIndex_.Build(visible(links_));
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
