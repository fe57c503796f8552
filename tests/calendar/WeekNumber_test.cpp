#include "WeekNumber.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

COleDateTime Date(int year, int month, int day) {
    return COleDateTime(year, month, day, 0, 0, 0);
}

// 1 January 2018 and 1 April 2019 are Mondays: their weeks close the year
// before. Fiscal 2017 began on 1 April 2017, its week 1 on Monday 3 April,
// and a fiscal week starting on New Year's Day still counts in it.
TEST(WeekNumber, WeeksAroundTheStartsOfCalendarAndFiscalYears) {
    struct Case {
        int (*number)(const COleDateTime&);
        COleDateTime day;
        int week;
    };
    const Case cases[] = {
        {WeekNumber::Calendar, Date(2017, 12, 25), 52},
        {WeekNumber::Calendar, Date(2018, 1, 1), 53},
        {WeekNumber::Calendar, Date(2018, 1, 8), 1},
        {WeekNumber::Fiscal, Date(2019, 4, 1), 53},
        {WeekNumber::Fiscal, Date(2019, 4, 8), 1},
        {WeekNumber::Fiscal, Date(2017, 4, 3), 1},
        {WeekNumber::Fiscal, Date(2018, 1, 1), 40},
        {WeekNumber::Fiscal, Date(2018, 1, 8), 41},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.number(c.day), c.week)
            << (c.number == WeekNumber::Fiscal ? "fiscal " : "") << c.day.GetYear() << "/"
            << c.day.GetMonth() << "/" << c.day.GetDay();
    EXPECT_EQ(WeekNumber::Calendar(COleDateTime::Invalid()), 0);
    EXPECT_EQ(WeekNumber::Fiscal(COleDateTime::Null()), 0);
}

// Walks every Monday from 1999 to 2036 and numbers the weeks by counting:
// week 1 where the rule starts a year, one more than the week before elsewhere.
void ExpectCountedWeeks(int (*number)(const COleDateTime&), int firstMonth) {
    COleDateTime monday = Date(1999, 1, 4);
    int counted = 1;
    bool counting = false;
    while (monday.GetYear() < 2036) {
        const bool startsYear =
            monday.GetMonth() == firstMonth && monday.GetDay() >= 2 && monday.GetDay() <= 8;
        counted = startsYear ? 1 : counted + 1;
        counting = counting || startsYear;
        if (counting && monday.GetYear() >= 2000) {
            ASSERT_EQ(number(monday), counted)
                << monday.GetYear() << "/" << monday.GetMonth() << "/" << monday.GetDay();
            EXPECT_LE(counted, 53);
        }
        monday = monday.AddDays(7);
    }
}

TEST(WeekNumber, WeeksCountUpWithoutGapsFrom2000To2035) {
    ExpectCountedWeeks(&WeekNumber::Calendar, 1);
    ExpectCountedWeeks(&WeekNumber::Fiscal, 4);
}

}  // namespace
}  // namespace qb
