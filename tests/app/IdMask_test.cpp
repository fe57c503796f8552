#include "IdMask.h"

#include <gtest/gtest.h>

#include <limits>

namespace qb {
namespace {

// Ids at the edges of the flags, far above them and below zero are all held
// and told apart from their neighbours.
TEST(IdMask, HoldsExactlyTheIdsInsertedWhereverTheyLie) {
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    const std::int32_t ids[] = {0, 1, 99, 100, 70000, kMax, -1, -5};
    IdMask mask(100);
    for (const std::int32_t id : ids)
        EXPECT_FALSE(mask.Contains(id)) << id;
    for (const std::int32_t id : ids)
        mask.Insert(id);
    for (const std::int32_t id : ids)
        EXPECT_TRUE(mask.Contains(id)) << id;
    for (const std::int32_t id : {2, 98, 101, 69999, 70001, kMax - 1, -2, -4})
        EXPECT_FALSE(mask.Contains(id)) << id;
    IdMask copy = mask;
    copy.Insert(50);
    EXPECT_TRUE(copy.Contains(kMax));
    EXPECT_FALSE(mask.Contains(50));
}

}  // namespace
}  // namespace qb
