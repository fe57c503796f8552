#include "DateText.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace qb {
namespace {

const COleDateTime kFriday(2017, 2, 24, 0, 0, 0);
const COleDateTime kFridayAfternoon(2017, 2, 24, 13, 5, 9);

TEST(DateText, PropertyTextHoldsAllFieldsAndTheStatus) {
    EXPECT_EQ(DateText::PropertyText(kFriday), "2017/02/24 00:00:00(0)");
    EXPECT_EQ(DateText::PropertyText(kFridayAfternoon), "2017/02/24 13:05:09(0)");
    EXPECT_EQ(DateText::PropertyText(COleDateTime(100, 1, 1, 0, 0, 0)), "0100/01/01 00:00:00(0)");
    EXPECT_EQ(DateText::PropertyText(COleDateTime(-1.25, COleDateTime::valid)),
              "1899/12/29 06:00:00(0)");
    EXPECT_EQ(DateText::PropertyText(COleDateTime::Null()), "");
    EXPECT_EQ(DateText::PropertyText(COleDateTime::Invalid()), "");
    EXPECT_EQ(DateText::PropertyText(COleDateTime(1e9, COleDateTime::valid)), "");
}

// Seven numbers are read like scanf: leading white space skipped, shorter
// than their width, a sign allowed, the width ending a number. The status
// number is ignored and the fields decide validity; anything else gives the
// fallback (here 2000-01-01).
TEST(DateText, ReadingPropertyText) {
    const std::string fallback = "2000/01/01 00:00:00(0)";
    const std::string friday = "2017/02/24 00:00:00(0)";
    const std::string afternoon = "2017/02/24 13:05:09(0)";
    const std::pair<const char*, std::string> cases[] = {
        {" 2017/ 2/24   13:5:9(0)", afternoon},
        {"2017/2/24 13:05:09(+0)", afternoon},
        {"2017/02/2413:05:09(0)", afternoon},
        {"2017/02/24 00:00:00(2)", friday},
        {"2017/02/24 00:00:00(1", friday},
        {"2017/02/24 00:00:00(99999999999999999999)", friday},
        {"2017/02/30 00:00:00(0)", ""},
        {"-017/02/24 00:00:00(0)", ""},
        {"2017/0224 00:00:00(0)", fallback},  // 02, then 24 where the slash belongs
        {"", fallback},
        {"2017/02/24 00:00:00", fallback},
        {"2017/02/24 00:00:00()", fallback},
        {"2017/02/24 00:00:00(x)", fallback},
        {"2017-02-24 00:00:00(0)", fallback},
        {"garbage", fallback},
        {"12345/02/24 00:00:00(0)", fallback},
        {"2017/02/24T00:00:00(0)", fallback},
        {"(0)", fallback},
    };
    const COleDateTime fallbackValue(2000, 1, 1, 0, 0, 0);
    for (const auto& [text, expected] : cases) {
        const COleDateTime read = DateText::ParsePropertyText(text, fallbackValue);
        EXPECT_EQ(DateText::PropertyText(read), expected) << text;
        EXPECT_NE(read.GetStatus(), COleDateTime::null) << text;
    }
    EXPECT_TRUE(DateText::ParsePropertyText("2017/02/24").IsNull());
}

TEST(DateText, ArbitraryBytesReadSafely) {
    const std::string alphabet = "0123456789/:() -+\t\xe3x";
    std::mt19937 random(7);
    for (int i = 0; i < 20000; ++i) {
        std::string text;
        for (int n = random() % 41; n > 0; --n)
            text += alphabet[random() % alphabet.size()];
        const COleDateTime read = DateText::ParsePropertyText(text, COleDateTime::Null());
        if (read.IsValid()) {
            EXPECT_EQ(DateText::ParsePropertyText(DateText::PropertyText(read)), read) << text;
        }
    }
}

// Each display form, with and without year and weekday, and what it shows
// for a value without a date.
TEST(DateText, DisplayForms) {
    const COleDateTime sunday(2017, 2, 26, 0, 0, 0);
    const COleDateTime nine(2017, 2, 24, 9, 0, 0);
    const COleDateTime null = COleDateTime::Null();
    const COleDateTime invalid = COleDateTime::Invalid();
    const std::pair<std::string, std::string> cases[] = {
        {DateText::CompactDate(kFridayAfternoon), "20170224"},
        {DateText::CompactDate(COleDateTime(100, 1, 2, 0, 0, 0)), "01000102"},
        {DateText::CompactDateTime(kFridayAfternoon), "201702241305"},
        {DateText::CompactDate(invalid), "invalid"},
        {DateText::CompactDate(null), "null"},
        {DateText::CompactDateTime(invalid), "invalid"},
        {DateText::CompactDateTime(null), "null"},
        {DateText::SlashDate(kFriday, true, true), "2017/2/24(金)"},
        {DateText::SlashDate(kFriday, true, false), "2017/2/24"},
        {DateText::SlashDate(kFriday, false, false), "2/24"},
        {DateText::SlashDate(kFriday, false, true), "2/24(金)"},
        {DateText::SlashDateTime(kFridayAfternoon, true, false), "2017/2/24 13:05"},
        {DateText::SlashDateTime(nine, false, true), "2/24(金) 9:00"},
        {DateText::SlashDate(null, true, true), ""},
        {DateText::SlashDateTime(invalid, true, true), ""},
        {DateText::PlainSlashDate(kFriday), "2017/2/24"},
        // The plain form prints what the field queries answer.
        {DateText::PlainSlashDate(null), "-1/-1/-1"},
        {DateText::JapaneseDate(kFriday, true, true), "2017年2月24日(金)"},
        {DateText::JapaneseDate(kFriday, true, false), "2017年2月24日"},
        {DateText::JapaneseDate(kFriday, false, false), "2月24日"},
        {DateText::JapaneseDate(sunday, false, true), "2月26日(日)"},
        {DateText::JapaneseDate(null, true, true), "null"},
        {DateText::JapaneseDate(invalid, false, false), "null"},
        // A time of day is marked; seconds alone are not a time of day.
        {DateText::DateFieldText(kFriday), "2017年2月24日(金)"},
        {DateText::DateFieldText(kFridayAfternoon), "2017年2月24日(金) .."},
        {DateText::DateFieldText(COleDateTime(2017, 2, 24, 0, 1, 0)), "2017年2月24日(金) .."},
        {DateText::DateFieldText(COleDateTime(2017, 2, 24, 0, 0, 30)), "2017年2月24日(金)"},
        {DateText::DateFieldText(null), "----年--月--日(－)"},
        {DateText::DateFieldText(invalid), "----年--月--日(－)"},
        {DateText::WeekdayName(1, true), "日"},
        {DateText::WeekdayName(7, true), "土"},
        {DateText::WeekdayName(1, false), "Sun"},
        {DateText::WeekdayName(7, false), "Sat"},
        {DateText::MonthName(1, false), "Jan."},
        {DateText::MonthName(5, false), "May."},
        {DateText::MonthName(12, true), "December"},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(cases[i].first, cases[i].second) << "row " << i;
    for (bool form : {true, false}) {
        for (int outside : {0, 8, -1})
            EXPECT_EQ(DateText::WeekdayName(outside, form), "");
        for (int outside : {0, 13})
            EXPECT_EQ(DateText::MonthName(outside, form), "");
    }
}

}  // namespace
}  // namespace qb
