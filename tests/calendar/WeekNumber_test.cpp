#include "WeekNumber.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

COleDateTime Date(int year, int month, int day) {
    return COleDateTime(year, month, day, 0, 0, 0);
}

// Walks every Monday from 1999 to 2036 and numbers the weeks by counting:
// week 1 where the rule starts a year (the Monday on the 2nd to the 8th of
// January, or of April for fiscal weeks), one more than the week before
// elsewhere, so a Monday on 1 January or 1 April closes the year before.
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
    EXPECT_EQ(WeekNumber::Calendar(COleDateTime::Invalid()), 0);
    EXPECT_EQ(WeekNumber::Fiscal(COleDateTime::Null()), 0);
}

}  // namespace
}  // namespace qb
