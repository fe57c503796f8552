#include "ChartPainter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CDisplayModel.h"
#include "CRuler.h"
#include "CalendarSettings.h"
#include "DisplaySettings.h"
#include "RecordingDrawContext.h"
#include "RowTreeBuilder.h"

namespace qb {
namespace {

using Op = RecordingDrawContext::Op;

COleDateTime Date(int year, int month, int day) {
    return COleDateTime(year, month, day, 0, 0, 0);
}

// Three 40-pixel rows, the middle one tinted, on a 10-pixel-per-day ruler.
class ChartPainterTest : public ::testing::Test {
protected:
    ChartPainterTest() {
        tree.Add("A", 40);
        tree.Add("B", 40).SetParamInt("_BackColor", 0x00FF00);
        tree.Add("C", 40).SetBottomLinePen(CPenInfo(0, 2, 0x0000FF));
        model.Rebuild(tree.Project());
        chart.headerWidth = 100;
        model.Layout(chart);
        ruler.SetView(300, Date(2017, 3, 1), Date(2017, 3, 30));
        ruler.SetUnits(CRuler::Band::upper, kRulerMonth, 0);
        ruler.SetUnits(CRuler::Band::lower, kRulerDay, 0);
        ruler.Rebuild();
        chart.model = &model;
        chart.ruler = &ruler;
        chart.display = &settings;
        chart.calendar = &calendar;
        chart.today = Date(2017, 3, 5);
        view.width = 300;
        view.height = 200;
        view.upperGridPen = DrawPen{kPenSolid, 1, 0x808080};
        view.lowerGridPen = DrawPen{kPenDot, 1, 0xC0C0C0};
    }

    RowTreeBuilder tree;
    CDisplayModel model;
    CalendarSettings calendar;
    CRuler ruler{calendar};
    DisplaySettings settings;
    ChartContext chart;
    ChartView view;
    RecordingDrawContext dc;
};

// The picture itself is pinned by the golden sample; these check what the
// painter chooses to draw.
TEST_F(ChartPainterTest, ScrollingMovesEverythingAndSkipsRowsOutOfView) {
    view.scroll = DrawPoint{20, 50};
    view.height = 40;
    ChartPainter::Paint(dc, chart, view);
    // Band B (40..80) shows from window y -10; row lines at 80 only (40 and 120 are out).
    const auto fills = dc.RecordsOf(Op::fillRect);
    ASSERT_GE(fills.size(), 2u);
    EXPECT_EQ(fills[1].rect, (DrawRect{0, -10, 300, 30}));
    int rowLines = 0;
    for (const auto& line : dc.RecordsOf(Op::line)) {
        if (line.points[0].y == line.points[1].y) {
            ++rowLines;
            EXPECT_EQ(line.points[0].y, 30);
        }
    }
    EXPECT_EQ(rowLines, 1);
}

TEST_F(ChartPainterTest, TodayIsNotPaintedWhenTheOptionIsOff) {
    calendar.paintToday = false;
    ChartPainter::Paint(dc, chart, view);
    for (const auto& fill : dc.RecordsOf(Op::fillRect))
        EXPECT_NE(fill.colour, DisplaySettings::kTodayColour);
}

TEST_F(ChartPainterTest, WithoutADocumentOrRowsItSaysWhatToDoFirst) {
    auto texts = [this] {
        std::vector<std::string> found;
        for (const auto& record : dc.RecordsOf(Op::text))
            found.push_back(record.text);
        dc.Clear();
        return found;
    };
    view.noDocumentText = "open\r\nor make one";
    view.noRowsText = "add\r\na row";
    ChartPainter::Paint(dc, ChartContext{}, view);
    EXPECT_EQ(texts(), (std::vector<std::string>{"open", "or make one"}));
    RowTreeBuilder empty;
    CDisplayModel emptyModel;
    emptyModel.Rebuild(empty.Project());
    chart.model = &emptyModel;
    ChartPainter::Paint(dc, chart, view);
    EXPECT_EQ(texts(), (std::vector<std::string>{"add", "a row"}));
}

TEST_F(ChartPainterTest, LightningLineRunsFromTheTopToTheTotalHeight) {
    view.showLightning = true;
    view.lightningDate = Date(2017, 3, 3);
    ChartPainter::Paint(dc, chart, view);
    const auto polylines = dc.RecordsOf(Op::polyline);
    ASSERT_EQ(polylines.size(), 1u);
    EXPECT_EQ(polylines[0].points.front(), (DrawPoint{25, 0}));
    EXPECT_EQ(polylines[0].points.back(), (DrawPoint{25, 120}));
}

}  // namespace
}  // namespace qb
