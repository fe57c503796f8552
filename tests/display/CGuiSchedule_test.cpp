#include "CGuiSchedule.h"

#include <gtest/gtest.h>

#include "CGuiRow.h"
#include "ChartFixture.h"
#include "RecordingDrawContext.h"
#include "ScheduleDrawPasses.h"
#include "ScheduleHitTest.h"

namespace qb {
namespace {

using Op = RecordingDrawContext::Op;

class CGuiScheduleTest : public ChartFixture {
protected:
    CGuiSchedule& LaidOut(std::size_t index) {
        RebuildAndLayOut();
        return *model_.GetSchedules().At(index);
    }
};

TEST_F(CGuiScheduleTest, BarIsPlacedOnItsRowByDatesAndOffset) {
    AddBar(10, 2, 3, 5);
    const CGuiSchedule& s = LaidOut(0);
    EXPECT_TRUE(s.IsVisible());
    EXPECT_EQ(s.GetLayout().bar, (DrawRect{20, 55, 49, 65}));
    EXPECT_EQ(s.GetRect(), (GuiRect{20, 55, 49, 65}));
    EXPECT_EQ(s.GetLayout().hit, s.GetLayout().bar);
    EXPECT_EQ(s.GetObjectType(), CGuiObject::kSchedule);
}

TEST_F(CGuiScheduleTest, ScheduleBelowItsRowsHeightIsNeitherPlacedNorDrawnNorHit) {
    AddBar(10, 1, 3, 5).SetYOffset(41);
    CGuiSchedule& s = LaidOut(0);
    EXPECT_FALSE(s.IsVisible());
    EXPECT_FALSE(s.HitTest(DrawPoint{25, 45}));
    EXPECT_EQ(s.HitTestHandle(DrawPoint{25, 45}), CGuiObject::kHandleNone);
    RecordingDrawContext dc;
    s.Draw(dc, DrawArgs());
    EXPECT_TRUE(dc.Records().empty());
}

TEST_F(CGuiScheduleTest, ScheduleOfAMissingRowIsNotPlaced) {
    AddBar(10, 99, 3, 5);
    const CGuiSchedule& s = LaidOut(0);
    EXPECT_EQ(s.GetRow(), nullptr);
    EXPECT_FALSE(s.IsVisible());
}

TEST_F(CGuiScheduleTest, HiddenSchedulesAreNotHit) {
    AddBar(10, 1, 3, 5);
    CGuiSchedule& s = LaidOut(0);
    EXPECT_TRUE(s.HitTest(DrawPoint{25, 20}));
    s.SetHidden(true);
    EXPECT_FALSE(s.HitTest(DrawPoint{25, 20}));
}

TEST_F(CGuiScheduleTest, SelectedBarOffersEdgesAndIsHitJustOutsideIt) {
    AddBar(10, 1, 3, 5);
    CGuiSchedule& s = LaidOut(0);
    EXPECT_EQ(s.HitTestHandle(DrawPoint{21, 20}), CGuiObject::kHandleBody);
    s.SetSelected(true);
    EXPECT_EQ(s.HitTestHandle(DrawPoint{21, 20}), CGuiObject::kHandleStart);
    EXPECT_EQ(s.HitTestHandle(DrawPoint{47, 20}), CGuiObject::kHandleEnd);
    EXPECT_EQ(s.HitTestHandle(DrawPoint{18, 20}), CGuiObject::kHandleStart);
    EXPECT_EQ(s.HitTestHandle(DrawPoint{30, 20}), CGuiObject::kHandleBody);
}

TEST_F(CGuiScheduleTest, DrawingMeasuresTheCaptionAndPlacesItBesideTheBar) {
    CSchedule& data = AddBar(10, 1, 3, 5);
    data.SetCaption("abcd");
    data.SetCaptionPosition(2);
    data.SetTextFont(CFontInfo("Sans", 12, 0));
    CGuiSchedule& s = LaidOut(0);
    RecordingDrawContext dc;
    s.Draw(dc, DrawArgs());
    // Four ASCII characters of a 12-pixel font measure 24 by 12.
    EXPECT_EQ(s.GetLayout().caption, (DrawRect{52, 15, 76, 25}));
    const auto texts = dc.RecordsOf(Op::text);
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.back().text, "abcd");
    EXPECT_EQ(texts.back().rect, s.GetLayout().caption);
}

TEST_F(CGuiScheduleTest, SelectionFrameSurroundsTheHitRectangle) {
    AddBar(10, 1, 3, 5).SetHeight(2);
    CGuiSchedule& s = LaidOut(0);
    RecordingDrawContext dc;
    s.DrawSelection(dc, DrawArgs());
    const auto frames = dc.RecordsOf(Op::focusRect);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].rect, (DrawRect{20, 13, 49, 19}));
}

TEST_F(CGuiScheduleTest, PassesDrawAllLabelsThenActualsThenBodiesInArrayOrder) {
    display_.showSpan = true;
    display_.showTerm = false;
    for (std::int32_t id : {10, 11}) {
        CSchedule& data = AddBar(id, 1, 3, 5);
        data.SetActualStartDate(Day(4));
        data.SetActualEndDate(Day(6));
    }
    LaidOut(0);
    std::vector<CGuiSchedule*> schedules{model_.GetSchedules().At(1), model_.GetSchedules().At(0)};
    RecordingDrawContext dc;
    ScheduleDrawPasses::Draw(dc, schedules, DrawArgs());
    std::vector<Op> kinds;
    for (const auto& record : dc.Records()) {
        if (kinds.empty() || kinds.back() != record.op)
            kinds.push_back(record.op);
    }
    // Shoulder labels of both, then each actual line with its labels and
    // connectors, then both bars.
    ASSERT_GE(kinds.size(), 3u);
    EXPECT_EQ(kinds.front(), Op::text);
    EXPECT_EQ(dc.RecordsOf(Op::text).size(), 8u);
    EXPECT_EQ(dc.RecordsOf(Op::fillRect).size(), 2u);
    EXPECT_EQ(kinds.back(), Op::rectangle);
    EXPECT_EQ(dc.Records()[0].text, "3");
    EXPECT_EQ(dc.Records()[4].op, Op::fillRect);
}

TEST_F(CGuiScheduleTest, PassesSkipSchedulesOutsideTheDisplayedDays) {
    AddBar(10, 1, 3, 5);
    AddBar(11, 1, 20, 25);
    LaidOut(0);
    GuiDrawArgs args = DrawArgs();
    args.visible = DrawRect{0, 0, 100, 200};
    RecordingDrawContext dc;
    ScheduleDrawPasses::Draw(dc, {model_.GetSchedules().At(0), model_.GetSchedules().At(1)}, args);
    EXPECT_EQ(dc.RecordsOf(Op::rectangle).size(), 1u);
}

TEST_F(CGuiScheduleTest, LaterSchedulesWinTheHitTest) {
    AddBar(10, 1, 3, 5);
    AddBar(11, 1, 4, 6);
    LaidOut(0);
    const CGuiSchedule* hit =
        ScheduleHitTest::Find(model_.GetSchedules(), DrawPoint{35, 20}, Day(1), Day(31));
    ASSERT_NE(hit, nullptr);
    EXPECT_EQ(hit->GetObjectId(), 11);
    EXPECT_EQ(ScheduleHitTest::Find(model_.GetSchedules(), DrawPoint{35, 20}, Day(10), Day(31)),
              nullptr);
}

TEST_F(CGuiScheduleTest, DeletedSchedulesGetNoDisplayObject) {
    AddBar(10, 1, 3, 5).SetDeleted(true);
    AddBar(11, 1, 3, 5);
    LaidOut(0);
    ASSERT_EQ(model_.GetSchedules().Size(), 1u);
    EXPECT_EQ(model_.GetSchedules().At(0)->GetObjectId(), 11);
}

TEST_F(CGuiScheduleTest, PointScheduleAnchorsOnItsMarker) {
    CSchedule& data = AddBar(10, 1, 3, 3);
    data.SetScheduleType(2);
    data.SetStartOffset(5000);
    CGuiSchedule& s = LaidOut(0);
    EXPECT_EQ(s.GetLayout().bar, (DrawRect{25, 15, 25, 15}));
    EXPECT_EQ(s.AnchorPoint(0, 0), (DrawPoint{20, 10}));
}

}  // namespace
}  // namespace qb

namespace qb {
namespace {

// A parent row (id 1) with two children (2 and 3), 40 pixels each.
class SummaryBarTest : public ::testing::Test {
protected:
    SummaryBarTest() : ruler_(calendar_) {
        ruler_.SetView(310, Day(1), Day(31));
        auto parent = std::make_unique<CRow>(1);
        parent->SetHeight(30);
        for (int id : {2, 3}) {
            auto child = std::make_unique<CRow>(id);
            child->SetHeight(40);
            parent->GetChildren().Add(std::move(child));
        }
        project_.GetRows().Add(std::move(parent));
        AddBar(10, 2, 5, 7);
        AddBar(11, 3, 3, 4);
    }

    void AddBar(std::int32_t id, std::int32_t rowId, int startDay, int endDay) {
        auto schedule = std::make_unique<CSchedule>(id);
        schedule->SetRowObjectId(rowId);
        schedule->SetSubType(1);
        schedule->SetHeight(10);
        schedule->SetStartDate(Day(startDay));
        schedule->SetEndDate(Day(endDay));
        schedule->SetEndOffset(10000);
        project_.GetSchedules().Add(std::move(schedule));
    }

    void Layout(bool summary) {
        model_.Rebuild(project_);
        model_.SetFolded(1, true);
        chart_.ruler = &ruler_;
        chart_.summaryMode = summary;
        model_.Layout(chart_);
    }

    ChartContext chart_;
    CalendarSettings calendar_;
    CRuler ruler_;
    CProject project_;
    CDisplayModel model_;
};

TEST_F(SummaryBarTest, FoldedRowInSummaryModeSpansItsDescendantsSchedules) {
    Layout(true);
    const CGuiRow* parent = model_.FindRow(1);
    ASSERT_NE(parent->GetSummaryBar(), nullptr);
    // From the start of 3 January to the last pixel of 7 January, centred on
    // the 30-pixel row and 16 pixels tall.
    EXPECT_EQ(parent->GetSummaryBar()->GetRect(), (GuiRect{20, 7, 69, 23}));
    EXPECT_FALSE(model_.GetSchedules().At(0)->IsVisible());
}

TEST_F(SummaryBarTest, SummaryBarIsDrawnInTheSummaryColours) {
    Layout(true);
    CGuiObject* bar = model_.FindRow(1)->GetSummaryBar();
    ASSERT_NE(bar, nullptr);
    RecordingDrawContext dc;
    DisplaySettings settings;
    ChartContext chart;
    chart.display = &settings;
    bar->Draw(dc, GuiDrawArgs{chart, DrawRect{}});
    const auto rects = dc.RecordsOf(Op::rectangle);
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(rects[0].rect, (DrawRect{20, 7, 69, 23}));
    EXPECT_EQ(rects[0].state.brush, DrawBrush::Solid(settings.summaryBgColor));
    EXPECT_EQ(rects[0].state.pen.colour, settings.summaryEdgeColor);
}

TEST_F(SummaryBarTest, WithoutSummaryModeThereIsNoSummaryBar) {
    Layout(false);
    EXPECT_EQ(model_.FindRow(1)->GetSummaryBar(), nullptr);
}

}  // namespace
}  // namespace qb
