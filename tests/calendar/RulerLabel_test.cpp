#include "RulerLabel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RulerUnit.h"

namespace qb {
namespace {

COleDateTime Date(int year, int month, int day) {
    return COleDateTime(year, month, day, 0, 0, 0);
}

std::vector<std::string> AllFormats(const RulerLabel& label, int unit, const COleDateTime& tick) {
    std::vector<std::string> texts;
    for (int format = 0; format < RulerFormatCount(unit); ++format) {
        texts.push_back(label.Text(unit, format, tick));
    }
    return texts;
}

using Texts = std::vector<std::string>;

// Monday 12 June 2017 is calendar week 24 and fiscal week 11.
TEST(RulerLabel, EveryFormatOfTheDayWeekTenDayAndMonthUnits) {
    const struct {
        int unit;
        COleDateTime tick;
        Texts texts;
    } cases[] = {
        {kRulerDay, Date(2017, 5, 12), {"12", "12(金)", "12(Fri)"}},
        {kRulerWeek,
         Date(2017, 6, 12),
         {"24", "第24週", "24w", "24th", "24週", "11", "第11週", "11w", "11th", "11週"}},
        {kRulerTenDays, Date(2017, 8, 11), {"中", "中旬", "2", "2-P", "8中", "8月中旬"}},
        {kRulerTenDays, Date(2017, 8, 1), {"上", "上旬", "1", "1-P", "8上", "8月上旬"}},
        {kRulerTenDays, Date(2017, 12, 21), {"下", "下旬", "3", "3-P", "12下", "12月下旬"}},
        {kRulerMonth,
         Date(2017, 2, 1),
         {"2", "2月", "2017/2", "2017-2", "2017.2", "2017年2月", "Feb.", "February", "2017 Feb.",
          "平成29年2月", "H29.2"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AllFormats(RulerLabel(), c.unit, c.tick), c.texts) << c.unit;
}

TEST(RulerLabel, YearFormats) {
    const RulerLabel label;
    EXPECT_EQ(AllFormats(label, kRulerYear, Date(2017, 1, 1)),
              (Texts{"2017", "2017年", "平成29", "平成29年", "H29"}));
    EXPECT_EQ(label.Text(kRulerYear, 3, Date(1989, 1, 1)), "平成元年");
    EXPECT_EQ(label.Text(kRulerYear, 2, Date(1925, 1, 1)), "1925");
    EXPECT_EQ(label.Text(kRulerYear, 3, Date(1925, 1, 1)), "1925年");
    // A year is named by the era of its January.
    EXPECT_EQ(label.Text(kRulerYear, 2, Date(2019, 1, 1)), "平成31");
    EXPECT_EQ(label.Text(kRulerYear, 4, Date(2020, 1, 1)), "R2");
}

TEST(RulerLabel, FiscalYearFormats) {
    const RulerLabel label;
    EXPECT_EQ(AllFormats(label, kRulerFiscalYear, Date(2017, 4, 1)),
              (Texts{"2017", "2017年度", "平成29", "平成29年度", "H29"}));
    // Fiscal 2019 begins in 令和 but is named by January 2019.
    EXPECT_EQ(label.Text(kRulerFiscalYear, 3, Date(2019, 4, 1)), "平成31年度");
}

TEST(RulerLabel, CustomEraAppearsInEraFormats) {
    const RulerLabel label(EraYear("新元号", "N", Date(2030, 1, 1)));
    EXPECT_EQ(label.Text(kRulerYear, 3, Date(2030, 1, 1)), "新元号元年");
    EXPECT_EQ(label.Text(kRulerYear, 4, Date(2031, 1, 1)), "N2");
    EXPECT_EQ(label.Text(kRulerMonth, 9, Date(2029, 12, 1)), "令和11年12月");
    EXPECT_EQ(label.Text(kRulerMonth, 10, Date(2030, 1, 1)), "N1.1");
}

TEST(RulerLabel, UnknownFormatsAndUnitsFallBackToTheFirstFormat) {
    const RulerLabel label;
    EXPECT_EQ(label.Text(kRulerMonth, 11, Date(2017, 2, 1)), "2");
    EXPECT_EQ(label.Text(kRulerMonth, -1, Date(2017, 2, 1)), "2");
    EXPECT_EQ(label.Text(kRulerDay, 3, Date(2017, 2, 24)), "24");
    EXPECT_EQ(label.Text(6, 1, Date(2017, 2, 24)), "24(金)");
    EXPECT_EQ(label.Text(-1, 5, Date(2017, 2, 24)), "24");
    EXPECT_EQ(label.Text(kRulerDay, 0, COleDateTime::Invalid()), "");
}

}  // namespace
}  // namespace qb
