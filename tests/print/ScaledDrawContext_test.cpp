#include "ScaledDrawContext.h"

#include <gtest/gtest.h>

#include "RecordingDrawContext.h"

namespace qb {
namespace {

using Op = RecordingDrawContext::Op;

TEST(ScaledDrawContext, NeighbouringRectanglesStillTouch) {
    RecordingDrawContext target;
    ScaledDrawContext scaled(target, 2.54, DrawPoint{100, 50});
    scaled.FillRect(DrawRect{0, 0, 3, 10}, 0);
    scaled.FillRect(DrawRect{3, 0, 7, 10}, 0);
    const auto fills = target.RecordsOf(Op::fillRect);
    ASSERT_EQ(fills.size(), 2u);
    EXPECT_EQ(fills[0].rect, (DrawRect{100, 50, 108, 75}));
    EXPECT_EQ(fills[0].rect.right, fills[1].rect.left);
    EXPECT_EQ(fills[1].rect.right, 118);
}

TEST(ScaledDrawContext, FontsAndPensGrowWithTheScaleButHairlinesStayThin) {
    RecordingDrawContext target;
    ScaledDrawContext scaled(target, 2.5, DrawPoint{});
    scaled.SetFont(DrawFont{"ＭＳ ゴシック", 12, kFontBold});
    EXPECT_EQ(target.CurrentState().font.height, 30);
    EXPECT_EQ(target.CurrentState().font.styleBits, kFontBold);
    scaled.SetPen(DrawPen{kPenDot, 2, 0x123456});
    EXPECT_EQ(target.CurrentState().pen, (DrawPen{kPenDot, 5, 0x123456}));
    scaled.SetPen(DrawPen{kPenSolid, 0, 0});
    EXPECT_EQ(target.CurrentState().pen.width, 0);
    ScaledDrawContext tiny(target, 0.1, DrawPoint{});
    tiny.SetPen(DrawPen{kPenSolid, 1, 0});
    EXPECT_EQ(target.CurrentState().pen.width, 1);
}

TEST(ScaledDrawContext, MeasuresInScreenPixelsSoTextsStillFit) {
    RecordingDrawContext target;
    ScaledDrawContext scaled(target, 3.0, DrawPoint{});
    scaled.SetFont(DrawFont{"f", 10, 0});
    const DrawSize page = target.MeasureText("abc");
    const DrawSize screen = scaled.MeasureText("abc");
    EXPECT_GE(screen.width * 3, page.width);
    EXPECT_LT((screen.width - 1) * 3, page.width);
}

}  // namespace
}  // namespace qb
