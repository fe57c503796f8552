#include "ColumnCellText.h"

#include <gtest/gtest.h>

#include "CGuiRow.h"
#include "ColumnTestProject.h"

namespace qb {
namespace {

// One column of every kind 0 to 9, in kind order.
class ColumnCellTextTest : public ::testing::Test {
protected:
    ColumnCellTextTest() {
        for (int kind = 0; kind <= 9; ++kind)
            columns[kind] = &project.AddColumn("k" + std::to_string(kind), 40, kind);
        row = &project.tree.Add("R", 40);
        empty = &project.tree.Add("E", 40);
    }
    std::string Cell(int kind) { return project.Cell(*row, static_cast<std::size_t>(kind)); }

    ColumnTestProject project;
    CColumn* columns[10] = {};
    CRow* row = nullptr;
    CRow* empty = nullptr;
};

// The first schedule in project order answers kinds 1 to 7 even when a
// later one starts earlier; kinds 8 and 9 look at all of them. A row
// without schedules shows empty cells.
TEST_F(ColumnCellTextTest, TwoSchedulesOnARow) {
    CSchedule& first = project.AddSchedule(*row, Day(2024, 5, 10), Day(2024, 5, 14));
    first.SetCaption("first");
    first.SetRemark("note");
    first.SetProgressRate(455);
    first.SetActualStartDate(Day(2024, 5, 11));
    first.SetActualEndDate(Day(2024, 5, 13));
    first.SetActualEndOffset(5000);
    CSchedule& second = project.AddSchedule(*row, Day(2024, 5, 1), Day(2024, 5, 20));
    second.SetCaption("second");
    ColumnTestProject::SetCell(*row, *columns[0], "free");
    project.Build();
    const std::string expected[] = {"free",  "2024/5/10", "2024/5/13", "2024/5/11", "2024/5/13",
                                    "first", "45%",       "note",      "2024/5/1",  "2024/5/19"};
    for (int kind = 0; kind <= 9; ++kind) {
        EXPECT_EQ(Cell(kind), expected[kind]) << "kind " << kind;
        EXPECT_EQ(project.Cell(*empty, static_cast<std::size_t>(kind)), "") << "kind " << kind;
    }
}

TEST_F(ColumnCellTextTest, DeletedSchedulesAndUnsetValuesLeaveNoText) {
    project.AddSchedule(*row, Day(2024, 5, 1), Day(2024, 5, 30)).SetDeleted(true);
    CSchedule& kept = project.AddSchedule(*row, Day(2024, 5, 10), COleDateTime::Null());
    kept.SetProgressRate(-1);
    project.Build();
    EXPECT_EQ(Cell(1), "2024/5/10");
    EXPECT_EQ(Cell(2), "");
    EXPECT_EQ(Cell(3), "");  // a new schedule's actual dates are not set
    EXPECT_EQ(Cell(6), "");
    EXPECT_EQ(Cell(8), "2024/5/10");
    EXPECT_EQ(Cell(9), "2024/5/10");  // no end: the start counts
}

// Without byDay the dates carry their time and the end is not moved back;
// kinds 8 and 9 stay in the date form. By day, an end inside a day is that day.
TEST_F(ColumnCellTextTest, SchedulesByTimeShowTheTimeAndAByDayEndInsideTheDayIsThatDay) {
    CSchedule& timed = project.AddSchedule(*row, Day(2024, 5, 10, 9, 5), Day(2024, 5, 12, 0, 0));
    timed.SetByDay(false);
    project.AddSchedule(*empty, Day(2024, 5, 10), Day(2024, 5, 12)).SetEndOffset(5000);
    project.Build();
    EXPECT_EQ(Cell(1), "2024/5/10 9:05");
    EXPECT_EQ(Cell(2), "2024/5/12 0:00");
    EXPECT_EQ(Cell(8), "2024/5/10");
    EXPECT_EQ(Cell(9), "2024/5/12");
    EXPECT_EQ(project.Cell(*empty, 2), "2024/5/12");
    EXPECT_EQ(project.Cell(*empty, 9), "2024/5/12");
}

TEST(ColumnTotalsTest, KindsTenAndElevenShowTheRowsSecondAndThirdFigures) {
    ColumnTestProject project;
    project.AddColumn("actual", 40, 10);
    project.AddColumn("done", 40, 11);
    CRow& row = project.tree.Add("R", 40);
    CSchedule& schedule = project.AddSchedule(row, Day(2024, 5, 1), Day(2024, 5, 11));
    schedule.SetActualStartDate(Day(2024, 5, 1));
    schedule.SetActualEndDate(Day(2024, 5, 5));
    schedule.SetProgressRate(500);
    project.Build();
    const CGuiRow& gui = *project.model.FindRow(row.GetObjectId());
    EXPECT_GT(gui.GetTotal(1), 0.0);
    char expected[2][32];
    std::snprintf(expected[0], sizeof expected[0], "%.1f", gui.GetTotal(1));
    std::snprintf(expected[1], sizeof expected[1], "%.1f", gui.GetTotal(2));
    EXPECT_EQ(project.Cell(row, 0), expected[0]);
    EXPECT_EQ(project.Cell(row, 1), expected[1]);
    EXPECT_NE(project.Cell(row, 0), project.Cell(row, 1));

    // A filter on such a column compares the counted figure, also right
    // after a rebuild.
    CRow& other = project.tree.Add("other", 40);
    project.model.Filters().Set(project.model.GetColumns().At(0)->GetObjectId(), {expected[0]});
    project.Build();
    EXPECT_TRUE(project.model.FindRow(row.GetObjectId())->IsVisible());
    EXPECT_FALSE(project.model.FindRow(other.GetObjectId())->IsVisible());
}

}  // namespace
}  // namespace qb
