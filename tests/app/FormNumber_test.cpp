#include "FormNumber.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

TEST(FormNumber, ReadsWholeNumbersAsTypedWithinTheRange) {
    const struct {
        const char* text;
        std::optional<int> value;
    } cases[] = {
        {"0", 0},
        {"65535", 65535},
        {"65536", std::nullopt},
        {" 12 ", 12},
        {"１２", 12},
        {"　７　", 7},
        {"-3", std::nullopt},
        {"－", std::nullopt},
        {"", std::nullopt},
        {"1 2", std::nullopt},
        {"12a", std::nullopt},
        {"9999999999", std::nullopt},
        {"\xEF\xBC", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormNumber::Parse(c.text, 0, 65535), c.value) << c.text;
    EXPECT_EQ(FormNumber::Parse("－５", -10, 10), -5);
}

TEST(FormNumber, ReadsTenthsWithOneDecimalPlace) {
    const struct {
        const char* text;
        std::optional<int> tenths;
    } cases[] = {
        {"0", 0},
        {"100", 1000},
        {"12.5", 125},
        {"１２．５", 125},
        {"0.1", 1},
        {"100.0", 1000},
        {"100.1", std::nullopt},
        {"12.", std::nullopt},
        {".5", std::nullopt},
        {"1.25", std::nullopt},
        {"999999999", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormNumber::ParseTenths(c.text, 0, 1000), c.tenths) << c.text;
    EXPECT_EQ(FormNumber::TenthsText(125), "12.5");
    EXPECT_EQ(FormNumber::TenthsText(1000), "100");
    EXPECT_EQ(FormNumber::TenthsText(5), "0.5");
}

}  // namespace
}  // namespace qb
