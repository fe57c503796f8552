#include "CFilters.h"

#include <algorithm>
#include <unordered_set>

#include "CGuiRow.h"
#include "DisplayTree.h"

namespace qb {

void CFilters::Set(std::int32_t columnId, std::vector<std::string> values) {
    Remove(columnId);
    if (!values.empty())
        filters_.push_back(CFilter{columnId, std::move(values), 0});
}

void CFilters::Remove(std::int32_t columnId) {
    std::erase_if(filters_, [columnId](const CFilter& f) { return f.columnId == columnId; });
}

bool CFilters::Has(std::int32_t columnId) const {
    return std::any_of(filters_.begin(), filters_.end(),
                       [columnId](const CFilter& f) { return f.columnId == columnId; });
}

std::vector<std::string> CFilters::Values(std::int32_t columnId) const {
    for (const CFilter& filter : filters_) {
        if (filter.columnId == columnId)
            return filter.values;
    }
    return {};
}

std::string CFilters::WithoutLineBreaks(std::string text) {
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at))
        text.erase(at, 2);
    return text;
}

// The cell index of a condition's column, kCaptionText for the captions,
// or -1 when the tree has no such column.
int CFilters::TextIndex(const DisplayTree& tree, const CFilter& filter) {
    if (filter.IsCaptionCondition())
        return kCaptionText;
    const CGuiObject* column = tree.FindObject(filter.columnId, CGuiObject::kColumn);
    return column != nullptr ? column->GetIndex() : -1;
}

const std::string& CFilters::RowText(const CGuiRow& row, int textIndex) {
    static const std::string empty;
    if (textIndex == kCaptionText)
        return row.GetCaption();
    const auto& cells = row.GetCellTexts();
    const auto index = static_cast<std::size_t>(textIndex);
    return index < cells.size() ? cells[index] : empty;
}

void CFilters::Apply(DisplayTree& tree) const {
    DisplayTree::ForEachRow(tree.GetRows(), [](CGuiRow& row) { row.SetFilteredOutFlag(false); });
    for (const CFilter& filter : filters_) {
        const int textIndex = TextIndex(tree, filter);
        if (textIndex == -1)
            continue;
        DisplayTree::ForEachRow(tree.GetRows(), [&](CGuiRow& row) {
            if (row.GetFilteredOutFlag())
                return;
            // Most texts hold no line break and are compared as they are.
            const std::string& text = RowText(row, textIndex);
            std::string stripped;
            const std::string* compared = &text;
            if (text.find('\r') != std::string::npos) {
                stripped = WithoutLineBreaks(text);
                compared = &stripped;
            }
            const bool kept = std::find(filter.values.begin(), filter.values.end(), *compared) !=
                              filter.values.end();
            row.SetFilteredOutFlag(!kept);
        });
    }
}

// Captions of parents are offered only in indent mode, where they show in a
// band of their own; an empty caption is never offered.
std::vector<std::string> CFilters::Candidates(const DisplayTree& tree, std::int32_t columnId) {
    const CFilter probe{columnId, {}, 0};
    const int textIndex = TextIndex(tree, probe);
    std::vector<std::string> values;
    if (textIndex == -1)
        return values;
    std::unordered_set<std::string> seen;
    DisplayTree::ForEachRow(tree.GetRows(), [&](const CGuiRow& row) {
        if (textIndex == kCaptionText && row.HasChildren() && !tree.IsIndentMode())
            return;
        std::string text = WithoutLineBreaks(RowText(row, textIndex));
        if (textIndex == kCaptionText && text.empty())
            return;
        if (seen.insert(text).second)
            values.push_back(std::move(text));
    });
    return values;
}

}  // namespace qb
