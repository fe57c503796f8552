#include <gtest/gtest.h>

#include "CCommandHandler.h"
#include "CHolidayArray.h"
#include "ChartScene.h"
#include "CommandIds.h"
#include "DocumentCommands.h"
#include "GuiFixture.h"
#include "HolidayCache.h"
#include "HolidayImport.h"
#include "HolidayRuleValues.h"
#include "MainWindow.h"
#include "ProjectHolidayForm.h"
#include "TestPaths.h"
#include "UndoHistory.h"
#include "dialogs/HolidayImportDialog.h"

#include <QTreeWidget>

namespace qb {
namespace {

// Thursday 6 May 2027, an ordinary working day.
const COleDateTime kFoundingDay(2027, 5, 6, 0, 0, 0);

std::unique_ptr<CHoliday> FoundingDay() {
    HolidayRuleValues values;
    values.name = "創立記念日";
    values.year = 2027;
    values.month = 5;
    values.day = 6;
    return values.ToRule();
}

using ProjectHolidaysTest = GuiFixture;

// The chart and the ruler colour the project's new holiday as soon as the
// editor applies it. Undo and redo bring back the content only: the
// project's own rules stay as they are now, and the chart goes on reading
// them from the project that took the old one's place.
TEST_F(ProjectHolidaysTest, TheChartColoursAnAppliedHolidayAtOnceAndKeepsItAcrossUndo) {
    MainWindow window(status);
    window.show();
    ASSERT_TRUE(status.Commands().Documents().OpenDocument(SampleCopy())) << prompt.LastId();
    ASSERT_TRUE(status.Commands().Execute(cmd::kViewMonth));
    ASSERT_EQ(window.Scene().Holidays().DayMark(kFoundingDay), 0);
    const int rulesBefore = status.GetProject()->GetHolidays().GetCount(true);

    ProjectHolidayForm form(status.Doc(), status.Edit(), prompt);
    form.List().Add(*FoundingDay());
    ASSERT_TRUE(form.Apply());
    EXPECT_EQ(window.Scene().Holidays().DayMark(kFoundingDay), 1);
    EXPECT_EQ(window.Scene().Holidays().DayMark(kFoundingDay.AddDays(1)), 0);
    ASSERT_EQ(status.Undo().UndoCount(), 1u);

    ASSERT_TRUE(status.Commands().Execute(cmd::kUndo));
    ASSERT_NE(status.GetProject(), nullptr);
    EXPECT_EQ(status.GetProject()->GetHolidays().GetCount(true), rulesBefore + 1);
    EXPECT_EQ(window.Scene().Holidays().DayMark(kFoundingDay), 1);
    // Another month is worked out from the rules of the project now shown.
    EXPECT_EQ(window.Scene().Holidays().DayMark(COleDateTime(2027, 6, 1, 0, 0, 0)), 0);

    ASSERT_TRUE(status.Commands().Execute(cmd::kRedo));
    EXPECT_EQ(status.GetProject()->GetHolidays().GetCount(true), rulesBefore + 1);
    EXPECT_EQ(window.Scene().Holidays().DayMark(kFoundingDay), 1);
}

// A company calendar published as an iCalendar file: its days are holidays
// on the chart once the project's editor takes them in and applies them.
TEST_F(ProjectHolidaysTest, HolidaysImportedFromAnICalendarFileAreColouredOnTheChart) {
    MainWindow window(status);
    window.show();
    ASSERT_TRUE(status.Commands().Documents().OpenDocument(SampleCopy())) << prompt.LastId();
    const COleDateTime founding(2027, 6, 15, 0, 0, 0);  // a Tuesday
    const COleDateTime yearEnd(2027, 12, 29, 0, 0, 0);  // a Wednesday
    const COleDateTime pastUntil(2021, 3, 1, 0, 0, 0);  // a Monday after the rule's end
    ASSERT_EQ(window.Scene().Holidays().DayMark(founding), 0);

    ProjectHolidayForm form(status.Doc(), status.Edit(), prompt);
    HolidayImport import(prompt);
    prompt.QueueFile(qb::test::SourcePath("tests/data/ics/holidays.ics"));
    ASSERT_TRUE(import.ChooseAndRead()) << prompt.LastId();
    HolidayImportDialog preview(import);
    EXPECT_EQ(preview.Tree()->topLevelItemCount(), 11);
    const int before = form.List().Count();
    EXPECT_EQ(import.AddTo(form.List()), before);
    ASSERT_TRUE(form.Apply());

    EXPECT_EQ(window.Scene().Holidays().DayMark(founding), 1);
    EXPECT_EQ(window.Scene().Holidays().DayMark(yearEnd), 1);
    EXPECT_EQ(window.Scene().Holidays().DayMark(COleDateTime(2028, 8, 14, 0, 0, 0)), 1);
    EXPECT_EQ(window.Scene().Holidays().DayMark(COleDateTime(2019, 3, 1, 0, 0, 0)), 1);
    EXPECT_EQ(window.Scene().Holidays().DayMark(pastUntil), 0) << "not after its UNTIL";
    EXPECT_EQ(window.Scene().Holidays().DayMark(COleDateTime(2027, 1, 20, 0, 0, 0)), 0)
        << "an event with a time of day is no holiday";
}

}  // namespace
}  // namespace qb
