#include "RowViewState.h"

#include <algorithm>

#include "CGuiLink.h"
#include "CGuiMemo.h"
#include "CGuiRow.h"
#include "CGuiSchedule.h"
#include "DisplayTree.h"

namespace qb {

namespace {

auto IsStale(const std::unordered_set<std::int32_t>& live) {
    return [&live](std::int32_t id) { return live.count(id) == 0; };
}

}  // namespace

// Every object of a new tree starts unselected, unfolded and shown, so only
// ids named by some state need looking at; with no states kept nothing is
// walked.
void RowViewState::ApplyTo(DisplayTree& tree) {
    const IdSet selected(selection_.begin(), selection_.end());
    const IdSet liveRows = ApplyToRows(tree, selected);
    const IdSet liveObjects = ApplyToObjects(tree, selected);
    std::erase_if(selection_, [&](std::uint32_t key) {
        const auto id = static_cast<std::int32_t>(key);
        return liveRows.count(id) == 0 && liveObjects.count(id) == 0;
    });
}

RowViewState::IdSet RowViewState::ApplyToRows(DisplayTree& tree, const IdSet& selected) {
    IdSet live;
    if (!selected.empty() || !folded_.empty() || !hiddenRows_.empty()) {
        DisplayTree::ForEachRow(tree.GetRows(), [&](CGuiRow& row) {
            const std::int32_t id = row.GetObjectId();
            const bool isSelected = selected.count(id) != 0;
            const bool isFolded = folded_.count(id) != 0;
            const bool isHidden = hiddenRows_.count(id) != 0;
            if (isSelected || isFolded || isHidden)
                live.insert(id);
            row.SetSelected(isSelected);
            row.SetFolded(row.HasChildren() && isFolded);
            row.SetHidden(isHidden);
        });
    }
    std::erase_if(folded_, IsStale(live));
    std::erase_if(hiddenRows_, IsStale(live));
    return live;
}

RowViewState::IdSet RowViewState::ApplyToObjects(DisplayTree& tree, const IdSet& selected) {
    IdSet live;
    auto mark = [&](const auto& array) {
        if (selected.empty() && hiddenColumns_.empty())
            return;
        for (std::size_t i = 0; i < array.Size(); ++i) {
            CGuiObject* object = array.Base(i);
            const std::int32_t id = object->GetObjectId();
            const bool isSelected = selected.count(id) != 0;
            if (isSelected || hiddenColumns_.count(id) != 0)
                live.insert(id);
            object->SetSelected(isSelected);
        }
    };
    const auto& columns = tree.GetColumns();
    mark(columns);
    for (std::size_t i = 0; i < columns.Size(); ++i) {
        CGuiObject* column = columns.Base(i);
        column->SetHidden(hiddenColumns_.count(column->GetObjectId()) != 0);
    }
    // Only the columns are marked so far: a hidden column id must name a column.
    std::erase_if(hiddenColumns_, IsStale(live));
    mark(tree.GetSchedules());
    mark(tree.GetLinks());
    mark(tree.GetMemos());
    return live;
}

bool RowViewState::IsSelectedId(std::int32_t id) const {
    const auto key = static_cast<std::uint32_t>(id);
    return std::find(selection_.begin(), selection_.end(), key) != selection_.end();
}

void RowViewState::Select(DisplayTree& tree, std::int32_t id, bool addToSelection) {
    if (!addToSelection)
        ClearSelection(tree);
    if (IsSelectedId(id))
        return;
    selection_.push_back(static_cast<std::uint32_t>(id));
    if (CGuiObject* object = tree.FindObject(id))
        object->SetSelected(true);
}

void RowViewState::SelectMany(DisplayTree& tree, const std::vector<std::int32_t>& ids) {
    std::unordered_set<std::uint32_t> known(selection_.begin(), selection_.end());
    for (const std::int32_t id : ids) {
        const auto key = static_cast<std::uint32_t>(id);
        if (!known.insert(key).second)
            continue;
        selection_.push_back(key);
        if (CGuiObject* object = tree.FindObject(id))
            object->SetSelected(true);
    }
}

void RowViewState::Deselect(DisplayTree& tree, std::int32_t id) {
    std::erase(selection_, static_cast<std::uint32_t>(id));
    if (CGuiObject* object = tree.FindObject(id))
        object->SetSelected(false);
}

void RowViewState::ClearSelection(DisplayTree& tree) {
    for (std::uint32_t id : selection_) {
        if (CGuiObject* object = tree.FindObject(static_cast<std::int32_t>(id)))
            object->SetSelected(false);
    }
    selection_.clear();
}

bool RowViewState::CanFold(const DisplayTree& tree, std::int32_t rowId) const {
    const CGuiRow* row = tree.FindRow(rowId);
    return row && row->HasChildren() && !row->AreAllChildrenHidden();
}

void RowViewState::SetFolded(DisplayTree& tree, std::int32_t rowId, bool folded) {
    CGuiRow* row = tree.FindRow(rowId);
    if (!row || !row->HasChildren())
        return;
    row->SetFolded(folded);
    if (folded)
        folded_.insert(rowId);
    else
        folded_.erase(rowId);
}

void RowViewState::ToggleFold(DisplayTree& tree, std::int32_t rowId) {
    if (CanFold(tree, rowId))
        SetFolded(tree, rowId, !IsFoldedId(rowId));
}

bool RowViewState::CanFoldAny(const DisplayTree& tree) const {
    bool any = false;
    DisplayTree::ForEachRow(tree.GetRows(), [&](const CGuiRow& row) {
        any = any || (CanFold(tree, row.GetObjectId()) && !IsFoldedId(row.GetObjectId()));
    });
    return any;
}

void RowViewState::SetAllFolded(DisplayTree& tree, bool folded) {
    if (!folded) {
        DisplayTree::ForEachRow(tree.GetRows(), [](CGuiRow& row) { row.SetFolded(false); });
        folded_.clear();
        return;
    }
    DisplayTree::ForEachRow(tree.GetRows(), [&](CGuiRow& row) {
        if (CanFold(tree, row.GetObjectId()))
            SetFolded(tree, row.GetObjectId(), true);
    });
}

bool RowViewState::CanHide(const DisplayTree& tree, std::int32_t rowId, bool editable) const {
    const CGuiRow* row = tree.FindRow(rowId);
    return editable && row && !row->IsHidden();
}

bool RowViewState::CanShowNext(const DisplayTree& tree, std::int32_t rowId) const {
    const CGuiRow* row = tree.FindRow(rowId);
    const CGuiRow* next = row ? row->NextSibling() : nullptr;
    return next && next->IsHidden();
}

bool RowViewState::CanShowPrevious(const DisplayTree& tree, std::int32_t rowId) const {
    const CGuiRow* row = tree.FindRow(rowId);
    const CGuiRow* previous = row ? row->PrevSibling() : nullptr;
    return previous && previous->IsHidden();
}

bool RowViewState::CanShowBelow(const DisplayTree& tree, std::int32_t rowId) const {
    const CGuiRow* row = tree.FindRow(rowId);
    return row && row->HasChildren();
}

void RowViewState::ApplyHidden(CGuiRow& row, bool hidden) {
    row.SetHidden(hidden);
    if (hidden)
        hiddenRows_.insert(row.GetObjectId());
    else
        hiddenRows_.erase(row.GetObjectId());
}

void RowViewState::HideRow(DisplayTree& tree, std::int32_t rowId) {
    if (CGuiRow* row = tree.FindRow(rowId))
        ApplyHidden(*row, true);
}

void RowViewState::ShowNext(DisplayTree& tree, std::int32_t rowId) {
    if (CanShowNext(tree, rowId))
        ApplyHidden(*tree.FindRow(rowId)->NextSibling(), false);
}

void RowViewState::ShowPrevious(DisplayTree& tree, std::int32_t rowId) {
    if (CanShowPrevious(tree, rowId))
        ApplyHidden(*tree.FindRow(rowId)->PrevSibling(), false);
}

void RowViewState::ShowBelow(DisplayTree& tree, std::int32_t rowId) {
    if (CGuiRow* row = tree.FindRow(rowId))
        DisplayTree::ForEachRow(row->GetChildren(),
                                [this](CGuiRow& child) { ApplyHidden(child, false); });
}

void RowViewState::ShowAll(DisplayTree& tree) {
    DisplayTree::ForEachRow(tree.GetRows(), [](CGuiRow& row) { row.SetHidden(false); });
    hiddenRows_.clear();
}

void RowViewState::SetColumnHidden(DisplayTree& tree, std::int32_t columnId, bool hidden) {
    if (CGuiObject* column = tree.FindObject(columnId, CGuiObject::kColumn))
        column->SetHidden(hidden);
    if (hidden)
        hiddenColumns_.insert(columnId);
    else
        hiddenColumns_.erase(columnId);
}

void RowViewState::ShowAllColumns(DisplayTree& tree) {
    const auto& columns = tree.GetColumns();
    for (std::size_t i = 0; i < columns.Size(); ++i)
        columns.Base(i)->SetHidden(false);
    hiddenColumns_.clear();
}

}  // namespace qb
