#include "CGuiMemo.h"

#include <gtest/gtest.h>

#include "CDrawPartArray.h"
#include "CMemo.h"
#include "ChartFixture.h"
#include "RecordingDrawContext.h"

namespace qb {
namespace {

using Op = RecordingDrawContext::Op;

// One memo on the second row at the middle of 3 January: x 25..85, y 45..75,
// with a border 2 pixels wide.
class CGuiMemoTest : public ChartFixture {
protected:
    CGuiMemoTest() {
        auto memo = std::make_unique<CMemo>(30);
        memo->SetXDate(Day(3));
        memo->SetXOffset(5000);
        memo->SetYRowId(2);
        memo->SetYOffset(5);
        memo->SetWidth(60);
        memo->SetHeight(30);
        memo->SetBorderPen(CPenInfo(0, 2, 0x000000));
        memo->SetText("a\nb");
        memo_ = memo.get();
        project_.GetDrawParts().Add(std::move(memo));
    }

    CGuiMemo& LaidOut(bool selected = false) {
        RebuildAndLayOut();
        CGuiMemo& memo = *model_.GetMemos().At(0);
        memo.SetSelected(selected);
        return memo;
    }

    CMemo* memo_ = nullptr;
};

TEST_F(CGuiMemoTest, LayoutPlacesTheBoxByDateAndRowAndInsetsTheText) {
    const CGuiMemo& memo = LaidOut();
    EXPECT_TRUE(memo.IsVisible());
    EXPECT_EQ(memo.GetRect(), (GuiRect{25, 45, 85, 75}));
    EXPECT_EQ(memo.GetTextRect(), (DrawRect{31, 51, 79, 69}));
    EXPECT_EQ(memo.AnchorPoint(1, 1), (DrawPoint{55, 60}));
    EXPECT_EQ(memo.AnchorPoint(2, 0), (DrawPoint{85, 45}));
}

// Unselected, a memo is hit only inside its box; on a hidden row not at all.
TEST_F(CGuiMemoTest, UnselectedMemoIsHitOnlyInsideItsBoxAndNotOnAHiddenRow) {
    const CGuiMemo& plain = LaidOut(false);
    EXPECT_TRUE(plain.HitTest(DrawPoint{25, 45}));
    EXPECT_FALSE(plain.HitTest(DrawPoint{24, 60}));
    EXPECT_FALSE(plain.HitTest(DrawPoint{85, 60}));
    model_.HideRow(2);
    const CGuiMemo& hidden = LaidOut();
    EXPECT_FALSE(hidden.IsVisible());
    EXPECT_FALSE(hidden.HitTest(DrawPoint{50, 60}));
    EXPECT_EQ(hidden.HitTestHandle(DrawPoint{50, 60}), CGuiObject::kHandleNone);
}

TEST_F(CGuiMemoTest, SelectedMemoHandlesLieInThreePixelBandsAtItsEdges) {
    const CGuiMemo& memo = LaidOut(true);
    // The grab area is x 22..88, y 42..78.
    EXPECT_EQ(memo.HitTestHandle(DrawPoint{22, 42}), CGuiObject::kHandleTopLeft);
    EXPECT_EQ(memo.HitTestHandle(DrawPoint{24, 76}), CGuiObject::kHandleBottomLeft);
    EXPECT_EQ(memo.HitTestHandle(DrawPoint{24, 60}), CGuiObject::kHandleStart);
    EXPECT_EQ(memo.HitTestHandle(DrawPoint{86, 44}), CGuiObject::kHandleTopRight);
    EXPECT_EQ(memo.HitTestHandle(DrawPoint{87, 77}), CGuiObject::kHandleBottomRight);
    EXPECT_EQ(memo.HitTestHandle(DrawPoint{86, 60}), CGuiObject::kHandleEnd);
    EXPECT_EQ(memo.HitTestHandle(DrawPoint{55, 44}), CGuiObject::kHandleTop);
    EXPECT_EQ(memo.HitTestHandle(DrawPoint{55, 76}), CGuiObject::kHandleBottom);
    EXPECT_EQ(memo.HitTestHandle(DrawPoint{25, 60}), CGuiObject::kHandleBody);
    EXPECT_EQ(memo.HitTestHandle(DrawPoint{21, 60}), CGuiObject::kHandleNone);
    EXPECT_EQ(memo.HitTestHandle(DrawPoint{88, 60}), CGuiObject::kHandleNone);
    EXPECT_EQ(memo.HandleAt(DrawPoint{24, 60}, false), CGuiObject::kHandleNone);
}

TEST_F(CGuiMemoTest, DateRangeTakesAMemoReachingIntoItFromBefore) {
    const CGuiMemo& memo = LaidOut();
    // The box ends at x 85, in 9 January (x 80..90).
    EXPECT_TRUE(memo.InDateRange(Day(9), Day(20)));
    EXPECT_FALSE(memo.InDateRange(Day(10), Day(20)));
    EXPECT_TRUE(memo.InDateRange(Day(3), Day(3)));
    EXPECT_FALSE(memo.InDateRange(Day(1), Day(2)));
}

TEST_F(CGuiMemoTest, MemoWithoutBackgroundIsDrawnHollowWithItsTextBlockCentred) {
    memo_->SetBgPaint(false);
    CGuiMemo& memo = LaidOut();
    RecordingDrawContext dc;
    memo.Draw(dc, DrawArgs());
    const auto boxes = dc.RecordsOf(Op::rectangle);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].rect, (DrawRect{25, 45, 85, 75}));
    EXPECT_TRUE(boxes[0].state.brush.hollow);
    const auto texts = dc.RecordsOf(Op::text);
    ASSERT_EQ(texts.size(), 1u);
    dc.SetFont(texts[0].state.font);
    const int height = dc.MeasureText("a\nb").height;
    EXPECT_EQ(texts[0].rect.top, 51 + (18 - height) / 2);
    EXPECT_EQ(texts[0].rect.bottom - texts[0].rect.top, height);
    EXPECT_FALSE(texts[0].format.singleLine);
}

}  // namespace
}  // namespace qb
