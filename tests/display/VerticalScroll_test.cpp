#include "VerticalScroll.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

TEST(VerticalScroll, RangeRunsAHundredPixelsPastTheContent) {
    EXPECT_EQ(VerticalScroll::Compute(1000, 300, 50), (VerticalScroll{1100, 300, 50}));
}

TEST(VerticalScroll, PositionComesBackSoTheContentEndsAtThePageBottom) {
    EXPECT_EQ(VerticalScroll::Compute(1000, 300, 900).position, 800);
    EXPECT_EQ(VerticalScroll::Compute(1000, 300, 800).position, 800);
}

TEST(VerticalScroll, PositionNeverGoesAboveTheTop) {
    EXPECT_EQ(VerticalScroll::Compute(100, 500, 40).position, 0);
    EXPECT_EQ(VerticalScroll::Compute(0, 0, -5).position, 0);
    EXPECT_EQ(VerticalScroll::Compute(0, 300, 0), (VerticalScroll{100, 300, 0}));
}

}  // namespace
}  // namespace qb
