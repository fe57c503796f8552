#include "JapaneseHolidaySet.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "CalendarSettings.h"
#include "DateText.h"
#include "HolidayCache.h"
#include "HolidayFile.h"
#include "SystemHolidays.h"
#include "TestPaths.h"

namespace qb {
namespace {

COleDateTime Day(int year, int month, int day) {
    return COleDateTime(year, month, day, 0, 0, 0);
}

// "YYYY-MM-DD<TAB>name" lines of the national holidays, made from sources
// that know nothing of our rules.
std::set<std::string> OfficialList() {
    std::ifstream in(qb::test::SourcePath("tests/data/japanese_holidays_1970_2030.tsv"));
    std::set<std::string> days;
    std::string line;
    while (std::getline(in, line)) {
        if (line.size() >= 10)
            days.insert(line.substr(0, 4) + line.substr(5, 2) + line.substr(8, 2));
    }
    return days;
}

class JapaneseHolidaySetTest : public ::testing::Test {
protected:
    CalendarSettings settings;
    HolidayCache cache{settings};
};

TEST_F(JapaneseHolidaySetTest, ShippedSetReproducesTheOfficialListFrom1970To2030) {
    const std::set<std::string> official = OfficialList();
    ASSERT_GT(official.size(), 900u);
    cache.SetSystemRules(SystemHolidays::BuiltInRules());
    int checked = 0;
    for (COleDateTime d = Day(1970, 1, 1); d <= Day(2030, 12, 31); d = d.AddDays(1), ++checked) {
        const bool expected = official.contains(DateText::CompactDate(d)) || d.GetDayOfWeek() == 1;
        ASSERT_EQ(cache.DayMark(d), expected ? 1 : 0) << DateText::CompactDate(d);
    }
    EXPECT_EQ(checked, 22280);
}

TEST_F(JapaneseHolidaySetTest, LawDaysBefore1970AreKnown) {
    cache.SetSystemRules(SystemHolidays::BuiltInRules());
    EXPECT_EQ(cache.DayMark(Day(1948, 5, 3)), 0);  // before the law
    EXPECT_EQ(cache.DayMark(Day(1948, 9, 23)), 1);
    EXPECT_EQ(cache.DayMark(Day(1948, 11, 23)), 1);
    EXPECT_EQ(cache.DayMark(Day(1949, 1, 1)), 1);
    EXPECT_EQ(cache.DayMark(Day(1959, 4, 10)), 1);
    EXPECT_EQ(cache.DayMark(Day(1966, 2, 11)), 0);  // 建国記念の日 from 1967
    EXPECT_EQ(cache.DayMark(Day(1967, 2, 11)), 1);
    EXPECT_EQ(cache.DayMark(Day(1966, 9, 15)), 1);
    EXPECT_EQ(cache.DayMark(Day(1954, 1, 4)), 0);  // no Sunday move before 1973
}

// Regenerate data/Holidays.xml after changing the generator:
//   QB_WRITE_HOLIDAYS_XML=/path/to/data/Holidays.xml qb_calendar_tests
//       --gtest_filter='JapaneseHolidayRules.*'
TEST(JapaneseHolidayRules, ShippedFileGivesTheSameMarksAsTheGenerator) {
    auto generated = JapaneseHolidaySet::Build();
    if (const char* target = std::getenv("QB_WRITE_HOLIDAYS_XML")) {
        HolidayFile file;
        ASSERT_TRUE(file.WriteHolidayFile(target, *generated)) << file.GetError().GetMessage();
    }
    // Rule for rule: names, kinds, periods and order, as the file lists them.
    std::string written;
    HolidayFile writer;
    ASSERT_TRUE(writer.FormatHolidays(*generated, written)) << writer.GetError().GetMessage();
    EXPECT_TRUE(written == SystemHolidays::BuiltInXml());

    auto shipped = SystemHolidays::BuiltInRules();
    EXPECT_EQ(shipped->GetCount(), generated->GetCount());

    CalendarSettings settings;
    HolidayCache fromFile(settings);
    HolidayCache fromGenerator(settings);
    fromFile.SetSystemRules(std::move(shipped));
    fromGenerator.SetSystemRules(std::move(generated));
    for (COleDateTime d = Day(1948, 1, 1); d <= Day(JapaneseHolidaySet::kLastYear, 12, 31);
         d = d.AddDays(1)) {
        ASSERT_EQ(fromFile.DayMark(d), fromGenerator.DayMark(d)) << DateText::CompactDate(d);
    }
}

}  // namespace
}  // namespace qb
