#include "FormText.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

TEST(FormText, EditBoxesSeeLfAndTheFileGetsCrLfBack) {
    EXPECT_EQ(FormText::ForEditor("a\r\nb\nc\r"), "a\nb\nc\r");
    EXPECT_EQ(FormText::FromEditor("a\nb", "x"), "a\r\nb");
    // Untouched text keeps whatever breaks it was stored with.
    EXPECT_EQ(FormText::FromEditor("a\nb", "a\nb"), "a\nb");
    EXPECT_EQ(FormText::FromEditor("a\nb", "a\r\nb"), "a\r\nb");
}

}  // namespace
}  // namespace qb
