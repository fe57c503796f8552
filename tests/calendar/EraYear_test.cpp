#include "EraYear.h"

#include <gtest/gtest.h>

#include "CalendarSettings.h"
#include "InMemorySettingsStore.h"

namespace qb {
namespace {

const EraYear kNoCustomEra;

TEST(EraYear, YearsBeforeShowaAreWrittenAsTheyAre) {
    EXPECT_EQ(kNoCustomEra.LongForm(1925, 12), "1925");
    EXPECT_EQ(kNoCustomEra.ShortForm(1925, 12), "1925");
    EXPECT_EQ(kNoCustomEra.LongForm(1900, 1), "1900");
}

TEST(EraYear, ShowaCoversAllOf1926To1988) {
    EXPECT_EQ(kNoCustomEra.LongForm(1926, 1), "昭和元");
    EXPECT_EQ(kNoCustomEra.ShortForm(1926, 1), "S1");
    EXPECT_EQ(kNoCustomEra.LongForm(1927, 6), "昭和2");
    EXPECT_EQ(kNoCustomEra.LongForm(1988, 12), "昭和63");
    EXPECT_EQ(kNoCustomEra.ShortForm(1988, 12), "S63");
}

TEST(EraYear, HeiseiBeginsWith1989AndEndsWithApril2019) {
    EXPECT_EQ(kNoCustomEra.LongForm(1989, 1), "平成元");
    EXPECT_EQ(kNoCustomEra.ShortForm(1989, 1), "H1");
    EXPECT_EQ(kNoCustomEra.LongForm(2017, 2), "平成29");
    EXPECT_EQ(kNoCustomEra.ShortForm(2017, 2), "H29");
    EXPECT_EQ(kNoCustomEra.LongForm(2019, 4), "平成31");
    EXPECT_EQ(kNoCustomEra.ShortForm(2019, 4), "H31");
}

TEST(EraYear, ReiwaBeginsWithMay2019) {
    EXPECT_EQ(kNoCustomEra.LongForm(2019, 5), "令和元");
    EXPECT_EQ(kNoCustomEra.ShortForm(2019, 5), "R1");
    EXPECT_EQ(kNoCustomEra.LongForm(2020, 1), "令和2");
    EXPECT_EQ(kNoCustomEra.ShortForm(2045, 12), "R27");
}

TEST(EraYear, CustomEraTakesOverFromItsStartMonth) {
    const EraYear eras("新元号", "N", COleDateTime(2030, 1, 1, 0, 0, 0));
    EXPECT_EQ(eras.LongForm(2029, 12), "令和11");
    EXPECT_EQ(eras.ShortForm(2029, 12), "R11");
    EXPECT_EQ(eras.LongForm(2030, 1), "新元号元");
    EXPECT_EQ(eras.ShortForm(2030, 1), "N1");
    EXPECT_EQ(eras.LongForm(2031, 1), "新元号2");
    EXPECT_EQ(eras.ShortForm(2031, 7), "N2");
}

TEST(EraYear, CustomEraStartingMidYearGoesByMonthInItsFirstYear) {
    const EraYear eras("新元号", "N", COleDateTime(2030, 7, 15, 0, 0, 0));
    EXPECT_EQ(eras.LongForm(2030, 6), "令和12");
    EXPECT_EQ(eras.LongForm(2030, 7), "新元号元");
    EXPECT_EQ(eras.LongForm(2031, 1), "新元号2");
}

TEST(EraYear, CustomEraNeverReachesBackBeforeReiwa) {
    const EraYear eras("新元号", "N", COleDateTime(2019, 1, 1, 0, 0, 0));
    EXPECT_EQ(eras.LongForm(2019, 4), "平成31");
    EXPECT_EQ(eras.LongForm(2019, 5), "新元号元");
    EXPECT_FALSE(eras.IsCustomEraInForce(2019, 4));
}

TEST(EraYear, CustomEraNeedsANameAndAStartDay) {
    EXPECT_EQ(EraYear("", "N", COleDateTime(2030, 1, 1, 0, 0, 0)).LongForm(2031, 1), "令和13");
    EXPECT_EQ(EraYear("新元号", "N", COleDateTime()).LongForm(2031, 1), "令和13");
    EXPECT_EQ(EraYear("新元号", "N", COleDateTime::Invalid()).LongForm(2031, 1), "令和13");
}

TEST(EraYear, CustomEraWithoutShortNameShowsTheBareNumber) {
    const EraYear eras("新元号", "", COleDateTime(2030, 1, 1, 0, 0, 0));
    EXPECT_EQ(eras.ShortForm(2032, 1), "3");
}

TEST(EraYear, SettingsSplitTheNameAtTheFirstComma) {
    InMemorySettingsStore store;
    store.WriteString(CalendarSettings::kSection, "Heisei3", "新元号,N,X");
    store.WriteString(CalendarSettings::kSection, "Heisei3Date", "20300101");
    CalendarSettings settings;
    settings.Load(store);
    const EraYear eras = EraYear::FromSettings(settings);
    EXPECT_EQ(eras.LongForm(2030, 1), "新元号元");
    EXPECT_EQ(eras.ShortForm(2031, 1), "N,X2");
}

TEST(EraYear, SettingsWithADamagedStartDayLeaveReiwaInForce) {
    InMemorySettingsStore store;
    store.WriteString(CalendarSettings::kSection, "Heisei3", "新元号,N");
    store.WriteString(CalendarSettings::kSection, "Heisei3Date", "20301301");
    CalendarSettings settings;
    settings.Load(store);
    EXPECT_EQ(EraYear::FromSettings(settings).LongForm(2040, 1), "令和22");
}

}  // namespace
}  // namespace qb
