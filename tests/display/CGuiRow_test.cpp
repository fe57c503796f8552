#include "CGuiRow.h"

#include <gtest/gtest.h>

#include "CDisplayModel.h"
#include "DisplaySettings.h"
#include "RowTreeBuilder.h"

namespace qb {
namespace {

constexpr int kPane = 200;

GuiRect Rect(int left, int top, int right, int bottom) {
    return GuiRect{left, top, right, bottom};
}

// A (60 wide) over A1 and A2, then the leaf B, then C whose only child C1 is hidden.
class RowLayoutTest : public ::testing::Test {
protected:
    RowLayoutTest() {
        CRow& a = tree.Add("A", 30, 60);
        a1 = tree.Child(a, "A1", 20).GetObjectId();
        a2 = tree.Child(a, "A2", 25).GetObjectId();
        aId = a.GetObjectId();
        bId = tree.Add("B", 40).GetObjectId();
        CRow& c = tree.Add("C", 35, 50);
        cId = c.GetObjectId();
        c1 = tree.Child(c, "C1", 10).GetObjectId();
    }

    void Build(int indent) {
        tree.Project().SetParamInt("_Indent", indent);
        model.Rebuild(tree.Project());
        model.HideRow(c1);
        LayoutAgain();
    }
    void FilterCaptions(std::vector<std::string> values) {
        model.Filters().Set(CFilter::kCaptions, std::move(values));
        model.ApplyFilters();
        LayoutAgain();
    }
    void LayoutAgain() {
        ChartContext chart;
        chart.headerWidth = kPane;
        model.Layout(chart);
    }
    GuiRect RectOf(std::int32_t id) { return model.FindRow(id)->GetRect(); }
    std::vector<std::int32_t> LineRowIds() {
        std::vector<std::int32_t> ids;
        for (const CGuiRow* row : model.GetLineRows())
            ids.push_back(row->GetObjectId());
        return ids;
    }

    RowTreeBuilder tree;
    CDisplayModel model;
    std::int32_t aId = 0, a1 = 0, a2 = 0, bId = 0, cId = 0, c1 = 0;
};

TEST_F(RowLayoutTest, BoxModeNestsChildrenInTheirParentsBox) {
    Build(0);
    // The expanded parent is as tall as its children together, not its own 30.
    EXPECT_EQ(RectOf(aId), Rect(0, 0, 60, 45));
    EXPECT_EQ(RectOf(a1), Rect(60, 0, kPane, 20));
    EXPECT_EQ(RectOf(a2), Rect(60, 20, kPane, 45));
    EXPECT_EQ(RectOf(bId), Rect(0, 45, kPane, 85));
    // All children hidden: laid out like a leaf with its own height.
    EXPECT_EQ(RectOf(cId), Rect(0, 85, kPane, 120));
    EXPECT_FALSE(model.FindRow(c1)->IsVisible());
    EXPECT_EQ(RectOf(c1), Rect(50, 85, kPane, 85));
    EXPECT_EQ(model.TotalHeight(), 120);
    EXPECT_EQ(LineRowIds(), (std::vector<std::int32_t>{a1, a2, bId, cId}));
}

TEST_F(RowLayoutTest, FoldedParentTakesItsOwnHeightAndSpansThePane) {
    Build(0);
    model.SetFolded(aId, true);
    LayoutAgain();
    EXPECT_EQ(RectOf(aId), Rect(0, 0, kPane, 30));
    EXPECT_FALSE(model.FindRow(a1)->IsVisible());
    EXPECT_EQ(RectOf(bId), Rect(0, 30, kPane, 70));
    EXPECT_EQ(LineRowIds(), (std::vector<std::int32_t>{aId, bId, cId}));
    EXPECT_EQ(model.TotalHeight(), 105);
}

TEST_F(RowLayoutTest, HiddenRowTakesNoSpaceAndItsSiblingMovesUp) {
    Build(0);
    model.HideRow(a1);
    LayoutAgain();
    EXPECT_EQ(RectOf(a2), Rect(60, 0, kPane, 25));
    EXPECT_EQ(RectOf(aId), Rect(0, 0, 60, 25));
    EXPECT_EQ(RectOf(bId).top, 25);
}

TEST_F(RowLayoutTest, IndentModeGivesEveryRowItsOwnBand) {
    Build(10);
    EXPECT_EQ(RectOf(aId), Rect(0, 0, kPane, 30));
    EXPECT_EQ(RectOf(a1), Rect(0, 30, kPane, 50));
    EXPECT_EQ(RectOf(a2), Rect(0, 50, kPane, 75));
    // The earlier sibling is expanded: its last visible row gives the top.
    EXPECT_EQ(RectOf(bId), Rect(0, 75, kPane, 115));
    EXPECT_EQ(RectOf(cId), Rect(0, 115, kPane, 150));
    EXPECT_EQ(model.TotalHeight(), 150);
    EXPECT_EQ(LineRowIds(), (std::vector<std::int32_t>{aId, a1, a2, bId, cId}));
}

TEST_F(RowLayoutTest, IndentModeDrawsTheLastRowOfABoxWithTheOutermostPen) {
    tree.Project().GetRows().At(0)->SetBottomLinePen(CPenInfo(0, 2, 0x0000FF));
    Build(10);
    const auto& pens = model.GetLinePens();
    ASSERT_EQ(pens.size(), 5u);
    EXPECT_EQ(pens[0], (DrawPen{0, 2, 0x0000FF}));
    EXPECT_EQ(pens[1], (DrawPen{0, 1, 0}));
    EXPECT_EQ(pens[2], (DrawPen{0, 2, 0x0000FF}));
}

// In box mode a parent stays while one leaf passes; its own flag does not count.
TEST_F(RowLayoutTest, BoxModeFilterDropsAParentOnlyWhenAllItsLeavesFail) {
    Build(0);
    FilterCaptions({"A", "A2", "B", "C", "C1"});
    EXPECT_FALSE(model.FindRow(a1)->IsVisible());
    EXPECT_TRUE(model.FindRow(aId)->IsVisible());
    EXPECT_EQ(RectOf(a2), Rect(60, 0, kPane, 25));
    FilterCaptions({"A", "B", "C", "C1"});
    EXPECT_FALSE(model.FindRow(aId)->IsVisible());
    EXPECT_EQ(RectOf(aId).Height(), 0);
    EXPECT_EQ(RectOf(bId), Rect(0, 0, kPane, 40));
}

TEST_F(RowLayoutTest, IndentModeFilterKeepsAFlaggedParentOfAKeptChild) {
    Build(10);
    FilterCaptions({"A2", "B", "C", "C1"});
    EXPECT_TRUE(model.FindRow(aId)->IsVisible());
    EXPECT_FALSE(model.FindRow(aId)->IsFilteredOut());
    EXPECT_FALSE(model.FindRow(a1)->IsVisible());
    EXPECT_EQ(RectOf(a2), Rect(0, 30, kPane, 55));
}

TEST_F(RowLayoutTest, FilterHoldsThroughARebuildUntilCleared) {
    Build(0);
    FilterCaptions({"A", "A1", "A2", "C", "C1"});
    EXPECT_FALSE(model.FindRow(bId)->IsVisible());
    Build(0);
    EXPECT_FALSE(model.FindRow(bId)->IsVisible());
    model.ClearFilter();
    LayoutAgain();
    EXPECT_TRUE(model.FindRow(bId)->IsVisible());
}

TEST_F(RowLayoutTest, MarkersArePlacedFromTheRightEdgeInwards) {
    Build(0);
    model.SetFolded(aId, true);
    DisplaySettings display;
    display.showTotal = true;
    model.Filters().Set(CFilter::kCaptions, {"A", "A1", "A2", "B", "C", "C1"});
    model.ApplyFilters();
    ChartContext chart;
    chart.display = &display;
    chart.headerWidth = kPane;
    chart.summaryMode = true;
    model.Layout(chart);
    const CGuiRow& a = *model.FindRow(aId);
    EXPECT_EQ(a.GetFilterMarker(), (DrawPoint{kPane - 9, 30 - 11}));
    EXPECT_EQ(a.GetSummaryMarker(), (DrawPoint{kPane - 9 - 8, 30 - 11}));
    EXPECT_EQ(a.GetTotalBox(), Rect(0, 30 - 12, kPane - 3 - 16, 30));
    // A leaf has no summary marker, so its total box reaches one step further.
    const CGuiRow& b = *model.FindRow(bId);
    EXPECT_FALSE(b.HasSummaryMarker());
    EXPECT_EQ(b.GetTotalBox().right, kPane - 3 - 8);
}

TEST_F(RowLayoutTest, HitTestIncludesTopLeftAndExcludesBottomRight) {
    Build(0);
    const CGuiRow& b = *model.FindRow(bId);
    EXPECT_TRUE(b.HitTest(DrawPoint{0, 45}));
    EXPECT_FALSE(b.HitTest(DrawPoint{kPane, 50}));
    EXPECT_FALSE(b.HitTest(DrawPoint{10, 85}));
    EXPECT_FALSE(model.FindRow(c1)->HitTest(DrawPoint{60, 85}));
    // The deepest row under a point answers.
    EXPECT_EQ(model.HitTestRow(DrawPoint{10, 30})->GetObjectId(), aId);
    EXPECT_EQ(model.HitTestRow(DrawPoint{70, 30})->GetObjectId(), a2);
    EXPECT_EQ(model.HitTestRow(DrawPoint{10, 500}), nullptr);
    tree.Project().GetRows().At(1)->SetDeleted(true);
    EXPECT_FALSE(b.HitTest(DrawPoint{0, 45}));
    Build(10);
    EXPECT_EQ(model.HitTestRow(DrawPoint{10, 60})->GetObjectId(), a2);
}

TEST_F(RowLayoutTest, RowAtFindsOnlyRowsThatTakeObjects) {
    Build(0);
    EXPECT_EQ(model.RowAt(0)->GetObjectId(), a1);
    EXPECT_EQ(model.RowAt(19)->GetObjectId(), a1);
    EXPECT_EQ(model.RowAt(20)->GetObjectId(), a2);
    EXPECT_EQ(model.RowAt(119)->GetObjectId(), cId);
    EXPECT_EQ(model.RowAt(120), nullptr);
    EXPECT_EQ(model.RowAt(-1), nullptr);
    Build(10);
    // In indent mode parents take objects too.
    EXPECT_EQ(model.RowAt(29)->GetObjectId(), aId);
    EXPECT_EQ(model.RowAt(30)->GetObjectId(), a1);
}

}  // namespace
}  // namespace qb
