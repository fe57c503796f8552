#pragma once

#include <vector>

#include "COLORRULE.h"

namespace qb {

// A colour rule set: its entries in the order of the file and of the
// editor's list. Index errors throw std::out_of_range.
class CColorRuleArray {
public:
    int GetCount() const { return static_cast<int>(rules_.size()); }
    bool IsEmpty() const { return rules_.empty(); }
    const COLORRULE& At(int index) const;

    void Add(COLORRULE rule) { rules_.push_back(std::move(rule)); }
    void RemoveAt(int index);
    void RemoveAll() { rules_.clear(); }
    // Exchanges two entries.
    void Swap(int first, int second);
    // The index of the first entry with this colour, or -1.
    int FindColour(ColorRef colour) const;

    std::vector<COLORRULE>::const_iterator begin() const { return rules_.begin(); }
    std::vector<COLORRULE>::const_iterator end() const { return rules_.end(); }

    bool operator==(const CColorRuleArray&) const = default;

private:
    void CheckIndex(int index) const;

    std::vector<COLORRULE> rules_;
};

}  // namespace qb
