#include "ValueText.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

// A text that reads as 0 gives the default unless it really is "0"; numbers
// beyond 32 bits are clamped, not wrapped.
TEST(ValueText, IntegerTextGivesDefaultUnlessItReallyIsZero) {
    const std::pair<const char*, int> cases[] = {{"0", 0},
                                                 {"00", 9},
                                                 {"", 9},
                                                 {"abc", 9},
                                                 {"-0", 9},
                                                 {"-5", -5},
                                                 {"7x", 7},
                                                 {" 42", 42},
                                                 {"12abc", 12},
                                                 {"-2147483648", -2147483647 - 1},
                                                 {"99999999999999999999", 2147483647},
                                                 {"-99999999999999999999", -2147483647 - 1}};
    for (const auto& [text, value] : cases)
        EXPECT_EQ(ValueText::ToInt(text, 9), value) << text;
}

TEST(ValueText, BoolTextMustBeExactlyTrueOrFalse) {
    EXPECT_TRUE(ValueText::ToBool("true", false));
    EXPECT_FALSE(ValueText::ToBool("false", true));
    for (const char* other : {"TRUE", "1", "True"}) {
        EXPECT_TRUE(ValueText::ToBool(other, true)) << other;
        EXPECT_FALSE(ValueText::ToBool(other, false)) << other;
    }
}

TEST(ValueText, ColourIsTheSignedDecimalOfItsBits) {
    EXPECT_EQ(ValueText::FromColour(kWhite), "16777215");
    EXPECT_EQ(ValueText::FromColour(0xFFFFFFFF), "-1");
    EXPECT_EQ(ValueText::ToColour("-1", 0), 0xFFFFFFFFu);
    EXPECT_EQ(ValueText::ToColour("255", 0), 0x0000FFu);
}

// A font text needs two commas, else the fallback with the default face is
// read; an empty face is a face too; fonts not set write nothing, so two of
// them are the same whatever else they hold.
TEST(ValueText, FontTextIsFaceSizeAndStyleBits) {
    CFontInfo font = ValueText::ToFont("Gothic,12,9", CFontInfo());
    EXPECT_TRUE(font.IsValid());
    EXPECT_EQ(font.GetFace(), "Gothic");
    EXPECT_EQ(font.GetSize(), 12);
    EXPECT_TRUE(font.IsBold() && font.IsStrikeOut());
    EXPECT_FALSE(font.IsItalic() || font.IsUnderline());
    CFontInfo fallback = ValueText::ToFont("Gothic,12", CFontInfo());
    EXPECT_FALSE(fallback.IsValid());
    EXPECT_EQ(fallback.GetFace(), CFontInfo::DefaultFace());
    EXPECT_EQ(fallback.GetSize(), 14);
    EXPECT_EQ(ValueText::ToFont(",8,0", CFontInfo()).GetFace(), "");

    CFontInfo written(CFontInfo::DefaultFace(), 10, CFontInfo::kItalic | CFontInfo::kUnderline);
    EXPECT_EQ(ValueText::FromFont(written), CFontInfo::DefaultFace() + ",10,6");
    EXPECT_EQ(ValueText::ToFont(ValueText::FromFont(written), CFontInfo()), written);
    EXPECT_EQ(ValueText::FromFont(CFontInfo()), "");
    CFontInfo a("A", 12, 0, false);
    EXPECT_TRUE(ValueText::Same(a, CFontInfo("B", 20, 8, false)));
    a.SetValid(true);
    EXPECT_FALSE(ValueText::Same(a, CFontInfo("B", 20, 8, false)));
    EXPECT_TRUE(ValueText::Same(a, CFontInfo("A", 12, 0)));
}

TEST(ValueText, PenTextIsStyleWidthColour) {
    CPenInfo pen(2, 3, 0x0000FF);
    EXPECT_EQ(ValueText::FromPen(pen), "2,3,255");
    EXPECT_EQ(ValueText::ToPen("2,3,255", CPenInfo()), pen);
    EXPECT_EQ(ValueText::ToPen("1,2", CPenInfo(5, 5, 5)), CPenInfo(5, 5, 5));
    EXPECT_EQ(ValueText::ToPen("a,b,c", CPenInfo(5, 5, 5)), CPenInfo(0, 0, 0));
}

// Setters compare through this: an invalid date differs even from itself.
TEST(ValueText, DatesThatAreNotValidWriteNothingAndNeverEqualEachOther) {
    EXPECT_EQ(ValueText::FromDate(COleDateTime::Invalid()), "");
    EXPECT_EQ(ValueText::FromDate(COleDateTime::Null()), "");
    EXPECT_TRUE(ValueText::ToDate("", COleDateTime::Null()).IsNull());
    COleDateTime when(2017, 2, 24, 13, 5, 9);
    EXPECT_EQ(ValueText::ToDate(ValueText::FromDate(when), COleDateTime::Null()), when);

    EXPECT_TRUE(ValueText::Same(COleDateTime::Null(), COleDateTime::Null()));
    EXPECT_FALSE(ValueText::Same(COleDateTime::Invalid(), COleDateTime::Invalid()));
    EXPECT_FALSE(ValueText::Same(COleDateTime::Null(), COleDateTime()));
    EXPECT_TRUE(ValueText::Same(when, COleDateTime(2017, 2, 24, 13, 5, 9)));
}

TEST(ValueText, AlignmentsOutsideZeroToTwoBecomeZero) {
    const std::pair<int, int> cases[] = {{1, 1}, {2, 2}, {3, 0}, {-1, 0}};
    for (const auto& [alignment, normal] : cases)
        EXPECT_EQ(ValueText::NormaliseAlignment(alignment), normal) << alignment;
}

}  // namespace
}  // namespace qb
