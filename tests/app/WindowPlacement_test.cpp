#include "WindowPlacement.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

TEST(WindowPlacementTest, KeepsAStoredRectangleOnlyWhileAMonitorShowsIt) {
    const DrawRect desktop{0, 0, 3840, 1080};
    const DrawRect left{0, 0, 1920, 1080};
    const DrawRect right{1920, 0, 3840, 1080};
    const DrawRect shrunk{100, 100, 3740, 980};
    const DrawRect onRight{2000, 50, 3000, 900};
    struct Case {
        DrawRect stored;
        std::vector<DrawRect> monitors;
        DrawRect desktop;
        DrawRect expected;
    };
    const Case cases[] = {
        {onRight, {left, right}, desktop, onRight},
        {onRight, {left}, left, {100, 100, 1820, 980}},               // its monitor was removed
        {{1920, 0, 2500, 500}, {left}, left, {100, 100, 1820, 980}},  // just past the edge
        {DrawRect{}, {left, right}, desktop, shrunk},
        {DrawRect{50, 50, 50, 400}, {left}, desktop, shrunk},  // empty
        {DrawRect{10, 10, 500, 500}, {}, desktop, DrawRect{10, 10, 500, 500}},
        {DrawRect{-900, 10, -100, 500}, {}, desktop, shrunk},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        EXPECT_EQ(WindowPlacement::Choose(c.stored, c.monitors, c.desktop), c.expected)
            << "case " << i;
    }
    const DrawRect tiny{0, 0, 150, 150};
    EXPECT_EQ(WindowPlacement::DefaultFor(tiny), tiny);
}

}  // namespace
}  // namespace qb
