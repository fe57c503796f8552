#include "LoadGraphPainter.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "LoadBuffer.h"
#include "RecordingDrawContext.h"

namespace qb {
namespace {

using Op = RecordingDrawContext::Op;

constexpr DrawColour kGraph = 0x804020;
const DrawPen kDivisionPen{kPenDot, 1, 0x808080};

LoadGraphStyle Style() {
    return LoadGraphStyle{kGraph, kDivisionPen, "Gothic"};
}

LoadGraphSettings Settings(int max, int height, int auxLine) {
    LoadGraphSettings settings;
    settings.max = max;
    settings.height = height;
    settings.auxLine = auxLine;
    return settings;
}

// Loads of 20, 10, 0, 30 and -5 in columns 0..4 of a 5-pixel strip.
LoadBuffer FiveColumns() {
    const std::vector<LoadSpan> spans{{0, 0, 20}, {1, 1, 10}, {3, 3, 30}, {4, 4, -5}};
    return *LoadBuffer::Sum(spans, 0, 5);
}

std::vector<DrawRect> FilledInGraphColour(const RecordingDrawContext& dc) {
    std::vector<DrawRect> rects;
    for (const auto& record : dc.RecordsOf(Op::fillRect)) {
        if (record.colour == kGraph)
            rects.push_back(record.rect);
    }
    return rects;
}

TEST(LoadGraphPainter, TheMaxFillsTheStripOfHeightFiftyOneAndHalfTheMaxTheLowerHalf) {
    RecordingDrawContext dc;
    const LoadBuffer buffer = FiveColumns();
    LoadGraphPainter(Settings(20, 51, 0), Style())
        .PaintStrip(dc, DrawRect{0, 0, 5, 51}, &buffer, {});
    const auto fills = dc.RecordsOf(Op::fillRect);
    ASSERT_FALSE(fills.empty());
    EXPECT_EQ(fills.front().rect, (DrawRect{0, 0, 5, 51}));
    EXPECT_EQ(fills.front().colour, 0xFFFFFFu);
    // Zero and negative loads draw nothing; 30 is held at the strip's top.
    EXPECT_EQ(FilledInGraphColour(dc),
              (std::vector<DrawRect>{{0, 0, 1, 50}, {1, 25, 2, 50}, {3, 0, 4, 50}}));
    // A zero auxiliary line draws no line.
    EXPECT_TRUE(dc.RecordsOf(Op::line).empty());
}

TEST(LoadGraphPainter, DrawsInTheGivenRectangleAtItsOwnHeight) {
    RecordingDrawContext dc;
    const LoadBuffer buffer = FiveColumns();
    // A printed strip twice as high, away from the origin.
    LoadGraphPainter(Settings(20, 51, 0), Style())
        .PaintStrip(dc, DrawRect{100, 200, 105, 301}, &buffer, {});
    EXPECT_EQ(FilledInGraphColour(dc), (std::vector<DrawRect>{
                                           {100, 200, 101, 300},
                                           {101, 250, 102, 300},
                                           {103, 200, 104, 300},
                                       }));
    ASSERT_FALSE(dc.RecordsOf(Op::fillRect).empty());
    EXPECT_EQ(dc.RecordsOf(Op::fillRect).front().state.clip, (DrawRect{100, 200, 105, 301}));
}

TEST(LoadGraphPainter, TheAuxiliaryLineIsSolidBlackAcrossTheStrip) {
    RecordingDrawContext dc;
    const LoadBuffer buffer = FiveColumns();
    LoadGraphPainter(Settings(20, 51, 5), Style())
        .PaintStrip(dc, DrawRect{0, 0, 5, 51}, &buffer, {});
    const auto lines = dc.RecordsOf(Op::line);
    ASSERT_EQ(lines.size(), 1u);
    // 50 - trunc(5 * 2.5)
    EXPECT_EQ(lines[0].points, (std::vector<DrawPoint>{{0, 38}, {5, 38}}));
    EXPECT_EQ(lines[0].state.pen, (DrawPen{kPenSolid, 1, 0x000000}));
}

TEST(LoadGraphPainter, WithoutABufferTheStripIsOnlyWhite) {
    RecordingDrawContext dc;
    LoadGraphPainter(Settings(20, 51, 5), Style())
        .PaintStrip(dc, DrawRect{0, 0, 5, 51}, nullptr, std::vector<int>{0, 2, 4});
    ASSERT_EQ(dc.Records().size(), 1u);
    EXPECT_EQ(dc.Records()[0].colour, 0xFFFFFFu);
}

TEST(LoadGraphPainter, DivisionsFromTheSecondOnAndOnlyOnePastTheRightEdge) {
    RecordingDrawContext dc;
    // The window shows chart pixels 100..109.
    const LoadBuffer buffer = *LoadBuffer::Sum({}, 100, 110);
    const std::vector<int> divisions{60, 80, 90, 104, 108, 112, 116};
    LoadGraphPainter(Settings(20, 51, 0), Style())
        .PaintStrip(dc, DrawRect{0, 0, 10, 51}, &buffer, divisions);
    std::vector<int> xs;
    for (const auto& line : dc.RecordsOf(Op::line)) {
        EXPECT_EQ(line.state.pen, kDivisionPen);
        EXPECT_EQ(line.points.front().y, 0);
        EXPECT_EQ(line.points.back().y, 51);
        xs.push_back(line.points.front().x);
    }
    // 60 is the first entry, 90 lies left of the window; 80 is the second.
    EXPECT_EQ(xs, (std::vector<int>{-20, 4, 8, 12}));
}

struct ScaleCase {
    const char* what;
    int height;
    int auxLine;
    std::vector<std::string> labels;
    std::vector<int> tops;
};

void PrintTo(const ScaleCase& c, std::ostream* out) {
    *out << c.what;
}

class LoadGraphScale : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(LoadGraphScale, LabelsTheTopZeroAndTheAuxiliaryLine) {
    const ScaleCase& c = GetParam();
    RecordingDrawContext dc;
    LoadGraphPainter(Settings(20, c.height, c.auxLine), Style())
        .PaintScale(dc, DrawRect{0, 0, 30, c.height});
    std::vector<std::string> labels;
    std::vector<int> tops;
    for (const auto& text : dc.RecordsOf(Op::text)) {
        labels.push_back(text.text);
        tops.push_back(text.rect.top);
        EXPECT_EQ(text.rect.Height(), LoadGraphPainter::kLabelHeight);
        EXPECT_EQ(text.rect.right, 29);
        EXPECT_EQ(text.format.horizontal, HorizontalAlign::right);
        EXPECT_EQ(text.state.backgroundMode, BackgroundMode::transparent);
        EXPECT_EQ(text.state.font.height, 10);
    }
    EXPECT_EQ(labels, c.labels) << c.what;
    EXPECT_EQ(tops, c.tops) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LoadGraphScale,
    ::testing::Values(
        ScaleCase{"no line", 51, 0, {"20", "0"}, {0, 41}},
        ScaleCase{"a line at 10", 51, 10, {"20", "0", "10"}, {0, 41, 20}},
        ScaleCase{"too low for 0 beside a line", 30, 10, {"20", "10"}, {0, 10}},
        ScaleCase{"just high enough for 0 beside a line", 31, 10, {"20", "0", "10"}, {0, 21, 10}},
        ScaleCase{"just high enough for the line's label", 21, 10, {"20", "10"}, {0, 5}},
        ScaleCase{"too low for the line's label", 20, 10, {"20"}, {0}},
        ScaleCase{"low without a line keeps 0", 20, 0, {"20", "0"}, {0, 10}}),
    [](const auto& param) { return std::to_string(param.index); });

TEST(LoadGraphSettings, DamagedValuesAreBroughtBackToDrawableOnes) {
    const LoadGraphSettings usable = Settings(0, 5000, -3).Usable();
    EXPECT_EQ(usable.max, 20);
    EXPECT_EQ(usable.height, 1001);
    EXPECT_EQ(usable.auxLine, 0);
    EXPECT_EQ(Settings(-1, 0, 2).Usable().height, 2);
}

}  // namespace
}  // namespace qb
