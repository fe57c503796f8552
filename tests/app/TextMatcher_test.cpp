#include "TextMatcher.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace qb {
namespace {

FindOptions With(bool ignoreCase, bool ignoreWidth, bool ignoreSpaces) {
    FindOptions options;
    options.ignoreCase = ignoreCase;
    options.ignoreWidth = ignoreWidth;
    options.ignoreSpaces = ignoreSpaces;
    return options;
}

TEST(TextMatcher, ComparesAsTheOptionsAsk) {
    const struct {
        const char* pattern;
        const char* text;
        FindOptions options;
        bool matches;
    } cases[] = {
        {"基礎", "基礎工事", With(false, false, false), true},
        {"abc", "xABCx", With(false, false, false), false},
        {"abc", "xABCx", With(true, false, false), true},
        {"ＡＢＣ", "abc", With(false, true, false), false},
        {"ＡＢＣ", "abc", With(true, true, false), true},
        {"ＡＢＣ", "abc", With(true, false, false), false},
        {"ａｂｃ", "ＡＢＣ", With(true, false, false), true},
        {"ガ", "ｶﾞｽ工事", With(false, true, false), true},
        {"ｶﾞｽ", "ガス工事", With(false, true, false), true},
        {"ガ", "ｶﾞｽ工事", With(false, false, false), false},
        {"足 場", "足　場を組む", With(false, false, false), false},
        {"足 場", "足　場を組む", With(false, false, true), true},
        {"足場", "足 　場", With(false, false, true), true},
        {"", "何でも", With(false, false, false), true},
        {"　", "何でも", With(false, false, true), true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TextMatcher(c.pattern, c.options).Matches(c.text), c.matches)
            << c.pattern << " in " << c.text;
    }
}

TEST(TextMatcher, ReplacesTheOriginalCharactersEachOccurrenceWasFoldedFrom) {
    const struct {
        const char* pattern;
        const char* text;
        FindOptions options;
        std::optional<std::string> replaced;
    } cases[] = {
        {"工事", "工事と工事", With(false, false, false), "作業と作業"},
        {"aa", "aaa", With(false, false, false), "作業a"},
        {"無い", "工事", With(false, false, false), std::nullopt},
        {"abc", "ＡＢＣとAbc", With(true, true, false), "作業と作業"},
        {"ガス", "ｶﾞｽ管", With(false, true, false), "作業管"},
        {"ｶ", "ガス", With(false, true, false), std::nullopt},
        {"ｶ", "カガ", With(false, true, false), "作業ガ"},
        {"足場", " 足　場 ", With(false, false, true), " 作業 "},
        {"", "工事", With(false, false, false), std::nullopt},
        {" ", "工 事", With(false, false, true), std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TextMatcher(c.pattern, c.options).Replace(c.text, "作業"), c.replaced)
            << c.pattern << " in " << c.text;
    }
    // A replacement that holds the search string is not searched again.
    EXPECT_EQ(TextMatcher("a", With(false, false, false)).Replace("aa", "aa"), "aaaa");
}

}  // namespace
}  // namespace qb
