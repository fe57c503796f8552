#include "EraYear.h"

#include <gtest/gtest.h>

#include "CalendarSettings.h"
#include "InMemorySettingsStore.h"

namespace qb {
namespace {

COleDateTime Day(int year, int month, int day) {
    return COleDateTime(year, month, day, 0, 0, 0);
}

struct Form {
    int year;
    int month;
    const char* longForm;
    const char* shortForm;
};

void ExpectForms(const EraYear& eras, std::initializer_list<Form> forms) {
    for (const Form& f : forms) {
        EXPECT_EQ(eras.LongForm(f.year, f.month), f.longForm) << f.year << "/" << f.month;
        EXPECT_EQ(eras.ShortForm(f.year, f.month), f.shortForm) << f.year << "/" << f.month;
    }
}

TEST(EraYear, EachEraRunsFromItsFirstMonthWithTheFirstYearCalledGan) {
    ExpectForms(EraYear(), {{1900, 1, "1900", "1900"},
                            {1925, 12, "1925", "1925"},
                            {1926, 1, "昭和元", "S1"},
                            {1988, 12, "昭和63", "S63"},
                            {1989, 1, "平成元", "H1"},
                            {2019, 4, "平成31", "H31"},
                            {2019, 5, "令和元", "R1"},
                            {2045, 12, "令和27", "R27"}});
}

TEST(EraYear, ACustomEraTakesOverFromItsStartMonthButNeverBeforeReiwa) {
    ExpectForms(
        EraYear("新元号", "N", Day(2030, 1, 1)),
        {{2029, 12, "令和11", "R11"}, {2030, 1, "新元号元", "N1"}, {2031, 7, "新元号2", "N2"}});
    // Starting mid-year it goes by month in its first year.
    ExpectForms(EraYear("新元号", "N", Day(2030, 7, 15)),
                {{2030, 6, "令和12", "R12"}, {2030, 7, "新元号元", "N1"}});
    const EraYear early("新元号", "N", Day(2019, 1, 1));
    ExpectForms(early, {{2019, 4, "平成31", "H31"}, {2019, 5, "新元号元", "N1"}});
    EXPECT_FALSE(early.IsCustomEraInForce(2019, 4));
    ExpectForms(EraYear("新元号", "", Day(2030, 1, 1)), {{2032, 1, "新元号3", "3"}});
}

TEST(EraYear, ACustomEraNeedsANameAndAStartDay) {
    for (const EraYear& eras :
         {EraYear("", "N", Day(2030, 1, 1)), EraYear("新元号", "N", COleDateTime()),
          EraYear("新元号", "N", COleDateTime::Invalid())})
        EXPECT_EQ(eras.LongForm(2031, 1), "令和13");
}

TEST(EraYear, SettingsSplitTheNameAtTheFirstCommaAndADamagedDayLeavesReiwa) {
    InMemorySettingsStore store;
    store.WriteString(CalendarSettings::kSection, "Heisei3", "新元号,N,X");
    store.WriteString(CalendarSettings::kSection, "Heisei3Date", "20300101");
    CalendarSettings settings;
    settings.Load(store);
    ExpectForms(EraYear::FromSettings(settings), {{2031, 1, "新元号2", "N,X2"}});
    store.WriteString(CalendarSettings::kSection, "Heisei3Date", "20301301");
    settings.Load(store);
    EXPECT_EQ(EraYear::FromSettings(settings).LongForm(2040, 1), "令和22");
}

}  // namespace
}  // namespace qb
