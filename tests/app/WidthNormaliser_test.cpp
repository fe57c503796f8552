#include "WidthNormaliser.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace qb {
namespace {

TEST(WidthNormaliser, TablesPairEveryFullWidthCharacterWithOneHalfWidthForm) {
    const std::u32string_view full = WidthNormaliser::FullWidth();
    const std::u32string_view half = WidthNormaliser::HalfWidth();
    // The ideographic space, "!" to "~", "。「」、・", "ヲ" to "ン", "゛゜".
    EXPECT_EQ(full.size(), 1u + 94u + 5u + 56u + 2u);
    ASSERT_EQ(full.size(), half.size());
    EXPECT_EQ(std::set<char32_t>(full.begin(), full.end()).size(), full.size());
    EXPECT_EQ(std::set<char32_t>(half.begin(), half.end()).size(), half.size());
    for (char32_t c = U'!'; c <= U'~'; ++c)
        EXPECT_EQ(half[c - U' '], c);
    EXPECT_EQ(WidthNormaliser::Voiced().size(), 26u);
    EXPECT_EQ(WidthNormaliser::VoicedHalf().size(), 52u);
}

TEST(WidthNormaliser, FoldsFullWidthFormsAndLeavesOtherTextAlone) {
    const struct {
        const char* in;
        const char* out;
    } cases[] = {
        {"ＡＢＣ　ａｂｃ０９", "ABC abc09"},
        {"”’￥￣！～", "\"'\\~!～"},  // the full-width tilde is not in the table
        {"。「」、・", "｡｢｣､･"},
        {"ヲァッーアンカ゛", "ｦｧｯｰｱﾝｶﾞ"},
        {"ガギヴパポ", "ｶﾞｷﾞｳﾞﾊﾟﾎﾟ"},
        {"ｶﾞ abc", "ｶﾞ abc"},
        {"ひらがな漢字ヵヶ", "ひらがな漢字ヵヶ"},
        {"a\xFF"
         "b",
         "a\xFF"
         "b"},  // a broken byte stays
    };
    for (const auto& c : cases)
        EXPECT_EQ(WidthNormaliser::Normalise(c.in), c.out) << c.in;
}

}  // namespace
}  // namespace qb
