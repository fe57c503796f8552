#include "CGuiSchedule.h"

#include <gtest/gtest.h>

#include "CGuiRow.h"
#include "CaptionLayout.h"
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

// A schedule of a missing row gets a display object but no place; a deleted
// one gets none.
TEST_F(CGuiScheduleTest, BarIsPlacedOnItsRowByDatesAndOffset) {
    AddBar(10, 2, 3, 5);
    AddBar(11, 1, 3, 5).SetDeleted(true);
    AddBar(12, 99, 3, 5);
    const CGuiSchedule& s = LaidOut(0);
    EXPECT_TRUE(s.IsVisible());
    EXPECT_EQ(s.GetLayout().bar, (DrawRect{20, 55, 49, 65}));
    EXPECT_EQ(s.GetRect(), (GuiRect{20, 55, 49, 65}));
    ASSERT_EQ(model_.GetSchedules().Size(), 2u);
    const CGuiSchedule& orphan = *model_.GetSchedules().At(1);
    EXPECT_EQ(orphan.GetObjectId(), 12);
    EXPECT_EQ(orphan.GetRow(), nullptr);
    EXPECT_FALSE(orphan.IsVisible());
}

// A rebuild after an edit keeps the display objects of unchanged schedules,
// each as a new one would be, and lays them out again wherever their row or
// the time scale moved; a changed schedule shows its new values.
TEST_F(CGuiScheduleTest, ARebuildKeepsTheUnchangedAndShowsEveryChange) {
    AddBar(10, 1, 3, 5);
    CSchedule& second = AddBar(11, 2, 3, 5);
    AddBar(12, 2, 6, 8);
    RebuildAndLayOut();
    const CGuiSchedule* kept = model_.GetSchedules().At(0);
    model_.GetSchedules().At(0)->SetHidden(true);
    second.SetStartDate(Day(4));
    second.SetCaption("moved");
    RebuildAndLayOut();
    ASSERT_EQ(model_.GetSchedules().At(0), kept);
    EXPECT_FALSE(kept->IsHidden()) << "a kept object starts as a new one";
    EXPECT_EQ(kept->GetLayout().bar, (DrawRect{20, 15, 49, 25}));
    const CGuiSchedule& changed = *model_.GetSchedules().At(1);
    EXPECT_EQ(changed.GetLayout().bar, (DrawRect{30, 55, 49, 65}));
    EXPECT_EQ(changed.GetFields().caption, "moved");
    EXPECT_EQ(model_.FindObject(11), &changed);

    project_.GetRows().At(0)->SetHeight(60);  // the second row moves down
    RebuildAndLayOut();
    EXPECT_EQ(model_.GetSchedules().At(2)->GetLayout().bar, (DrawRect{50, 75, 79, 85}));
    ruler_.SetView(310, Day(2), Day(32));  // the scale moves
    ruler_.Rebuild();
    RebuildAndLayOut();
    CDisplayModel fresh;
    fresh.Rebuild(project_);
    fresh.Layout(chart_);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(model_.GetSchedules().At(i)->GetLayout().bar,
                  fresh.GetSchedules().At(i)->GetLayout().bar)
            << i;
    }
    EXPECT_NE(model_.GetSchedules().At(0)->GetLayout().bar, (DrawRect{20, 15, 49, 25}));

    // Once the first is gone, each position holds another schedule.
    project_.GetSchedules().At(0)->SetDeleted(true);
    RebuildAndLayOut();
    ASSERT_EQ(model_.GetSchedules().Size(), 2u);
    EXPECT_EQ(model_.GetSchedules().At(0)->GetObjectId(), 11);
    EXPECT_EQ(model_.GetSchedules().At(0)->GetLayout().bar,
              fresh.GetSchedules().At(1)->GetLayout().bar);
    EXPECT_EQ(model_.GetSchedules().At(1)->GetObjectId(), 12);
    EXPECT_EQ(model_.FindObject(10), nullptr);

    // A row that shrinks below the offset of the schedules on it, its top
    // where it was, takes them no more.
    project_.GetRows().At(1)->SetHeight(12);
    RebuildAndLayOut();
    EXPECT_FALSE(model_.GetSchedules().At(0)->IsVisible());
    EXPECT_FALSE(model_.GetSchedules().At(1)->IsVisible());
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

TEST_F(CGuiScheduleTest, SelectedBarOffersEdgesAndIsHitJustOutsideIt) {
    AddBar(10, 1, 3, 5);
    CGuiSchedule& s = LaidOut(0);
    EXPECT_EQ(s.HitTestHandle(DrawPoint{21, 20}), CGuiObject::kHandleBody);
    s.SetSelected(true);
    EXPECT_EQ(s.HitTestHandle(DrawPoint{21, 20}), CGuiObject::kHandleStart);
    EXPECT_EQ(s.HitTestHandle(DrawPoint{47, 20}), CGuiObject::kHandleEnd);
    EXPECT_EQ(s.HitTestHandle(DrawPoint{18, 20}), CGuiObject::kHandleStart);
    EXPECT_EQ(s.HitTestHandle(DrawPoint{30, 20}), CGuiObject::kHandleBody);
    s.SetHidden(true);
    EXPECT_FALSE(s.HitTest(DrawPoint{25, 20}));
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

    // A layout that keeps the bar leaves the caption to the next draw's
    // measure, as a new layout does; the draw then places it as before.
    const DrawRect unmeasured = CaptionLayout::Place(s.GetFields(), s.GetLayout().bar, DrawSize{});
    RebuildAndLayOut();
    ASSERT_EQ(model_.GetSchedules().At(0), &s);
    EXPECT_EQ(s.GetLayout().caption, unmeasured);
    s.Draw(dc, DrawArgs());
    EXPECT_EQ(s.GetLayout().caption, (DrawRect{52, 15, 76, 25}));
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

// The fixture's two rows as children of a folded parent (id 3, 30 pixels).
class SummaryBarTest : public ChartFixture {
protected:
    SummaryBarTest() {
        auto parent = std::make_unique<CRow>(3);
        parent->SetHeight(30);
        for (int id : {1, 2}) {
            auto child = std::make_unique<CRow>(id);
            child->SetHeight(40);
            parent->GetChildren().Add(std::move(child));
        }
        project_.GetRows().DeleteAll();
        project_.GetRows().Add(std::move(parent));
        AddBar(10, 1, 5, 7);
        AddBar(11, 2, 3, 4);
    }

    void Layout(bool summary) {
        model_.Rebuild(project_);
        model_.SetFolded(3, true);
        chart_.summaryMode = summary;
        model_.Layout(chart_);
    }
};

TEST_F(SummaryBarTest, FoldedRowInSummaryModeSpansItsDescendantsSchedules) {
    Layout(true);
    const CGuiRow* parent = model_.FindRow(3);
    ASSERT_NE(parent->GetSummaryBar(), nullptr);
    // From the start of 3 January to the last pixel of 7 January, centred on
    // the 30-pixel row and 16 pixels tall.
    EXPECT_EQ(parent->GetSummaryBar()->GetRect(), (GuiRect{20, 7, 69, 23}));
    EXPECT_FALSE(model_.GetSchedules().At(0)->IsVisible());
    Layout(false);
    EXPECT_EQ(model_.FindRow(3)->GetSummaryBar(), nullptr);
    Layout(true);
    chart_.summaryMode = false;
    model_.Layout(chart_);  // without a rebuild between
    EXPECT_EQ(model_.FindRow(3)->GetSummaryBar(), nullptr);
}

}  // namespace
}  // namespace qb
