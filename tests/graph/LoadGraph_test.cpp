#include "LoadGraph.h"

#include <gtest/gtest.h>

#include <vector>

#include "CGuiSchedule.h"
#include "ChartFixture.h"

namespace qb {
namespace {

// The fixture's chart: 10 pixels a day from 1 January 2024, 310 pixels wide.
class LoadGraphTest : public ChartFixture {
protected:
    CSchedule& AddWeighted(std::int32_t id, std::int32_t rowId, int startDay, int endDay,
                           int weight) {
        CSchedule& schedule = AddBar(id, rowId, startDay, endDay);
        schedule.SetWeight(weight);
        return schedule;
    }

    std::vector<std::int32_t> Columns(const LoadBuffer& buffer, int from, int to) const {
        std::vector<std::int32_t> sums;
        for (int x = from; x <= to; ++x)
            sums.push_back(buffer.At(x));
        return sums;
    }

    LoadGraph graph_;
};

TEST_F(LoadGraphTest, OverlappingWeightsOfThreeAndFourGiveSevenOverTheOverlap) {
    AddWeighted(10, 1, 2, 3, 3);  // pixels 10..29
    AddWeighted(11, 2, 3, 4, 4);  // pixels 20..39
    RebuildAndLayOut();
    const LoadBuffer* buffer = graph_.Recompute(model_, ruler_, false);
    ASSERT_NE(buffer, nullptr);
    EXPECT_EQ(buffer->First(), 0);
    EXPECT_EQ(buffer->Last(), 310);
    EXPECT_EQ(Columns(*buffer, 9, 11), (std::vector<std::int32_t>{0, 3, 3}));
    EXPECT_EQ(Columns(*buffer, 19, 21), (std::vector<std::int32_t>{3, 7, 7}));
    EXPECT_EQ(Columns(*buffer, 29, 30), (std::vector<std::int32_t>{7, 4}));
    EXPECT_EQ(Columns(*buffer, 39, 40), (std::vector<std::int32_t>{4, 0}));
}

TEST_F(LoadGraphTest, APointScheduleAndABarOnOnePixelAddToOneColumn) {
    CSchedule& point = AddWeighted(10, 1, 5, 9, 2);
    point.SetScheduleType(1);
    // Start and end in the same pixel of day 8.
    CSchedule& narrow = AddWeighted(11, 2, 8, 8, 5);
    narrow.SetStartOffset(5000);
    narrow.SetEndOffset(5100);
    RebuildAndLayOut();
    const LoadBuffer* buffer = graph_.Recompute(model_, ruler_, false);
    ASSERT_NE(buffer, nullptr);
    EXPECT_EQ(Columns(*buffer, 39, 41), (std::vector<std::int32_t>{0, 2, 0}));
    EXPECT_EQ(Columns(*buffer, 74, 76), (std::vector<std::int32_t>{0, 5, 0}));
}

TEST_F(LoadGraphTest, ScrollingMovesTheWindowAndAnEditIsSeenAtTheNextRecompute) {
    CSchedule& bar = AddWeighted(10, 1, 10, 12, 3);  // pixels 90..119
    RebuildAndLayOut();
    ruler_.SetScrollPosition(100);
    const LoadBuffer* buffer = graph_.Recompute(model_, ruler_, false);
    ASSERT_NE(buffer, nullptr);
    EXPECT_EQ(buffer->First(), 100);
    EXPECT_EQ(Columns(*buffer, 18, 20), (std::vector<std::int32_t>{3, 3, 0}));

    bar.SetWeight(6);
    bar.SetEndDate(Day(13));
    RebuildAndLayOut();
    buffer = graph_.Recompute(model_, ruler_, false);
    ASSERT_NE(buffer, nullptr);
    EXPECT_EQ(Columns(*buffer, 28, 30), (std::vector<std::int32_t>{6, 6, 0}));

    // A new scale places the bars again without a new layout.
    ruler_.SetScale(20.0);
    buffer = graph_.Recompute(model_, ruler_, false);
    ASSERT_NE(buffer, nullptr);
    EXPECT_EQ(Columns(*buffer, 79, 81), (std::vector<std::int32_t>{0, 6, 6}));
}

TEST_F(LoadGraphTest, ShownOnlyLeavesOutSchedulesOfHiddenRowsAndHiddenOnesCountNever) {
    AddWeighted(10, 1, 1, 1, 3);
    AddWeighted(11, 2, 1, 1, 4);
    model_.Rebuild(project_);
    model_.HideRow(2);
    model_.Layout(chart_);
    EXPECT_EQ(graph_.Recompute(model_, ruler_, false)->At(0), 7);
    EXPECT_EQ(graph_.Recompute(model_, ruler_, true)->At(0), 3);
    const TimeScale& scale = ruler_.GetTimeScale();
    EXPECT_EQ(LoadGraph::Compute(model_, scale, 0, 10, true)->At(0), 3);
    // A schedule a drag hides: left out of a page's sums; the window's graph
    // keeps it for the drag's own spans to move.
    model_.GetSchedules().At(0)->SetHidden(true);
    EXPECT_EQ(LoadGraph::Compute(model_, scale, 0, 10, false)->At(0), 4);
    EXPECT_EQ(graph_.Recompute(model_, ruler_, false)->At(0), 7);
    const LoadSpan out{0, 0, -3};
    EXPECT_EQ(graph_.Recompute(model_, ruler_, false, {&out, 1})->At(0), 4);
}

// The window's graph reads the bars the layout placed; the sums must be
// those of the dates, for bars, points, times of day and offsets at an
// uneven scale, and for a schedule on a hidden row that has no bar.
TEST_F(LoadGraphTest, PlacedBarsGiveTheSameSumsAsTheDates) {
    ruler_.SetScale(7.3);
    AddWeighted(10, 1, 2, 5, 3).SetStartOffset(2500);
    AddWeighted(11, 1, 4, 4, 5).SetScheduleType(1);
    CSchedule& timed = AddWeighted(12, 1, 6, 7, 2);
    timed.SetByDay(false);
    timed.SetStartDate(COleDateTime(2024, 1, 6, 9, 30, 0));
    timed.SetEndDate(COleDateTime(2024, 1, 7, 17, 0, 0));
    AddWeighted(13, 2, 3, 9, 4);
    model_.Rebuild(project_);
    model_.HideRow(2);
    model_.Layout(chart_);
    const TimeScale& scale = ruler_.GetTimeScale();
    const auto fromDates =
        LoadBuffer::Sum(LoadGraph::Collect(model_.GetSchedules(), scale, false),
                        ruler_.GetScrollPosition(), ruler_.GetScrollPosition() + ruler_.GetWidth());
    ASSERT_TRUE(fromDates.has_value());
    const LoadBuffer* buffer = graph_.Recompute(model_, ruler_, false);
    ASSERT_NE(buffer, nullptr);
    EXPECT_EQ(buffer->Entries(), fromDates->Entries());
    EXPECT_EQ(buffer->At(scale.DateToX(Day(8))), 4) << "the hidden row's schedule counts";
    EXPECT_EQ(LoadGraph::Compute(model_, scale, 0, 310, false)->Entries(), fromDates->Entries());
}

TEST_F(LoadGraphTest, NoBufferWhileTheChartHasNoWidth) {
    AddWeighted(10, 1, 1, 1, 3);
    RebuildAndLayOut();
    ruler_.SetWidth(0);
    EXPECT_EQ(graph_.Recompute(model_, ruler_, false), nullptr);
    EXPECT_EQ(graph_.Buffer(), nullptr);
}

}  // namespace
}  // namespace qb
