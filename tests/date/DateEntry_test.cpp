#include "DateEntry.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

TEST(DateEntry, CompactDateMustExistBetween1900And2200) {
    for (const char* valid :
         {"19991231", "19000101", "22001231", "20160229", "20170224", "20170224xyz"}) {
        EXPECT_TRUE(DateEntry::IsValidCompactDate(valid)) << valid;
    }
    for (const char* invalid :
         {"18991231", "22010101", "20170229", "21000229", "20171301", "20170001", "20170100",
          "20170431", "2017022", "", "abcdefgh", "2017 224", "-0170224"}) {
        EXPECT_FALSE(DateEntry::IsValidCompactDate(invalid)) << invalid;
    }
}

// A time part shorter than four characters is ignored; anything unacceptable
// gives an invalid value of day 0.
TEST(DateEntry, CompactDateEntryReadsTheDateAndAnOptionalTime) {
    const std::pair<const char*, COleDateTime> cases[] = {
        {"20170224", COleDateTime(2017, 2, 24, 0, 0, 0)},
        {"201702241330", COleDateTime(2017, 2, 24, 13, 30, 0)},
        {"2017022423595", COleDateTime(2017, 2, 24, 23, 59, 0)},
        {"20170224133", COleDateTime(2017, 2, 24, 0, 0, 0)},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(DateEntry::ParseCompactDate(text), value) << text;
    for (const char* text :
         {"201702241260", "201702242400", "20170229", "18991231", "", "2017022", "220101010000"}) {
        const COleDateTime value = DateEntry::ParseCompactDate(text);
        EXPECT_EQ(value.GetStatus(), COleDateTime::invalid) << text;
        EXPECT_EQ(value.GetDays(), 0.0) << text;
    }
}

TEST(DateEntry, TimeEntryAcceptsColonsAndThreeDigitsAndRefusesTheRest) {
    const std::pair<const char*, int> valid[] = {{"9:30", 930},     {"930", 930},   {"0930", 930},
                                                 {"09:30", 930},    {"2359", 2359}, {"0000", 0},
                                                 {"12:34:56", 1234}};
    for (const auto& [text, hhmm] : valid) {
        EXPECT_EQ(DateEntry::ParseTime(text), COleDateTime(2000, 1, 1, hhmm / 100, hhmm % 100, 0))
            << text;
        EXPECT_TRUE(DateEntry::IsValidTime(text)) << text;
    }
    for (const char* text : {"2400", "1260", "24:00", "12", "1:2", "", ":::", "99:99"}) {
        EXPECT_TRUE(DateEntry::ParseTime(text).IsNull()) << text;
        EXPECT_FALSE(DateEntry::IsValidTime(text)) << text;
    }
}

}  // namespace
}  // namespace qb
