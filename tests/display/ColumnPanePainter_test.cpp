#include "ColumnPanePainter.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "CGuiRow.h"
#include "CRuler.h"
#include "ColumnTestProject.h"
#include "GuiDrawArgs.h"
#include "RecordingDrawContext.h"

namespace qb {
namespace {

using Op = RecordingDrawContext::Op;

// Columns A (60) and B (40, red right border) beside rows R0..R9, 20 high.
class ColumnPanePainterTest : public ::testing::Test {
protected:
    ColumnPanePainterTest() {
        a = &project.AddColumn("A\r\nline", 60);
        a->SetHeaderFontColor(0x00FF00);
        b = &project.AddColumn("B", 40);
        b->SetRightLineCode(CPenInfo(0, 2, 0x0000FF));
        for (int i = 0; i < 10; ++i) {
            CRow& row = project.tree.Add("R" + std::to_string(i), 20);
            ColumnTestProject::SetCell(row, *a, "a" + std::to_string(i));
            rows.push_back(&row);
        }
        project.Build();
        chart.model = &project.model;
        chart.headerWidth = 200;
    }
    void PaintHeader() {
        dc.Clear();
        ColumnPanePainter::PaintHeader(dc, project.model,
                                       GuiDrawArgs{chart, DrawRect{0, 0, 100, CRuler::kHeight}});
    }
    void PaintCells(int top, int bottom) {
        dc.Clear();
        ColumnPanePainter::PaintCells(dc, project.model,
                                      GuiDrawArgs{chart, DrawRect{0, top, 100, bottom}});
    }
    std::vector<RecordingDrawContext::Record> Lines(int x) {
        std::vector<RecordingDrawContext::Record> found;
        for (const auto& line : dc.RecordsOf(Op::line)) {
            if (line.points[0].x == x && line.points[1].x == x)
                found.push_back(line);
        }
        return found;
    }
    std::vector<std::string> Texts() {
        std::vector<std::string> texts;
        for (const auto& record : dc.RecordsOf(Op::text))
            texts.push_back(record.text);
        return texts;
    }

    ColumnTestProject project;
    CColumn* a = nullptr;
    CColumn* b = nullptr;
    std::vector<CRow*> rows;
    ChartContext chart;
    RecordingDrawContext dc;
};

TEST_F(ColumnPanePainterTest, HeaderCaptionsBordersAndMarks) {
    PaintHeader();
    const auto texts = dc.RecordsOf(Op::text);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, "A\r\nline");
    EXPECT_EQ(texts[0].rect, (DrawRect{5, 0, 60, CRuler::kHeight}));
    EXPECT_FALSE(texts[0].format.singleLine);
    EXPECT_EQ(texts[0].format.vertical, VerticalAlign::centre);
    EXPECT_EQ(texts[0].state.textColour, 0x00FF00u);
    ASSERT_EQ(Lines(100).size(), 1u);
    EXPECT_EQ(Lines(100)[0].state.pen, (DrawPen{0, 2, 0x0000FF}));
    EXPECT_TRUE(dc.RecordsOf(Op::polygon).empty());
    EXPECT_TRUE(dc.RecordsOf(Op::focusRect).empty());

    project.model.Filters().Set(b->GetObjectId(), {"x"});
    project.model.Select(b->GetObjectId(), false);
    project.model.SetColumnHidden(b->GetObjectId(), true);
    project.Layout();
    PaintHeader();
    // B is hidden now: A marks it, and nothing of B is drawn.
    EXPECT_EQ(dc.RecordsOf(Op::text).size(), 1u);
    ASSERT_EQ(Lines(59).size(), 1u);
    EXPECT_EQ(Lines(59)[0].state.pen, (DrawPen{kPenDot, 1, 0xA0A0A0}));
    EXPECT_TRUE(dc.RecordsOf(Op::polygon).empty());

    project.model.SetColumnHidden(b->GetObjectId(), false);
    project.Layout();
    PaintHeader();
    EXPECT_TRUE(Lines(59).empty());
    ASSERT_EQ(dc.RecordsOf(Op::focusRect).size(), 1u);
    EXPECT_EQ(dc.RecordsOf(Op::focusRect)[0].rect, (DrawRect{62, 2, 98, CRuler::kHeight - 2}));
    // The filter icon sits at the bottom left of B.
    const auto icons = dc.RecordsOf(Op::polygon);
    ASSERT_EQ(icons.size(), 1u);
    for (const DrawPoint& point : icons[0].points) {
        EXPECT_GE(point.x, 60 + 3);
        EXPECT_LE(point.y, CRuler::kHeight - 2);
        EXPECT_GE(point.y, CRuler::kHeight - 9);
    }
}

// Only the rows in view are drawn; the borders run down to the last row.
TEST_F(ColumnPanePainterTest, CellsOfTheRowsInView) {
    PaintCells(45, 85);
    EXPECT_EQ(Texts(), (std::vector<std::string>{"a2", "a3", "a4"}));
    const auto texts = dc.RecordsOf(Op::text);
    EXPECT_EQ(texts[0].rect, (DrawRect{5, 45, 60, 60}));
    ASSERT_EQ(Lines(100).size(), 1u);
    EXPECT_EQ(Lines(100)[0].points[0].y, 45);
    EXPECT_EQ(Lines(100)[0].points[1].y, 85);
    PaintCells(150, 400);
    EXPECT_EQ(Texts(), (std::vector<std::string>{"a7", "a8", "a9"}));
    EXPECT_EQ(Lines(100)[0].points[1].y, 200);
    PaintCells(300, 400);
    EXPECT_TRUE(Texts().empty());
    EXPECT_TRUE(Lines(100).empty());
}

TEST_F(ColumnPanePainterTest, BandsLinesAndTheCurrentCell) {
    rows[1]->SetParamInt("_BackColor", 0x00FFFF);
    rows[1]->SetBottomLinePen(CPenInfo(1, 2, 0xFF0000));
    project.Build();
    project.model.Select(rows[1]->GetObjectId(), false);
    project.model.SetCurrentColumn(1);
    PaintCells(0, 60);
    const auto fills = dc.RecordsOf(Op::fillRect);
    ASSERT_EQ(fills.size(), 2u);
    EXPECT_EQ(fills[1].rect, (DrawRect{0, 20, 100, 40}));
    EXPECT_EQ(fills[1].colour, 0x00FFFFu);
    bool redLine = false;
    for (const auto& line : dc.RecordsOf(Op::line))
        redLine = redLine || (line.points[0].y == 40 && line.state.pen == DrawPen{1, 2, 0xFF0000});
    EXPECT_TRUE(redLine);
    ASSERT_EQ(dc.RecordsOf(Op::focusRect).size(), 1u);
    EXPECT_EQ(dc.RecordsOf(Op::focusRect)[0].rect, (DrawRect{62, 22, 98, 38}));
}

}  // namespace
}  // namespace qb
