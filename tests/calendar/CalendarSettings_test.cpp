#include "CalendarSettings.h"

#include <gtest/gtest.h>

#include "InMemorySettingsStore.h"

namespace qb {
namespace {

TEST(CalendarSettings, StoredValuesReplaceTheDefaults) {
    InMemorySettingsStore store;
    store.WriteInt("Property", "HolidayOrder", 1);
    store.WriteInt("Property", "SaturdayNH", 5);  // any non-zero value is on
    store.WriteInt("Property", "PaintHoliday", 0);
    store.WriteInt("Property", "Sunday", 0x123456);
    store.WriteInt("Property", "SaturdayB", -1);  // only 24 bits are a colour
    store.WriteInt("Other", "HolidayOrder", 0);
    store.WriteInt("Property", "TotalMode", 2);
    store.WriteInt("Property", "RulerFontSize2", 9);
    store.WriteString("Property", "MasterHoliday", "/etc/holidays.xml");
    CalendarSettings settings;
    settings.Load(store);
    EXPECT_TRUE(settings.holidayOrder);
    EXPECT_TRUE(settings.saturdayNH);
    EXPECT_FALSE(settings.paintHoliday);
    EXPECT_EQ(settings.sunday, 0x123456u);
    EXPECT_EQ(settings.saturdayB, 0xFFFFFFu);
    EXPECT_TRUE(settings.paintToday) << "a missing value keeps its default";
    EXPECT_EQ(settings.totalMode, 2);
    EXPECT_EQ(settings.rulerFontSize2, 9);
    EXPECT_EQ(settings.masterHoliday, "/etc/holidays.xml");
}

TEST(CalendarSettings, CustomEraDateThatIsNotACompactDateStaysUnset) {
    InMemorySettingsStore store;
    for (const char* text : {"", "2030-01-01", "20300230", "abc", "18991230"}) {
        store.WriteString("Property", "Heisei3Date", text);
        CalendarSettings settings;
        settings.Load(store);
        EXPECT_FALSE(settings.HasHeisei3Date()) << text;
        EXPECT_EQ(settings.heisei3Date, COleDateTime()) << text;
    }
}

}  // namespace
}  // namespace qb
