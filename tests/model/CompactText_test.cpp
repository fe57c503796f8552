#include "CompactText.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace qb {
namespace {

// Lengths around the point where text leaves the object for a heap block,
// with bytes that would look like the inline mark or a length if misread.
std::vector<std::string> Samples() {
    const std::size_t inlineMost = CompactText::kInlineCapacity;
    return {"",
            "a",
            std::string("\x01\x00\xFF", 3),
            std::string(inlineMost, '\x0F'),
            std::string(inlineMost + 1, 'x'),
            "確認要",
            std::string(300, '\xE3')};
}

TEST(CompactText, HoldsEveryLengthExactly) {
    for (const std::string& text : Samples()) {
        SCOPED_TRACE(text.size());
        const CompactText held(text);
        EXPECT_EQ(held.View(), text);
        EXPECT_EQ(held.Str(), text);
        EXPECT_EQ(held.size(), text.size());
        EXPECT_EQ(held.empty(), text.empty());
    }
}

TEST(CompactText, CopiesAndMovesLeaveEachValueWhereItBelongs) {
    for (const std::string& text : Samples()) {
        SCOPED_TRACE(text.size());
        CompactText original(text);
        CompactText copy(original);
        EXPECT_EQ(copy, original);
        CompactText moved(std::move(copy));
        EXPECT_EQ(moved.View(), text);
        EXPECT_TRUE(copy.empty());  // NOLINT: a moved-from text is empty

        // Assignment replaces a value of every other length, also itself.
        for (const std::string& other : Samples()) {
            CompactText target(other);
            target = original;
            EXPECT_EQ(target.View(), text);
            CompactText source(other);
            target = std::move(source);
            EXPECT_EQ(target.View(), other);
        }
        CompactText& self = original;
        original = self;
        original = std::move(self);
        EXPECT_EQ(original.View(), text);
    }
}

TEST(CompactText, ComparesByText) {
    EXPECT_EQ(CompactText("abc"), CompactText(std::string("abc")));
    EXPECT_FALSE(CompactText("abc") == CompactText("abd"));
    EXPECT_FALSE(CompactText("") == CompactText(std::string(1, '\0')));
    EXPECT_TRUE(CompactText("longer than inline") == std::string_view("longer than inline"));
}

}  // namespace
}  // namespace qb
