#include "BulkRowText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qb {
namespace {

using Lines = std::vector<std::string>;

TEST(BulkRowTextTest, LinesEndInAnyOfTheThreeLineBreaksAndEmptyOnesGiveNoRow) {
    const struct {
        std::string text;
        Lines captions;
    } cases[] = {
        {"", {}},
        {"A", {"A"}},
        {"A\r\nB\r\nC", {"A", "B", "C"}},
        {"A\r\nB\r\n", {"A", "B"}},
        {"A\nB\nC\n", {"A", "B", "C"}},
        {"A\rB\rC", {"A", "B", "C"}},
        {"A\r\n\r\nB\n\n\rC", {"A", "B", "C"}},
        {"\r\n\n\r", {}},
        {"A\n\r\nB", {"A", "B"}},
        {" \r\n", {" "}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BulkRowText::Captions(c.text), c.captions) << c.text;
}

TEST(BulkRowTextTest, BackslashNBreaksTheCaptionAndThenDoubledBackslashesHalve) {
    const struct {
        std::string line;
        std::string caption;
    } cases[] = {
        {"a\\nb", "a\r\nb"},    {"\\\\", "\\"},
        {"\\\\\\\\", "\\\\"},   {"a\\\\nb", "a\\\r\nb"},
        {"\\n\\n", "\r\n\r\n"}, {"a\\b", "a\\b"},
        {"末尾\\", "末尾\\"},   {"工程\\n第一", "工程\r\n第一"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(BulkRowText::Unescape(c.line), c.caption) << c.line;
        EXPECT_EQ(BulkRowText::Captions(c.line + "\r\n"), Lines{c.caption}) << c.line;
    }
}

}  // namespace
}  // namespace qb
