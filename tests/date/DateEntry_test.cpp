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

TEST(DateEntry, CompactDateEntryReadsTheDateAndAnOptionalTime) {
    EXPECT_EQ(DateEntry::ParseCompactDate("20170224"), COleDateTime(2017, 2, 24, 0, 0, 0));
    EXPECT_EQ(DateEntry::ParseCompactDate("201702241330"), COleDateTime(2017, 2, 24, 13, 30, 0));
    EXPECT_EQ(DateEntry::ParseCompactDate("2017022423595"), COleDateTime(2017, 2, 24, 23, 59, 0));
    // A time part shorter than four characters is ignored.
    EXPECT_EQ(DateEntry::ParseCompactDate("20170224133"), COleDateTime(2017, 2, 24, 0, 0, 0));
}

TEST(DateEntry, UnacceptableCompactEntryGivesAnInvalidValue) {
    for (const char* text :
         {"201702241260", "201702242400", "20170229", "18991231", "", "2017022", "220101010000"}) {
        const COleDateTime value = DateEntry::ParseCompactDate(text);
        EXPECT_EQ(value.GetStatus(), COleDateTime::invalid) << text;
        EXPECT_EQ(value.GetDays(), 0.0) << text;
    }
}

TEST(DateEntry, TimeEntryAcceptsColonsAndThreeDigits) {
    const COleDateTime halfPastNine(2000, 1, 1, 9, 30, 0);
    EXPECT_EQ(DateEntry::ParseTime("9:30"), halfPastNine);
    EXPECT_EQ(DateEntry::ParseTime("930"), halfPastNine);
    EXPECT_EQ(DateEntry::ParseTime("0930"), halfPastNine);
    EXPECT_EQ(DateEntry::ParseTime("09:30"), halfPastNine);
    EXPECT_EQ(DateEntry::ParseTime("2359"), COleDateTime(2000, 1, 1, 23, 59, 0));
    EXPECT_EQ(DateEntry::ParseTime("0000"), COleDateTime(2000, 1, 1, 0, 0, 0));
    EXPECT_EQ(DateEntry::ParseTime("12:34:56"), COleDateTime(2000, 1, 1, 12, 34, 0));
    EXPECT_TRUE(DateEntry::IsValidTime("9:30"));
    EXPECT_TRUE(DateEntry::IsValidTime("0000"));
}

TEST(DateEntry, TimeEntryOutOfRangeOrTooShortIsNull) {
    for (const char* text : {"2400", "1260", "24:00", "12", "1:2", "", ":::", "99:99"}) {
        EXPECT_TRUE(DateEntry::ParseTime(text).IsNull()) << text;
        EXPECT_FALSE(DateEntry::IsValidTime(text)) << text;
    }
}

}  // namespace
}  // namespace qb
