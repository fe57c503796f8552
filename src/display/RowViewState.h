#pragma once

#include <cstdint>
#include <unordered_set>
#include <vector>

namespace qb {

class CGuiRow;
class DisplayTree;

// What the user chose to see of the rows and objects: the selection, folded
// and hidden rows, and hidden columns. Kept by
// object id so that it survives rebuilds of the tree, and applied to the
// tree's objects at once; a layout must follow a change.
class RowViewState {
public:
    // Marks the objects of a freshly built tree, and forgets the ids whose
    // objects are gone (deleted here or by another process).
    void ApplyTo(DisplayTree& tree);

    // Selection by object id.
    const std::vector<std::uint32_t>& GetSelection() const { return selection_; }
    bool IsSelectedId(std::int32_t id) const;
    void Select(DisplayTree& tree, std::int32_t id, bool addToSelection);
    // Adds the ids in their order, each once; for large selections, which
    // Select would check one by one against all selected before.
    void SelectMany(DisplayTree& tree, const std::vector<std::int32_t>& ids);
    void Deselect(DisplayTree& tree, std::int32_t id);
    void ClearSelection(DisplayTree& tree);

    bool CanFold(const DisplayTree& tree, std::int32_t rowId) const;
    void SetFolded(DisplayTree& tree, std::int32_t rowId, bool folded);
    void ToggleFold(DisplayTree& tree, std::int32_t rowId);
    bool IsFoldedId(std::int32_t id) const { return folded_.count(id) != 0; }
    // Some row that could fold is open; some row is folded.
    bool CanFoldAny(const DisplayTree& tree) const;
    bool HasFolded() const { return !folded_.empty(); }
    // Folds every row that can fold, or opens every folded row.
    void SetAllFolded(DisplayTree& tree, bool folded);

    bool CanHide(const DisplayTree& tree, std::int32_t rowId, bool editable) const;
    bool CanShowNext(const DisplayTree& tree, std::int32_t rowId) const;
    bool CanShowPrevious(const DisplayTree& tree, std::int32_t rowId) const;
    bool CanShowBelow(const DisplayTree& tree, std::int32_t rowId) const;
    bool CanShowAll() const { return !hiddenRows_.empty(); }
    void HideRow(DisplayTree& tree, std::int32_t rowId);
    void ShowNext(DisplayTree& tree, std::int32_t rowId);
    void ShowPrevious(DisplayTree& tree, std::int32_t rowId);
    void ShowBelow(DisplayTree& tree, std::int32_t rowId);
    void ShowAll(DisplayTree& tree);
    bool IsRowHiddenId(std::int32_t id) const { return hiddenRows_.count(id) != 0; }

    void SetColumnHidden(DisplayTree& tree, std::int32_t columnId, bool hidden);
    bool HasHiddenColumns() const { return !hiddenColumns_.empty(); }
    bool IsColumnHiddenId(std::int32_t id) const { return hiddenColumns_.count(id) != 0; }
    void ShowAllColumns(DisplayTree& tree);

private:
    using IdSet = std::unordered_set<std::int32_t>;
    // Each returns the ids of existing objects that some state names.
    IdSet ApplyToRows(DisplayTree& tree, const IdSet& selected);
    IdSet ApplyToObjects(DisplayTree& tree, const IdSet& selected);
    void ApplyHidden(CGuiRow& row, bool hidden);

    std::vector<std::uint32_t> selection_;
    std::unordered_set<std::int32_t> folded_;
    std::unordered_set<std::int32_t> hiddenRows_;
    std::unordered_set<std::int32_t> hiddenColumns_;
};

}  // namespace qb
