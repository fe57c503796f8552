#include "RowTotals.h"

#include <gtest/gtest.h>

#include "CDisplayModel.h"
#include "CGuiRow.h"
#include "CSchedule.h"
#include "CScheduleArray.h"
#include "DisplaySettings.h"
#include "RowTreeBuilder.h"

namespace qb {
namespace {

COleDateTime Day(int month, int day) {
    return COleDateTime(2011, month, day, 0, 0, 0);
}

// A parent with two overlapping schedules (1 to 5 and 3 to 8 March) and a
// child with one of 10 to 12 March, half done, whose actual bar took a day.
class RowTotalsTest : public ::testing::Test {
protected:
    RowTotalsTest() {
        CRow& parent = tree.Add("parent", 20);
        CRow& child = tree.Child(parent, "child", 20);
        tree.Add("empty", 20);
        parentId = parent.GetObjectId();
        childId = child.GetObjectId();
        Add(parentId, Day(3, 1), Day(3, 5));
        Add(parentId, Day(3, 3), Day(3, 8));
        CSchedule& late = Add(childId, Day(3, 10), Day(3, 12));
        late.SetProgressRate(500);
        late.SetActualStartDate(Day(3, 10));
        late.SetActualEndDate(Day(3, 11));
    }
    CSchedule& Add(std::int32_t row, const COleDateTime& start, const COleDateTime& end) {
        CProject& project = tree.Project();
        auto schedule = std::make_unique<CSchedule>(project.NewObjectId());
        schedule->SetRowObjectId(row);
        schedule->SetStartDate(start);
        schedule->SetEndDate(end);
        CSchedule& added = *schedule;
        project.GetSchedules().Add(std::move(schedule));
        return added;
    }
    void Compute() {
        model.Rebuild(tree.Project());
        RowTotals(settings, nullptr).Compute(model.GetRows(), model.GetSchedules());
    }
    double Total(std::int32_t id, int which) { return model.FindRow(id)->GetTotal(which); }

    RowTreeBuilder tree;
    CDisplayModel model;
    DisplaySettings settings;
    std::int32_t parentId = 0;
    std::int32_t childId = 0;
};

TEST_F(RowTotalsTest, OverlapsOfOneRowCountOnceAndRowsBelowAddUp) {
    Compute();
    EXPECT_DOUBLE_EQ(Total(childId, RowTotals::kPlanned), 2.0);
    EXPECT_DOUBLE_EQ(Total(parentId, RowTotals::kPlanned), 7.0 + 2.0);
    EXPECT_DOUBLE_EQ(Total(childId, RowTotals::kActual), 1.0);
    EXPECT_DOUBLE_EQ(Total(parentId, RowTotals::kActual), 1.0);
    EXPECT_DOUBLE_EQ(Total(childId, RowTotals::kDone), 1.0);
    EXPECT_DOUBLE_EQ(model.GetRows().At(1)->GetTotal(RowTotals::kPlanned), 0.0);
    // The cumulative count adds the overlaps too.
    settings.totalNobe = true;
    Compute();
    EXPECT_DOUBLE_EQ(Total(parentId, RowTotals::kPlanned), 4.0 + 5.0 + 2.0);
}

TEST_F(RowTotalsTest, LayoutFillsThemOnlyWhileTheyAreShown) {
    model.Rebuild(tree.Project());
    ChartContext chart;
    chart.display = &settings;
    model.Layout(chart);
    EXPECT_DOUBLE_EQ(Total(parentId, RowTotals::kPlanned), 0.0);
    settings.showTotal = true;
    model.Layout(chart);
    EXPECT_DOUBLE_EQ(Total(parentId, RowTotals::kPlanned), 9.0);
}

}  // namespace
}  // namespace qb
