#include "ImportFieldText.h"

#include <gtest/gtest.h>

#include <optional>

namespace qb {
namespace {

TEST(ImportFieldTextTest, OffsetsAreFractionsOfADayInTenThousandths) {
    const struct {
        const char* text;
        std::optional<int> offset;
    } cases[] = {
        {"0", 0},
        {"0.5", 5000},
        {".25", 2500},
        {"0.12345", 1234},
        {".0001", 1},
        {".9999", 9999},
        {"1.5", std::nullopt},
        {".", std::nullopt},
        {"0.", std::nullopt},
        {"00.5", std::nullopt},
        {"5", std::nullopt},
        {"-.5", std::nullopt},
        {".5x", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ImportFieldText::Offset(c.text), c.offset) << c.text;
}

TEST(ImportFieldTextTest, ColoursAreSixHexDigitsInRedGreenBlueOrder) {
    EXPECT_EQ(ImportFieldText::Colour("FF8000"), ColorRef{0x0080FF});
    EXPECT_EQ(ImportFieldText::Colour("00ff0a"), ColorRef{0x0AFF00});
    for (const char* bad : {"", "FF800", "FF80000", "GG0000", " F8000", "0xFF00"})
        EXPECT_EQ(ImportFieldText::Colour(bad), std::nullopt) << bad;
}

TEST(ImportFieldTextTest, NumbersAreBoundedAndNeverOverflow) {
    EXPECT_EQ(ImportFieldText::Integer("-1", -1, 500), -1);
    EXPECT_EQ(ImportFieldText::Integer("501", -1, 500), std::nullopt);
    EXPECT_EQ(ImportFieldText::Integer("99999999999999999999999", 0, 99999999), std::nullopt);
    EXPECT_EQ(ImportFieldText::Integer("-99999999999999999999999", -5, 5), std::nullopt);
    for (const char* bad : {"", "-", "+3", " 3", "3 ", "1e3", "３"})
        EXPECT_EQ(ImportFieldText::Integer(bad, -100, 100), std::nullopt) << bad;
    EXPECT_EQ(ImportFieldText::Clamped("99999999999999999999999", 10, 500), 500);
    EXPECT_EQ(ImportFieldText::Clamped("-7", 10, 500), 10);
    EXPECT_EQ(ImportFieldText::Clamped("x", 10, 500), std::nullopt);
}

TEST(ImportFieldTextTest, ProgressIsReadInTenthsUpToAHundredPercent) {
    EXPECT_EQ(ImportFieldText::Tenths("45.5"), 455);
    EXPECT_EQ(ImportFieldText::Tenths("100"), 1000);
    EXPECT_EQ(ImportFieldText::Tenths("0"), 0);
    for (const char* bad : {"100.1", "101", "-1", "4.55", "4.", ".5", "", "99999999999999999"})
        EXPECT_EQ(ImportFieldText::Tenths(bad), std::nullopt) << bad;
}

TEST(ImportFieldTextTest, DatesTellWhichPartIsWrong) {
    using E = ImportFieldText::DateError;
    COleDateTime out;
    EXPECT_EQ(ImportFieldText::Date("20170224", false, out), E::kNone);
    EXPECT_EQ(out, COleDateTime(2017, 2, 24, 0, 0, 0));
    EXPECT_EQ(ImportFieldText::Date("201702241330", true, out), E::kNone);
    EXPECT_EQ(out, COleDateTime(2017, 2, 24, 13, 30, 0));
    EXPECT_EQ(ImportFieldText::Date("2017/2/4", false, out), E::kForm);
    EXPECT_EQ(ImportFieldText::Date("20170229", false, out), E::kDatePart);
    EXPECT_EQ(ImportFieldText::Date("18991231", false, out), E::kDatePart);
    EXPECT_EQ(ImportFieldText::Date("201702242400", true, out), E::kTimePart);
    EXPECT_EQ(ImportFieldText::Date("201702241260", true, out), E::kTimePart);
}

}  // namespace
}  // namespace qb
