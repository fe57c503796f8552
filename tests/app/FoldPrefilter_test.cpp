#include "FoldPrefilter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "TextMatcher.h"

namespace qb {
namespace {

FindOptions Folding(int bits) {
    FindOptions options;
    options.ignoreCase = (bits & 1) != 0;
    options.ignoreWidth = (bits & 2) != 0;
    options.ignoreSpaces = (bits & 4) != 0;
    return options;
}

std::vector<std::string> Sorted(std::vector<std::string> texts) {
    std::sort(texts.begin(), texts.end());
    return texts;
}

// Each folded character is looked for in every raw form that folds to it,
// the characters with the fewest forms first.
TEST(FoldPrefilter, LooksForEveryRawFormOfEachCharacter) {
    using Forms = std::vector<std::vector<std::string>>;
    const struct {
        const char* pattern;
        int folding;
        Forms needles;
    } cases[] = {
        {"ｂ工　", 7, {{"工"}, {"B", "b", "Ｂ", "ｂ"}}},
        {"b", 1, {{"B", "b"}}},
        {"b", 2, {{"b", "ｂ"}}},
        {"Ab1", 1, {{"1"}, {"A", "a"}, {"B", "b"}}},
        {"", 7, {}},
        {"\xff", 1, {}},
    };
    for (const auto& c : cases) {
        const FindOptions options = Folding(c.folding);
        const FoldPrefilter filter(TextMatcher::Fold(c.pattern, options), options);
        Forms needles = filter.Needles();
        for (auto& forms : needles)
            forms = Sorted(forms);
        EXPECT_EQ(needles, c.needles) << c.pattern << " " << c.folding;
    }
    // "ガ" folds to "ｶﾞ": the sound mark comes from every voiced katakana.
    const FindOptions width = Folding(2);
    const auto needles = FoldPrefilter(TextMatcher::Fold("ガ", width), width).Needles();
    ASSERT_EQ(needles.size(), 2u);
    EXPECT_EQ(Sorted(needles[0]), Sorted({"ガ", "カ", "ｶ"}));
    EXPECT_EQ(needles[1].size(), 23u);
}

// Whatever the options, the filter turns away only texts that do not hold
// the search string once both are folded, including texts with bytes that
// are no UTF-8 and come together when the spaces between them drop out.
TEST(FoldPrefilter, NeverTurnsAwayATextThatHoldsTheSearchString) {
    const std::vector<std::string> patterns = {
        "工", "ｂ工区　１２", "ガス", "ｶﾞｽ", "ABC", "ａｂ", "1", " ", "足 場", "”", "\"", "\xb7",
    };
    const std::vector<std::string> texts = {
        "鉄骨建方 Ｂ工区 12",
        "ｺﾝｸﾘｰﾄ打設 ａ工区",
        "ガス配管",
        "ｶﾞｽ管",
        "abc",
        "ＡＢＣ",
        "足　場を組む",
        "１",
        "“引用”",
        "\"x\"",
        "\xe5 \xb7\xa5",
        "\xe5\xb7 \xa5",
        "\xb7",
        "",
        "ｂ工区　１２",
        "工\xe5\xb7\xa5\xe5 区",
        "\xef\xbd\x82\xe5\xb7",
        "Ｂ工区１２",
    };
    for (const std::string& pattern : patterns) {
        for (int bits = 1; bits < 8; ++bits) {
            const FindOptions options = Folding(bits);
            const std::string folded = TextMatcher::Fold(pattern, options);
            const FoldPrefilter filter(folded, options);
            for (const std::string& text : texts) {
                const bool holds =
                    TextMatcher::Fold(text, options).find(folded) != std::string::npos;
                if (holds) {
                    EXPECT_TRUE(filter.MayHold(text)) << pattern << " in " << text << " " << bits;
                }
                EXPECT_EQ(TextMatcher(pattern, options).Matches(text), holds)
                    << pattern << " in " << text << " " << bits;
            }
        }
    }
}

// The point of it: most texts are turned away without being folded.
TEST(FoldPrefilter, TurnsAwayTextsWithoutTheCharacter) {
    const FindOptions options = Folding(7);
    const FoldPrefilter filter(TextMatcher::Fold("ｂ工区　１２", options), options);
    EXPECT_FALSE(filter.MayHold("型枠　解体後 Check 12"));
    EXPECT_FALSE(filter.MayHold("ガス配管の確認 No.12"));
    EXPECT_FALSE(filter.MayHold("ｺﾝｸﾘｰﾄ打設 ａ工区 12")) << "no form of ｂ";
    EXPECT_TRUE(filter.MayHold("鉄骨建方 Ｂ工区 120"));
}

}  // namespace
}  // namespace qb
