#include "RowPanePainter.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "CDisplayModel.h"
#include "CGuiRow.h"
#include "DisplaySettings.h"
#include "GuiDrawArgs.h"
#include "RecordingDrawContext.h"
#include "RowTreeBuilder.h"

namespace qb {
namespace {

using Op = RecordingDrawContext::Op;

class RowPanePainterTest : public ::testing::Test {
protected:
    RowPanePainterTest() {
        CRow& p = tree.Add("P", 30, 60);
        p.SetParamInt("_BackColor", 0x00FFFF);
        pId = p.GetObjectId();
        p1 = tree.Child(p, "P1", 20).GetObjectId();
        p2 = tree.Child(p, "P2", 20).GetObjectId();
        qId = tree.Add("Q", 40).GetObjectId();
    }
    void Paint() {
        model.Rebuild(tree.Project());
        PaintAgain();
    }
    // Lays the built model out and paints the rows reaching into visible.
    void PaintAgain(DrawRect visible = DrawRect{0, 0, 200, 500}, bool showObjectId = false) {
        model.Layout(chart);
        RowPanePainter::Paint(dc, model, GuiDrawArgs{chart, visible, showObjectId});
    }
    std::vector<std::string> Texts() {
        std::vector<std::string> texts;
        for (const auto& record : dc.RecordsOf(Op::text))
            texts.push_back(record.text);
        return texts;
    }

    RowTreeBuilder tree;
    CDisplayModel model;
    DisplaySettings display;
    const ChartContext chart = [this] {
        ChartContext context;
        context.model = &model;
        context.display = &display;
        context.headerWidth = 200;
        return context;
    }();
    RecordingDrawContext dc;
    std::int32_t pId = 0, p1 = 0, p2 = 0, qId = 0;
};

TEST_F(RowPanePainterTest, RowsDrawInTreeOrderWithCaptionsAfterTheFoldIcon) {
    Paint();
    EXPECT_EQ(Texts(), (std::vector<std::string>{"P", "P1", "P2", "Q"}));
    // The caption starts after the fold icon's space.
    const auto captions = dc.RecordsOf(Op::text);
    EXPECT_EQ(captions[0].rect, (DrawRect{21, 5, 60, 40}));
    EXPECT_EQ(captions[1].rect, (DrawRect{65, 5, 200, 20}));
    EXPECT_FALSE(captions[0].format.singleLine);
}

TEST_F(RowPanePainterTest, LastChildLineStartsAtTheParentsLeftEdge) {
    Paint();
    std::vector<DrawPoint> starts;
    for (const auto& line : dc.RecordsOf(Op::line)) {
        if (line.points[0].y == line.points[1].y && line.points[1].x == 200)
            starts.push_back(line.points[0]);
    }
    // P's own line, P1's, P2's (closing P's box) and Q's.
    EXPECT_EQ(starts, (std::vector<DrawPoint>{{0, 40}, {60, 20}, {0, 40}, {0, 80}}));
}

TEST_F(RowPanePainterTest, NumberingSelectionAndHiddenNextAreDrawn) {
    tree.Project().SetParamInt("_Renban", 2);
    model.Rebuild(tree.Project());
    model.Select(p1, false);
    model.HideRow(p2);
    model.Rebuild(tree.Project());
    PaintAgain();
    EXPECT_EQ(Texts(), (std::vector<std::string>{"1　P", "1-1　P1", "2　Q"}));
    const auto focus = dc.RecordsOf(Op::focusRect);
    ASSERT_EQ(focus.size(), 1u);
    EXPECT_EQ(focus[0].rect, (DrawRect{62, 2, 198, 18}));
    bool dotted = false;
    for (const auto& line : dc.RecordsOf(Op::line))
        dotted = dotted || line.state.pen == DrawPen{kPenDot, 1, 0xA0A0A0};
    EXPECT_TRUE(dotted);
}

TEST_F(RowPanePainterTest, ObjectIdAndTotalAreDrawnWhenAskedFor) {
    display.showTotal = true;
    model.Rebuild(tree.Project());
    model.Layout(chart);
    model.FindRow(qId)->SetTotal(0, 2.5);
    RowPanePainter::Paint(dc, model, GuiDrawArgs{chart, DrawRect{0, 0, 200, 500}, true});
    const auto texts = Texts();
    EXPECT_NE(std::find(texts.begin(), texts.end(), std::to_string(qId)), texts.end());
    EXPECT_EQ(texts.back(), "2.5");
    bool idBox = false;
    for (const auto& fill : dc.RecordsOf(Op::fillRect))
        idBox = idBox || fill.colour == 0xC0C0FF;
    EXPECT_TRUE(idBox);
}

TEST_F(RowPanePainterTest, RowsOutsideTheVisibleBandAreNotDrawn) {
    model.Rebuild(tree.Project());
    PaintAgain(DrawRect{0, 45, 200, 60});
    EXPECT_EQ(Texts(), std::vector<std::string>{"Q"});
}

}  // namespace
}  // namespace qb
