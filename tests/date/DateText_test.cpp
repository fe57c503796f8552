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

TEST(DateText, ReadingPropertyTextNeedsExactlySevenNumbers) {
    const COleDateTime fallback(2000, 1, 1, 0, 0, 0);
    for (const char* text : {"", "2017/02/24 00:00:00", "2017/02/24 00:00:00()",
                             "2017/02/24 00:00:00(x)", "2017-02-24 00:00:00(0)", "garbage",
                             "12345/02/24 00:00:00(0)", "2017/02/24T00:00:00(0)", "(0)"}) {
        EXPECT_EQ(DateText::ParsePropertyText(text, fallback), fallback) << text;
    }
    EXPECT_TRUE(DateText::ParsePropertyText("2017/02/24").IsNull());
}

TEST(DateText, StatusNumberIsIgnoredAndTheFieldsDecideValidity) {
    EXPECT_EQ(DateText::ParsePropertyText("2017/02/24 00:00:00(2)"), kFriday);
    EXPECT_EQ(DateText::ParsePropertyText("2017/02/24 00:00:00(1"), kFriday);
    EXPECT_EQ(DateText::ParsePropertyText("2017/02/24 00:00:00(99999999999999999999)"), kFriday);
    const COleDateTime impossible = DateText::ParsePropertyText("2017/02/30 00:00:00(0)");
    EXPECT_EQ(impossible.GetStatus(), COleDateTime::invalid);
    EXPECT_EQ(DateText::ParsePropertyText("-017/02/24 00:00:00(0)").GetStatus(),
              COleDateTime::invalid);
}

TEST(DateText, PropertyTextIsReadLikeScanf) {
    // Numbers may skip leading white space, be shorter than their width and carry a sign.
    EXPECT_EQ(DateText::ParsePropertyText(" 2017/ 2/24   13:5:9(0)"), kFridayAfternoon);
    EXPECT_EQ(DateText::ParsePropertyText("2017/2/24 13:05:09(+0)"), kFridayAfternoon);
    EXPECT_EQ(DateText::ParsePropertyText("2017/02/2413:05:09(0)"), kFridayAfternoon);
    // The width ends a number: "0224" is read as 02 then 24 after no '/'.
    EXPECT_EQ(
        DateText::ParsePropertyText("2017/0224 00:00:00(0)", COleDateTime::Invalid()).GetStatus(),
        COleDateTime::invalid);
}

TEST(DateText, ArbitraryBytesReadSafely) {
    const std::string alphabet = "0123456789/:() -+\t\xe3x";
    std::mt19937 random(7);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::uniform_int_distribution<int> length(0, 40);
    const COleDateTime fallback = COleDateTime::Null();
    for (int i = 0; i < 20000; ++i) {
        std::string text;
        for (int n = length(random); n > 0; --n) {
            text += alphabet[pick(random)];
        }
        const COleDateTime read = DateText::ParsePropertyText(text, fallback);
        if (read.IsValid()) {
            EXPECT_EQ(DateText::ParsePropertyText(DateText::PropertyText(read)), read) << text;
        }
    }
}

TEST(DateText, CompactForms) {
    EXPECT_EQ(DateText::CompactDate(kFridayAfternoon), "20170224");
    EXPECT_EQ(DateText::CompactDate(COleDateTime(100, 1, 2, 0, 0, 0)), "01000102");
    EXPECT_EQ(DateText::CompactDateTime(kFridayAfternoon), "201702241305");
    EXPECT_EQ(DateText::CompactDate(COleDateTime::Invalid()), "invalid");
    EXPECT_EQ(DateText::CompactDate(COleDateTime::Null()), "null");
    EXPECT_EQ(DateText::CompactDateTime(COleDateTime::Invalid()), "invalid");
    EXPECT_EQ(DateText::CompactDateTime(COleDateTime::Null()), "null");
}

TEST(DateText, SlashForms) {
    EXPECT_EQ(DateText::SlashDate(kFriday, true, true), "2017/2/24(金)");
    EXPECT_EQ(DateText::SlashDate(kFriday, true, false), "2017/2/24");
    EXPECT_EQ(DateText::SlashDate(kFriday, false, false), "2/24");
    EXPECT_EQ(DateText::SlashDate(kFriday, false, true), "2/24(金)");
    EXPECT_EQ(DateText::SlashDateTime(kFridayAfternoon, true, false), "2017/2/24 13:05");
    EXPECT_EQ(DateText::SlashDateTime(COleDateTime(2017, 2, 24, 9, 0, 0), false, true),
              "2/24(金) 9:00");
    EXPECT_EQ(DateText::PlainSlashDate(kFriday), "2017/2/24");
    // The plain form prints what the field queries answer.
    EXPECT_EQ(DateText::PlainSlashDate(COleDateTime::Null()), "-1/-1/-1");
    for (const COleDateTime& none : {COleDateTime::Null(), COleDateTime::Invalid()}) {
        EXPECT_EQ(DateText::SlashDate(none, true, true), "");
        EXPECT_EQ(DateText::SlashDateTime(none, true, true), "");
    }
}

TEST(DateText, JapaneseForms) {
    EXPECT_EQ(DateText::JapaneseDate(kFriday, true, true), "2017年2月24日(金)");
    EXPECT_EQ(DateText::JapaneseDate(kFriday, true, false), "2017年2月24日");
    EXPECT_EQ(DateText::JapaneseDate(kFriday, false, false), "2月24日");
    EXPECT_EQ(DateText::JapaneseDate(COleDateTime(2017, 2, 26, 0, 0, 0), false, true),
              "2月26日(日)");
    EXPECT_EQ(DateText::JapaneseDate(COleDateTime::Null(), true, true), "null");
    EXPECT_EQ(DateText::JapaneseDate(COleDateTime::Invalid(), false, false), "null");
}

TEST(DateText, WeekdayAndMonthNamesAtTheEndsAndOutsideTheirRange) {
    EXPECT_EQ(DateText::WeekdayName(1, true), "日");
    EXPECT_EQ(DateText::WeekdayName(7, true), "土");
    EXPECT_EQ(DateText::WeekdayName(1, false), "Sun");
    EXPECT_EQ(DateText::WeekdayName(7, false), "Sat");
    EXPECT_EQ(DateText::MonthName(1, false), "Jan.");
    EXPECT_EQ(DateText::MonthName(5, false), "May.");
    EXPECT_EQ(DateText::MonthName(12, true), "December");
    for (bool form : {true, false}) {
        for (int outside : {0, 8, -1})
            EXPECT_EQ(DateText::WeekdayName(outside, form), "");
        for (int outside : {0, 13})
            EXPECT_EQ(DateText::MonthName(outside, form), "");
    }
}

TEST(DateText, DateFieldShowsTheDateAndMarksATimeOfDay) {
    EXPECT_EQ(DateText::DateFieldText(kFriday), "2017年2月24日(金)");
    EXPECT_EQ(DateText::DateFieldText(kFridayAfternoon), "2017年2月24日(金) ..");
    EXPECT_EQ(DateText::DateFieldText(COleDateTime(2017, 2, 24, 0, 1, 0)), "2017年2月24日(金) ..");
    EXPECT_EQ(DateText::DateFieldText(COleDateTime(2017, 2, 24, 0, 0, 30)), "2017年2月24日(金)");
    EXPECT_EQ(DateText::DateFieldText(COleDateTime::Null()), "----年--月--日(－)");
    EXPECT_EQ(DateText::DateFieldText(COleDateTime::Invalid()), "----年--月--日(－)");
}

}  // namespace
}  // namespace qb
