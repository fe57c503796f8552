#include "ChartScene.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "CColumn.h"
#include "CColumnArray.h"
#include "CDisplayModel.h"
#include "CGuiLink.h"
#include "CGuiMemo.h"
#include "CGuiSchedule.h"
#include "CHolidayArray.h"
#include "CRuler.h"
#include "CYmdHoliday.h"
#include "CalendarSettings.h"
#include "ChartHint.h"
#include "DisplaySettings.h"
#include "HolidayCache.h"
#include "ProjectGenerator.h"
#include "RecordingDrawContext.h"
#include "RowTreeBuilder.h"

namespace qb {
namespace {

using Op = RecordingDrawContext::Op;

// P (with children P1 and P2) and Q, in a 600 x 140 view: 100 chart pixels high.
class ChartSceneTest : public ::testing::Test {
protected:
    ChartSceneTest() {
        CRow& p = tree.Add("P", 30, 60);
        pId = p.GetObjectId();
        tree.Child(p, "P1", 20);
        tree.Child(p, "P2", 20);
        tree.Add("Q", 40);
        tree.Project().SetRowViewWidth(160);
        scene.Open(tree.Project());
        scene.SetSize(600, 140);
        scene.SetPeriod(COleDateTime(2024, 4, 1, 0, 0, 0), COleDateTime(2024, 4, 30, 0, 0, 0), 0.0);
    }

    RowTreeBuilder tree;
    ChartScene scene;
    std::int32_t pId = 0;
};

// Where every row, schedule, link and memo of the model lies.
std::vector<GuiRect> Places(const CDisplayModel& model) {
    std::vector<GuiRect> places;
    DisplayTree::ForEachRow(model.GetRows(),
                            [&places](const CGuiRow& row) { places.push_back(row.GetRect()); });
    for (std::size_t i = 0; i < model.GetSchedules().Size(); ++i)
        places.push_back(model.GetSchedules().At(i)->GetRect());
    for (std::size_t i = 0; i < model.GetLinks().Size(); ++i)
        places.push_back(model.GetLinks().At(i)->GetRect());
    for (std::size_t i = 0; i < model.GetMemos().Size(); ++i)
        places.push_back(model.GetMemos().At(i)->GetRect());
    return places;
}

// Opening a plan to show a period, as the window and the picture output do,
// lays it out once: with the period, not also before it.
TEST(ChartSceneOpenTest, OpenedForAPeriodAPlanIsLaidOutOnceAndInTheSamePlaces) {
    ProjectGenerator::Options options;
    options.rows = 30;
    options.schedules = 300;
    options.links = 60;
    options.memos = 6;
    const auto project = ProjectGenerator::Generate(options);
    const COleDateTime from(2024, 4, 1, 0, 0, 0);
    const COleDateTime to(2024, 6, 30, 0, 0, 0);
    const auto show = [&](ChartScene& scene) {
        scene.SetRulerSetting(1);
        scene.SetHeaderWidth(180);
        scene.SetSize(1200, 600);
        scene.SettingsChanged();
        scene.Relayout();
    };
    ChartScene atOnce;
    atOnce.Open(*project);
    EXPECT_FALSE(atOnce.IsAwaitingPeriod());
    show(atOnce);
    atOnce.SetPeriod(from, to, 0.0);

    ChartScene waiting;
    waiting.Open(*project, ChartScene::Placing::kAtSetPeriod);
    const std::uint64_t built = waiting.GetModel().Generation();
    EXPECT_TRUE(waiting.IsAwaitingPeriod());
    show(waiting);
    EXPECT_EQ(waiting.GetModel().Generation(), built) << "nothing laid out before the period";
    waiting.SetPeriod(from, to, 0.0);
    EXPECT_EQ(waiting.GetModel().Generation(), built + 1);
    EXPECT_FALSE(waiting.IsAwaitingPeriod());
    ASSERT_GT(waiting.TotalHeight(), 0);
    EXPECT_EQ(waiting.TotalHeight(), atOnce.TotalHeight());
    EXPECT_EQ(Places(waiting.GetModel()), Places(atOnce.GetModel()));

    // From then on every change lays the plan out again, and so does a plan
    // opened at once after a close.
    waiting.Relayout();
    EXPECT_EQ(waiting.GetModel().Generation(), built + 2);
    waiting.Open(*project, ChartScene::Placing::kAtSetPeriod);
    waiting.Close();
    waiting.Open(*project);
    EXPECT_FALSE(waiting.IsAwaitingPeriod());
}

TEST_F(ChartSceneTest, AClickOnAFoldIconFoldsTheRowAndElsewhereSelectsIt) {
    const int expanded = scene.TotalHeight();
    ASSERT_TRUE(scene.ClickRowHeader(DrawPoint{40, 9})) << "beside the icon";
    EXPECT_FALSE(scene.GetModel().IsFoldedId(pId));
    EXPECT_TRUE(scene.GetModel().IsSelectedId(pId));
    ASSERT_TRUE(scene.ClickRowHeader(DrawPoint{100, 9})) << "a child";
    EXPECT_FALSE(scene.GetModel().IsSelectedId(pId));
    EXPECT_EQ(scene.GetModel().GetSelection().size(), 1u);
    EXPECT_FALSE(scene.ClickRowHeader(DrawPoint{7, 99})) << "below the rows";
    ASSERT_TRUE(scene.ClickRowHeader(DrawPoint{7, 9}));
    EXPECT_TRUE(scene.GetModel().IsFoldedId(pId));
    EXPECT_LT(scene.TotalHeight(), expanded);
    ASSERT_TRUE(scene.ClickRowHeader(DrawPoint{7, 9}));
    EXPECT_EQ(scene.TotalHeight(), expanded);
}

TEST_F(ChartSceneTest, TheVerticalPositionStopsWhereTheContentEndsAtThePageBottom) {
    scene.SetTop(1000);
    EXPECT_EQ(scene.GetTop(), std::max(0, scene.TotalHeight() + 100 - 100));
    const VerticalScroll range = scene.ScrollRange();
    EXPECT_EQ(range.maximum, scene.TotalHeight() + 100);
    EXPECT_EQ(range.page, 100);
}

TEST_F(ChartSceneTest, TheRowHeaderTipIsTheCaptionUnderTheMouseInTheWindowsHeaderWidth) {
    EXPECT_EQ(scene.RowHeaderHintAt(DrawPoint{10, 5}), "P");
    scene.SetTop(scene.TotalHeight() - 50);
    ASSERT_GT(scene.GetTop(), 0);
    EXPECT_EQ(scene.RowHeaderHintAt(DrawPoint{10, scene.TotalHeight() - 5 - scene.GetTop()}), "Q");
    EXPECT_TRUE(scene.RowHeaderHintAt(DrawPoint{10, scene.ChartHeight()}).empty());
    // The window's splitter decides the row header's width, and the chart and
    // the hit tests follow it; without one the project's width applies.
    scene.SetTop(0);
    EXPECT_TRUE(scene.RowHeaderHintAt(DrawPoint{200, 5}).empty());
    scene.SetHeaderWidth(240);
    EXPECT_EQ(scene.RowHeaderHintAt(DrawPoint{200, 5}), "P1");
    EXPECT_EQ(scene.ChartWidth(), 600 - 240);
    EXPECT_EQ(scene.GetRuler().GetWidth(), 600 - 240);
    scene.SetHeaderWidth(0);
    EXPECT_EQ(scene.HeaderWidth(), 160);
    EXPECT_TRUE(scene.RowHeaderHintAt(DrawPoint{200, 5}).empty());
}

TEST_F(ChartSceneTest, ThePlainWheelScrollsDownAndWithShiftIntoLaterDays) {
    const COleDateTime left = scene.GetRuler().XToDate(0);
    ASSERT_TRUE(scene.Wheel(0, -ChartScene::kWheelNotch, false));
    EXPECT_EQ(scene.GetTop(),
              std::min(ChartScene::kWheelPixels, scene.ScrollRange().maximum - 100));
    EXPECT_EQ(scene.GetRuler().GetScrollPosition(), 0);
    ASSERT_TRUE(scene.Wheel(0, -ChartScene::kWheelNotch * 20, true));
    EXPECT_EQ(scene.GetRuler().GetScrollPosition(), ChartScene::kWheelPixels * 20);
    EXPECT_GT(scene.HorizontalRange().maximum, ChartScene::kWheelPixels * 20 + 440)
        << "the period grows past April";
    EXPECT_GT(scene.GetRuler().XToDate(scene.GetRuler().GetScrollPosition()), left);
}

TEST_F(ChartSceneTest, TheApplicationsHolidayRulesAndSettingsReachTheChart) {
    const COleDateTime monday(2024, 4, 8, 0, 0, 0);
    EXPECT_EQ(scene.Holidays().DayMark(monday), 0);
    auto rules = std::make_unique<CHolidayArray>();
    auto rule = std::make_unique<CYmdHoliday>();
    rule->SetYear(2024);
    rule->SetMonth(4);
    rule->SetDay(8);
    rules->Add(std::move(rule));
    CalendarSettings calendar;
    DisplaySettings display;
    ChartScene shared(calendar, display);
    shared.UseSystemRules(std::move(rules));
    EXPECT_EQ(shared.Holidays().DayMark(monday), 1);
    // The scene reads the settings it was given, not a copy.
    calendar.sunday = 0x123456;
    EXPECT_EQ(shared.Holidays().TextColour(COleDateTime(2024, 4, 7, 0, 0, 0)), 0x123456u);
    display.showTotal = true;
    EXPECT_TRUE(shared.Context().ShowTotal());
}

// The session's reference date moves the progress line off today, and its
// temporary bands stand in for the project's until they are taken away.
TEST_F(ChartSceneTest, TheSessionsLineDateAndRulerBandsReachTheChart) {
    scene.SetToday(COleDateTime(2024, 4, 20, 0, 0, 0));
    scene.SetShowLightning(true);
    const auto lineX = [this] {
        RecordingDrawContext dc;
        scene.PaintChart(dc);
        const auto lines = dc.RecordsOf(Op::polyline);
        return lines.empty() ? -1 : lines.back().points.front().x;
    };
    const CRuler& ruler = scene.GetRuler();
    const auto middleOf = [&ruler](int day) {
        return ruler.DateOffsetToX(DateOffset(COleDateTime(2024, 4, day, 0, 0, 0), 5000));
    };
    EXPECT_EQ(lineX(), middleOf(20));
    scene.SetLightningDate(COleDateTime(2024, 4, 10, 0, 0, 0));
    EXPECT_EQ(lineX(), middleOf(10));
    scene.SetLightningDate(COleDateTime::Null());
    EXPECT_EQ(lineX(), middleOf(20));

    scene.SetRulerBands(1, RulerBands{kRulerWeek, 1, kRulerDay, 2});
    scene.SetRulerSetting(1);
    ASSERT_FALSE(ruler.IsBuilt());
    RecordingDrawContext chartFirst;
    scene.PaintChart(chartFirst);
    EXPECT_GT(chartFirst.RecordsOf(Op::line).size(), 30u) << "the grid of every day";
    EXPECT_EQ(ruler.GetUnit(CRuler::Band::upper), kRulerWeek);
    EXPECT_EQ(ruler.GetFormat(CRuler::Band::lower), 2);
    scene.SetRulerSetting(2);
    EXPECT_EQ(ruler.GetUnit(CRuler::Band::upper), kRulerYear) << "only the day chart's";
    scene.SetRulerBands(1, std::nullopt);
    scene.SetRulerSetting(1);
    EXPECT_EQ(ruler.GetUnit(CRuler::Band::upper), kRulerMonth);
}

// The ruler labels nothing past a display period's end, so no scroll or
// jump leaves the chart there without labels or grid.
TEST_F(ChartSceneTest, ADisplayPeriodBoundsEveryScroll) {
    tree.Project().SetDisplayStartDate(COleDateTime(2024, 4, 1, 0, 0, 0));
    tree.Project().SetDisplayEndDate(COleDateTime(2024, 10, 31, 0, 0, 0));
    scene.Open(tree.Project());
    scene.SetRulerSetting(2);
    scene.SetPeriod(COleDateTime(2024, 4, 1, 0, 0, 0), COleDateTime(2024, 10, 31, 0, 0, 0), 4.0);
    const CRuler& ruler = scene.GetRuler();
    scene.ScrollLeftTo(COleDateTime(2026, 12, 6, 0, 0, 0));
    EXPECT_EQ(ruler.GetScrollPosition() + scene.ChartWidth(),
              ruler.DateToX(COleDateTime(2024, 11, 1, 0, 0, 0)));
    RecordingDrawContext dc;
    scene.PaintRuler(dc);
    EXPECT_FALSE(dc.RecordsOf(Op::text).empty());
    EXPECT_EQ(scene.HorizontalRange().maximum, ruler.GetScrollPosition() + scene.ChartWidth())
        << "the bar ends there too";
    scene.ScrollHorizontally(-100000);
    EXPECT_EQ(scene.LeftDate(), COleDateTime(2024, 4, 1, 0, 0, 0));
}

// The cells scroll with the chart; the header stays.
TEST_F(ChartSceneTest, TheColumnCellsScrollWithTheChart) {
    auto column = std::make_unique<CColumn>(tree.Project().NewObjectId());
    column->SetWidth(50);
    column->SetCaption("A");
    const std::string cell = "_c" + std::to_string(column->GetObjectId());
    tree.Project().GetColumns().Add(std::move(column));
    for (int i = 0; i < 5; ++i)
        tree.Add("R" + std::to_string(i), 40).SetParam(cell, "r" + std::to_string(i));
    scene.Open(tree.Project());
    scene.SetSize(600, 140);
    scene.SetTop(100);
    RecordingDrawContext dc;
    scene.PaintColumnCells(dc, 50, 100);
    const auto texts = dc.RecordsOf(Op::text);
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].text, "r0");
    EXPECT_EQ(texts[0].rect, (DrawRect{5, 85 - 100, 50, 120 - 100}));
    EXPECT_EQ(scene.CellRowAt(DrawPoint{10, 25})->GetCaption(), "R1");
    dc.Clear();
    scene.PaintColumnHeader(dc, 50);
    ASSERT_EQ(dc.RecordsOf(Op::text).size(), 1u);
    EXPECT_EQ(dc.RecordsOf(Op::text)[0].rect.top, 0);
    ASSERT_NE(scene.ColumnAt(DrawPoint{20, 10}), nullptr);
    EXPECT_EQ(scene.ColumnAt(DrawPoint{60, 10}), nullptr);
}

TEST_F(ChartSceneTest, TheFilterAndTheCurrentCellCloseWithTheProject) {
    scene.GetModel().Filters().Set(CFilter::kCaptions, {"Q"});
    scene.GetModel().SetCurrentColumn(0);
    scene.Open(tree.Project());
    EXPECT_FALSE(scene.GetModel().Filters().Empty());
    scene.Close();
    EXPECT_TRUE(scene.GetModel().Filters().Empty());
    EXPECT_EQ(scene.GetModel().GetCurrentColumn(), -1);
}

}  // namespace
}  // namespace qb
