#include "AppSettings.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "AppEnvironment.h"
#include "InMemorySettingsStore.h"

namespace qb {
namespace {

constexpr const char* kProperty = "Property";

AppEnvironment Environment(std::string user = "taro") {
    AppEnvironment environment;
    environment.programFolder = "/opt/qb/";
    environment.dataHome = "/home/taro/.local/share";
    environment.userName = std::move(user);
    return environment;
}

AppSettings Loaded(const InMemorySettingsStore& store, const AppEnvironment& environment) {
    AppSettings settings;
    settings.Load(store, environment);
    return settings;
}

TEST(AppSettingsTest, UnsetUserNameBecomesTheLoggedOnUserButEmptyStaysEmpty) {
    InMemorySettingsStore store;
    store.WriteString(kProperty, "UserName", "`");
    EXPECT_EQ(Loaded(store, Environment()).userName, "taro");
    EXPECT_EQ(Loaded(store, Environment("")).userName, "User");

    store.WriteString(kProperty, "UserName", "");
    EXPECT_EQ(Loaded(store, Environment()).userName, "");
    store.WriteString(kProperty, "UserName", "山田");
    EXPECT_EQ(Loaded(store, Environment()).userName, "山田");
}

// Never written while never on; switched off after being on, it stays off.
TEST(AppSettingsTest, UseGuiFontForPrintIsWrittenOnceItHasBeenOn) {
    InMemorySettingsStore store;
    AppSettings settings = Loaded(store, Environment());
    settings.Save(store);
    EXPECT_FALSE(store.ReadInt(kProperty, "UseGuiFontForPrint").has_value());

    settings.useGuiFontForPrint = true;
    settings.Save(store);
    EXPECT_TRUE(Loaded(store, Environment()).useGuiFontForPrint);
    settings.useGuiFontForPrint = false;
    settings.Save(store);
    EXPECT_FALSE(Loaded(store, Environment()).useGuiFontForPrint);
}

TEST(AppSettingsTest, CustomizedIsWrittenOnlyWhileItHoldsACode) {
    InMemorySettingsStore store;
    AppSettings settings = Loaded(store, Environment());
    settings.customized = 7;
    settings.Save(store);
    EXPECT_FALSE(store.ReadInt(kProperty, "Customized").has_value());

    settings.customized = AppSettings::kCustomizedOn;
    settings.Save(store);
    const AppSettings loaded = Loaded(store, Environment());
    EXPECT_EQ(loaded.customized, AppSettings::kCustomizedOn);
    EXPECT_TRUE(loaded.CsvCopyOnSave());
}

TEST(AppSettingsTest, HeiseiSuccessorRoundTripsAndAnUnparsableDateIsWrittenEmpty) {
    InMemorySettingsStore store;
    store.WriteString(kProperty, "Heisei3", "令和,R");
    store.WriteString(kProperty, "Heisei3Date", "20190501");
    AppSettings settings = Loaded(store, Environment());
    EXPECT_EQ(settings.calendar.heisei3Name, "令和");
    EXPECT_EQ(settings.calendar.heisei3Abbreviation, "R");
    EXPECT_EQ(settings.calendar.heisei3Date, COleDateTime(2019, 5, 1, 0, 0, 0));
    InMemorySettingsStore saved;
    settings.Save(saved);
    EXPECT_EQ(saved.ReadString(kProperty, "Heisei3"), "令和,R");
    EXPECT_EQ(saved.ReadString(kProperty, "Heisei3Date"), "20190501");

    store.WriteString(kProperty, "Heisei3", "");
    store.WriteString(kProperty, "Heisei3Date", "2019/13/40");
    settings = Loaded(store, Environment());
    EXPECT_FALSE(settings.calendar.HasHeisei3Date());
    settings.Save(store);
    EXPECT_EQ(store.ReadString(kProperty, "Heisei3Date"), "");
}

TEST(AppSettingsTest, MasterHolidayMarkerSurvivesASaveButAChosenFileIsKept) {
    InMemorySettingsStore store;
    AppSettings settings = Loaded(store, Environment());
    EXPECT_EQ(settings.calendar.masterHoliday, "/opt/qb/Holidays.xml");
    settings.Save(store);
    EXPECT_EQ(store.ReadString(kProperty, "MasterHoliday"), "`");

    settings.calendar.masterHoliday = "/srv/rules.xml";
    settings.Save(store);
    EXPECT_EQ(Loaded(store, Environment()).calendar.masterHoliday, "/srv/rules.xml");
}

TEST(AppSettingsTest, ChangedValuesOfEveryGroupRoundTrip) {
    InMemorySettingsStore store;
    AppSettings settings = Loaded(store, Environment());
    settings.fitY = false;
    settings.defFile = "/home/taro/plan.qbd";
    settings.display.guiFont = "IPAexGothic";
    settings.calendar.sundayB = 0x010203;
    settings.recycledSchedule["Height"] = 18;
    settings.htmlCss = "\t\ttd {color: red;}\r\n\t\tth {}\r\n";
    settings.Save(store);

    const AppSettings loaded = Loaded(store, Environment());
    EXPECT_FALSE(loaded.fitY);
    EXPECT_EQ(loaded.defFile, "/home/taro/plan.qbd");
    EXPECT_EQ(loaded.display.guiFont, "IPAexGothic");
    EXPECT_EQ(loaded.calendar.sundayB, 0x010203u);
    EXPECT_EQ(loaded.recycledSchedule.at("Height"), 18);
    EXPECT_EQ(loaded.htmlCss, "\t\ttd {color: red;}\r\n\t\tth {}\r\n");
    EXPECT_EQ(Loaded(InMemorySettingsStore(), Environment()).htmlCss, "default");
    EXPECT_EQ(store.ReadInt("RecycledSchedule", "Height"), 18);

    // Colours keep only their low twenty-four bits.
    store.WriteInt(kProperty, "PaletteBackColor", static_cast<std::int32_t>(0xFF00FF00u));
    EXPECT_EQ(Loaded(store, Environment()).paletteBackColor, 0x00FF00u);
}

TEST(AppSettingsKeysTest, EveryKeyIsWrittenByExactlyOneGroup) {
    InMemorySettingsStore displayStore;
    InMemorySettingsStore calendarStore;
    InMemorySettingsStore allStore;
    AppSettings settings;
    settings.Load(allStore, Environment());
    settings.useGuiFontForPrint = true;
    settings.customized = AppSettings::kCustomizedOff;
    settings.display.Save(displayStore);
    settings.calendar.Save(calendarStore);
    settings.Save(allStore);

    const std::vector<std::string> displayKeys = displayStore.ValueNames(kProperty);
    for (const std::string& key : calendarStore.ValueNames(kProperty))
        EXPECT_EQ(std::count(displayKeys.begin(), displayKeys.end(), key), 0) << key;

    // Every value once; the names whose spelling differs from the field's.
    const std::vector<std::string> keys = allStore.ValueNames(kProperty);
    EXPECT_EQ(keys.size(), 65u);
    for (const char* key : {"InazumasenColor", "InazumasenWidth", "SaturdayNH", "Heisei3Date",
                            "TotalNobe", "ActualToBody", "DrawClipIcon", "UseGuiFontForPrint"})
        EXPECT_EQ(std::count(keys.begin(), keys.end(), key), 1) << key;
}

}  // namespace
}  // namespace qb
