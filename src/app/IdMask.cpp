#include "IdMask.h"

#include <algorithm>

namespace qb {
namespace {

// Room above the expected ids before they count as far off.
constexpr std::int32_t kSlack = 1 << 16;

}  // namespace

IdMask::IdMask(std::int32_t expected)
    : limit_(std::max(expected, 0) + kSlack),
      flags_(static_cast<std::size_t>(std::max(expected, 0)) + 1, false) {}

void IdMask::Insert(std::int32_t id) {
    if (id < 0 || id > limit_) {
        others_.insert(id);
        return;
    }
    const auto index = static_cast<std::size_t>(id);
    if (index >= flags_.size())
        flags_.resize(index + 1, false);
    flags_[index] = true;
}

bool IdMask::Contains(std::int32_t id) const {
    if (id >= 0 && static_cast<std::size_t>(id) < flags_.size() &&
        flags_[static_cast<std::size_t>(id)])
        return true;
    return !others_.empty() && others_.contains(id);
}

}  // namespace qb
