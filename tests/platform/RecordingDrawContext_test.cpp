#include "RecordingDrawContext.h"

#include <gtest/gtest.h>

#include <vector>

namespace qb {
namespace {

using Op = RecordingDrawContext::Op;

// ASCII is half the font height wide, anything else the full height; a block
// is as wide as its widest line. A height of 0 means 12, a negative one its size.
TEST(RecordingDrawContext, MeasuresTextByCharacterKindAndLines) {
    struct Case {
        int height;
        const char* text;
        DrawSize size;
    };
    const Case cases[] = {
        {12, "12", {12, 12}}, {12, "第24週", {12 + 6 + 6 + 12, 12}},
        {12, "", {0, 12}},    {-16, "平成", {32, 16}},
        {0, "ab", {12, 12}},  {10, "abc\r\nabcdef\nx", {30, 30}},
        {10, "a\n", {5, 20}},
    };
    RecordingDrawContext dc;
    for (const Case& c : cases) {
        dc.SetFont(DrawFont{"IPAGothic", c.height, 0});
        EXPECT_EQ(dc.MeasureText(c.text), c.size) << c.text;
    }
}

TEST(RecordingDrawContext, RecordsEachDrawingWithTheStateItWasDrawnIn) {
    RecordingDrawContext dc;
    dc.SetPen(DrawPen{kPenDot, 2, 0x0000FF});
    dc.SetBrush(DrawBrush::Solid(0x00FF00));
    dc.SetMixMode(MixMode::mask);
    dc.Ellipse(DrawRect{0, 0, 10, 10});
    dc.SetMixMode(MixMode::copy);
    dc.SetBrush(DrawBrush::Hollow());
    const std::vector<DrawPoint> star{{5, -1}, {0, -6}, {-5, -1}};
    dc.Polygon(star);

    const auto& records = dc.Records();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].op, Op::ellipse);
    EXPECT_EQ(records[0].state.mixMode, MixMode::mask);
    EXPECT_EQ(records[0].state.pen, (DrawPen{kPenDot, 2, 0x0000FF}));
    EXPECT_EQ(records[0].state.brush, DrawBrush::Solid(0x00FF00));
    EXPECT_EQ(records[1].op, Op::polygon);
    EXPECT_EQ(records[1].points, star);
    EXPECT_TRUE(records[1].state.brush.hollow);
    EXPECT_EQ(records[1].state.mixMode, MixMode::copy);
}

// Disjoint clips leave nothing visible; an unmatched restore keeps the state.
TEST(RecordingDrawContext, ClipsNarrowUntilTheStateIsRestored) {
    RecordingDrawContext dc;
    dc.SaveState();
    dc.IntersectClip(DrawRect{0, 0, 50, 50});
    dc.IntersectClip(DrawRect{20, 10, 80, 30});
    dc.SetTextColour(0x808080);
    dc.FillRect(DrawRect{0, 0, 100, 100}, 0);
    dc.RestoreState();
    dc.FillRect(DrawRect{0, 0, 100, 100}, 0);
    ASSERT_EQ(dc.Records().size(), 2u);
    EXPECT_EQ(dc.Records()[0].state.clip, (DrawRect{20, 10, 50, 30}));
    EXPECT_FALSE(dc.Records()[1].state.clip.has_value());
    EXPECT_EQ(dc.Records()[1].state.textColour, 0x000000u);

    dc.IntersectClip(DrawRect{0, 0, 10, 10});
    dc.IntersectClip(DrawRect{20, 20, 30, 30});
    dc.SetTextColour(0x123456);
    dc.RestoreState();
    EXPECT_EQ(dc.CurrentState().textColour, 0x123456u);
    ASSERT_TRUE(dc.CurrentState().clip.has_value());
    EXPECT_TRUE(dc.CurrentState().clip->IsEmpty());
}

}  // namespace
}  // namespace qb
