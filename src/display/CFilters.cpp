#include "CFilters.h"

#include <algorithm>

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

// To be completed: marks rows against the conditions.
void CFilters::Apply(DisplayTree& /*tree*/) const {}

std::vector<std::string> CFilters::Candidates(const DisplayTree& /*tree*/,
                                              std::int32_t /*columnId*/) {
    return {};
}

}  // namespace qb
