#include "ObjectIdIndex.h"

#include <algorithm>

namespace qb {

namespace {

// A table longer than this for the number of objects is mostly empty slots.
bool WorthATable(std::int64_t span, std::size_t count) {
    return span <= 4 * static_cast<std::int64_t>(count) + 1024;
}

}  // namespace

void ObjectIdIndex::Clear() {
    pending_.clear();
    count_ = 0;
    dense_.clear();
    low_ = 0;
    sparse_ = false;
    byId_.clear();
}

void ObjectIdIndex::Expect(std::int64_t low, std::int64_t high, std::size_t count) {
    if (!dense_.empty() || sparse_ || high < low || !WorthATable(high - low + 1, count))
        return;
    low_ = low;
    dense_.assign(static_cast<std::size_t>(high - low + 1), Entry{});
}

void ObjectIdIndex::Seal() {
    if (pending_.empty())
        return;
    const auto [first, last] =
        std::minmax_element(pending_.begin(), pending_.end(),
                            [](const Pending& a, const Pending& b) { return a.id < b.id; });
    std::int64_t low = first->id;
    std::int64_t high = last->id;
    if (!dense_.empty()) {
        low = std::min(low, low_);
        high = std::max(high, low_ + static_cast<std::int64_t>(dense_.size()) - 1);
    }
    count_ += pending_.size();
    if (!sparse_ && WorthATable(high - low + 1, count_))
        SealDense(low, high);
    else
        MoveToSparse();
    pending_.clear();
}

void ObjectIdIndex::SealDense(std::int64_t low, std::int64_t high) {
    if (!dense_.empty() && low < low_)
        dense_.insert(dense_.begin(), static_cast<std::size_t>(low_ - low), Entry{});
    low_ = low;
    dense_.resize(static_cast<std::size_t>(high - low + 1));
    for (const Pending& pending : pending_) {
        Entry& slot = dense_[static_cast<std::size_t>(std::int64_t{pending.id} - low_)];
        if (slot.object == nullptr)
            slot = pending.entry;
    }
}

void ObjectIdIndex::MoveToSparse() {
    if (!sparse_) {
        byId_.reserve(count_);
        for (std::size_t i = 0; i < dense_.size(); ++i) {
            if (dense_[i].object != nullptr)
                byId_.emplace(static_cast<std::int32_t>(low_ + static_cast<std::int64_t>(i)),
                              dense_[i]);
        }
        dense_.clear();
        sparse_ = true;
    }
    for (const Pending& pending : pending_)
        byId_.emplace(pending.id, pending.entry);
}

ObjectIdIndex::Entry ObjectIdIndex::LookupSparse(std::int32_t id) const {
    const auto found = byId_.find(id);
    return found == byId_.end() ? Entry{} : found->second;
}

}  // namespace qb
