#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "CFilter.h"

namespace qb {

class CGuiRow;
class DisplayTree;

// The filter conditions of the open project, at most one per column, in
// the order they were set; kept in memory only, never saved. Applying marks
// every row a condition drops; a row once dropped stays dropped.
class CFilters {
public:
    // Replaces the column's condition, which goes to the end; no values only
    // removes it.
    void Set(std::int32_t columnId, std::vector<std::string> values);
    void Remove(std::int32_t columnId);
    void Clear() { filters_.clear(); }
    bool Has(std::int32_t columnId) const;
    bool Empty() const { return filters_.empty(); }
    // The accepted values of the column's condition; empty without one.
    std::vector<std::string> Values(std::int32_t columnId) const;
    const std::vector<CFilter>& All() const { return filters_; }

    // Sets each row's filtered-out flag; conditions on columns the tree no
    // longer has are skipped.
    void Apply(DisplayTree& tree) const;
    // What the dialog offers for a column (kCaptions: the captions), in row
    // tree order, each once, line breaks removed.
    static std::vector<std::string> Candidates(const DisplayTree& tree, std::int32_t columnId);

    // The text with every CR LF taken out.
    static std::string WithoutLineBreaks(std::string text);

private:
    static constexpr int kCaptionText = -2;
    static int TextIndex(const DisplayTree& tree, const CFilter& filter);
    static const std::string& RowText(const CGuiRow& row, int textIndex);

    std::vector<CFilter> filters_;
};

}  // namespace qb
