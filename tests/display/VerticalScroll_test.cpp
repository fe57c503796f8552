#include "VerticalScroll.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

// The range runs a hundred pixels past the content; the position comes back so
// that the content ends at the page bottom, but never above the top.
TEST(VerticalScroll, RangeAndPosition) {
    EXPECT_EQ(VerticalScroll::Compute(1000, 300, 50), (VerticalScroll{1100, 300, 50}));
    EXPECT_EQ(VerticalScroll::Compute(1000, 300, 900).position, 800);
    EXPECT_EQ(VerticalScroll::Compute(1000, 300, 800).position, 800);
    EXPECT_EQ(VerticalScroll::Compute(100, 500, 40).position, 0);
    EXPECT_EQ(VerticalScroll::Compute(0, 300, 0), (VerticalScroll{100, 300, 0}));
}

}  // namespace
}  // namespace qb
