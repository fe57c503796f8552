#include "WindowPlacement.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

const DrawRect kDesktop{0, 0, 3840, 1080};
const DrawRect kLeftMonitor{0, 0, 1920, 1080};
const DrawRect kRightMonitor{1920, 0, 3840, 1080};
const DrawRect kShrunk{100, 100, 3740, 980};

TEST(WindowPlacementTest, StoredRectangleOnAMonitorIsKept) {
    const DrawRect stored{2000, 50, 3000, 900};
    EXPECT_EQ(WindowPlacement::Choose(stored, {kLeftMonitor, kRightMonitor}, kDesktop), stored);
}

TEST(WindowPlacementTest, RectangleOnARemovedMonitorFallsBackToTheShrunkDesktop) {
    const DrawRect stored{2000, 50, 3000, 900};
    const DrawRect oneMonitor{0, 0, 1920, 1080};
    EXPECT_EQ(WindowPlacement::Choose(stored, {kLeftMonitor}, oneMonitor),
              (DrawRect{100, 100, 1820, 980}));
}

TEST(WindowPlacementTest, EmptyRectangleSelectsTheDefault) {
    EXPECT_EQ(WindowPlacement::Choose(DrawRect{}, {kLeftMonitor, kRightMonitor}, kDesktop),
              kShrunk);
    EXPECT_EQ(WindowPlacement::Choose(DrawRect{50, 50, 50, 400}, {kLeftMonitor}, kDesktop),
              kShrunk);
}

TEST(WindowPlacementTest, WithoutMonitorListTheDesktopDecides) {
    EXPECT_EQ(WindowPlacement::Choose(DrawRect{10, 10, 500, 500}, {}, kDesktop),
              (DrawRect{10, 10, 500, 500}));
    EXPECT_EQ(WindowPlacement::Choose(DrawRect{-900, 10, -100, 500}, {}, kDesktop), kShrunk);
}

TEST(WindowPlacementTest, TinyDesktopIsUsedWhole) {
    const DrawRect tiny{0, 0, 150, 150};
    EXPECT_EQ(WindowPlacement::DefaultFor(tiny), tiny);
}

}  // namespace
}  // namespace qb
