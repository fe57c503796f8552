#pragma once

#include <cstdint>
#include <unordered_set>
#include <vector>

namespace qb {

// A set of object ids held as one flag per id, which is what the ids of one
// project are: small, dense numbers from 0 up. An id far above the others (a
// damaged file may hold one) goes to a side set instead of growing the flags.
class IdMask {
public:
    // ids up to about expected are held as flags.
    explicit IdMask(std::int32_t expected = 0);

    void Insert(std::int32_t id);
    bool Contains(std::int32_t id) const;

private:
    std::int32_t limit_;
    std::vector<bool> flags_;
    std::unordered_set<std::int32_t> others_;
};

}  // namespace qb
