#include "WeekNumber.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

COleDateTime Date(int year, int month, int day) {
    return COleDateTime(year, month, day, 0, 0, 0);
}

TEST(WeekNumber, CalendarWeeksAroundTheNewYearOf2018) {
    EXPECT_EQ(WeekNumber::Calendar(Date(2017, 12, 25)), 52);
    // 1 January 2018 is a Monday: its week closes 2017.
    EXPECT_EQ(WeekNumber::Calendar(Date(2018, 1, 1)), 53);
    EXPECT_EQ(WeekNumber::Calendar(Date(2018, 1, 8)), 1);
    EXPECT_EQ(WeekNumber::Calendar(Date(2018, 1, 15)), 2);
}

TEST(WeekNumber, CalendarWeeksAtTheStartOf2017) {
    EXPECT_EQ(WeekNumber::Calendar(Date(2016, 12, 26)), 52);
    EXPECT_EQ(WeekNumber::Calendar(Date(2017, 1, 2)), 1);
    EXPECT_EQ(WeekNumber::Calendar(Date(2017, 1, 9)), 2);
}

TEST(WeekNumber, FiscalWeeksAroundApril2019) {
    // 1 April 2019 is a Monday: its week closes fiscal 2018.
    EXPECT_EQ(WeekNumber::Fiscal(Date(2019, 3, 25)), 52);
    EXPECT_EQ(WeekNumber::Fiscal(Date(2019, 4, 1)), 53);
    EXPECT_EQ(WeekNumber::Fiscal(Date(2019, 4, 8)), 1);
    EXPECT_EQ(WeekNumber::Fiscal(Date(2019, 4, 15)), 2);
}

TEST(WeekNumber, AFiscalWeekStartingOnNewYearsDayCountsInTheFiscalYearBefore) {
    // Monday 1 January 2018: fiscal 2017 began on 1 April 2017 and its week 1
    // started on Monday 3 April.
    EXPECT_EQ(WeekNumber::Fiscal(Date(2017, 4, 3)), 1);
    EXPECT_EQ(WeekNumber::Fiscal(Date(2018, 1, 1)), 40);
    EXPECT_EQ(WeekNumber::Fiscal(Date(2018, 1, 8)), 41);
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

TEST(WeekNumber, CalendarWeeksCountUpWithoutGapsFrom2000To2035) {
    ExpectCountedWeeks(&WeekNumber::Calendar, 1);
}

TEST(WeekNumber, FiscalWeeksCountUpWithoutGapsFrom2000To2035) {
    ExpectCountedWeeks(&WeekNumber::Fiscal, 4);
}

TEST(WeekNumber, LastWeeksOfTheYearsAre52Or53) {
    int fiftyThree = 0;
    for (int year = 2000; year <= 2035; ++year) {
        COleDateTime monday = Date(year + 1, 1, 8);
        monday = monday.AddDays(-((monday.GetDayOfWeek() + 5) % 7));  // Monday on 2..8 January
        const int last = WeekNumber::Calendar(monday.AddDays(-7));
        EXPECT_TRUE(last == 52 || last == 53) << year;
        fiftyThree += last == 53 ? 1 : 0;
    }
    EXPECT_GT(fiftyThree, 0);
}

TEST(WeekNumber, DaysThatAreNotValidHaveNoWeek) {
    EXPECT_EQ(WeekNumber::Calendar(COleDateTime::Invalid()), 0);
    EXPECT_EQ(WeekNumber::Fiscal(COleDateTime::Null()), 0);
}

}  // namespace
}  // namespace qb
