#include "PageTexts.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

TEST(PageTexts, EachFormatNumbersPageThreeOfSeven) {
    const struct {
        int format;
        const char* text;
    } cases[] = {
        {0, ""},    {1, "3"},     {2, "3ページ"},      {3, "p.3"}, {4, "- 3 -"},
        {5, "(3)"}, {6, "3 / 7"}, {7, "3 / 7 ページ"}, {8, ""},    {-1, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PageTexts::PageNumber(c.format, 3, 7), c.text) << c.format;
}

TEST(PageTexts, DialogListsNoneThenPageTwoOfFive) {
    EXPECT_EQ(PageTexts::FormatSample(0), "(なし)");
    EXPECT_EQ(PageTexts::FormatSample(1), "2");
    EXPECT_EQ(PageTexts::FormatSample(6), "2 / 5");
    EXPECT_EQ(PageTexts::FormatSample(7), "2 / 5 ページ");
}

TEST(PageTexts, OutputDateInTheChosenForm) {
    const COleDateTime now(2027, 4, 9, 8, 5, 30);
    EXPECT_EQ(PageTexts::OutputDate(PageTexts::kNoDate, now), "");
    EXPECT_EQ(PageTexts::OutputDate(PageTexts::kDate, now), "2027年4月9日 出力");
    EXPECT_EQ(PageTexts::OutputDate(PageTexts::kDateTime, now), "2027/4/9 8:05 出力");
    EXPECT_EQ(PageTexts::OutputDate(PageTexts::kDate, COleDateTime::Null()), "");
}

}  // namespace
}  // namespace qb
