#include "GestureLoad.h"

#include <gtest/gtest.h>

#include <vector>

#include "CanvasFixture.h"
#include "LoadGraph.h"

namespace qb::test {
namespace {

// The fixture's bars: 4 on row 1 over days 5..10, 5 on row 2 over days
// 12..15, weight 1 each, at 10 pixels a day from day 1.
class GestureLoadTest : public CanvasTest {
protected:
    // The graph as the window shows it while the gesture runs.
    std::vector<std::int32_t> Sums(std::initializer_list<int> days) {
        const auto extra =
            GestureLoad::Spans(canvas.Gesture(), scene.GetRuler().GetTimeScale(), false);
        const LoadBuffer* buffer = graph.Recompute(Model(), scene.GetRuler(), false, extra);
        std::vector<std::int32_t> sums;
        for (int day : days)
            sums.push_back(buffer != nullptr ? buffer->At(X(day) + 1) : -1);
        return sums;
    }

    LoadGraph graph;
};

TEST_F(GestureLoadTest, AMovedBarCountsWhereItWouldLandAndACopyKeepsItsOriginal) {
    const DrawPoint bar = BarBody(1, 6);
    Click(bar);
    EXPECT_EQ(Sums({5, 11, 12, 16}), (std::vector<std::int32_t>{1, 0, 1, 0}));
    Press(bar);
    MoveTo(DrawPoint{bar.x + 30, bar.y});
    // Days 8..13 now; the original days 5..7 are free.
    EXPECT_EQ(Sums({5, 8, 11, 12, 14}), (std::vector<std::int32_t>{0, 1, 1, 2, 1}));
    canvas.KeyDown(CanvasKey::kControl, At(bar, true));
    // The original back on days 5..10 beside its copy on days 8..13.
    EXPECT_EQ(Sums({5, 8, 11, 12}), (std::vector<std::int32_t>{1, 2, 1, 2}));
    canvas.KeyUp(CanvasKey::kControl, At(bar));
    Release(DrawPoint{bar.x + 30, bar.y});
    EXPECT_TRUE(
        GestureLoad::Spans(canvas.Gesture(), scene.GetRuler().GetTimeScale(), false).empty());
    EXPECT_EQ(Sums({5, 8, 11, 12, 14}), (std::vector<std::int32_t>{0, 1, 1, 2, 1}));
}

TEST_F(GestureLoadTest, ABarBeingDrawnOrResizedCountsAlready) {
    const DrawPoint empty{X(20), RowTop(3) + 20};
    Press(empty);
    MoveTo(DrawPoint{X(25), empty.y});
    const std::vector<std::int32_t> drawing = Sums({19, 20, 24, 26});
    EXPECT_EQ(drawing[0], 0);
    EXPECT_EQ(drawing[1], 1);
    EXPECT_EQ(drawing[3], 0);
    Release(DrawPoint{X(25), empty.y});

    // Bar 5's right edge from the end of day 15 to day 17.
    const DrawPoint bar = BarBody(2, 13);
    Click(bar);
    const DrawPoint edge{X(16) - 1, bar.y};
    Press(edge);
    MoveTo(DrawPoint{X(18) - 1, bar.y});
    EXPECT_EQ(Sums({12, 15, 16, 17, 18}), (std::vector<std::int32_t>{1, 1, 1, 1, 0}));
}

}  // namespace
}  // namespace qb::test
