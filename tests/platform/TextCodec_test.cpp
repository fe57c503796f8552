#include "TextCodec.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

TEST(TextCodec, TextRoundTripsThroughItsShiftJisBytes) {
    const std::pair<std::string, std::string> cases[] = {
        {"", ""},
        {"abc 123\\~", "abc 123\\~"},
        // "ＭＳ ゴシック": full-width M and S, an ASCII space, katakana.
        {"\xEF\xBC\xAD\xEF\xBC\xB3 \xE3\x82\xB4\xE3\x82\xB7\xE3\x83\x83\xE3\x82\xAF",
         "\x82\x6C\x82\x72\x20\x83\x53\x83\x56\x83\x62\x83\x4E"},
        // ① (NEC special) and the full-width tilde exist in CP932 but not in plain Shift_JIS.
        {"\xE2\x91\xA0\xEF\xBD\x9E", "\x87\x40\x81\x60"},
    };
    for (const auto& [utf8, cp932] : cases) {
        EXPECT_EQ(TextCodec::Utf8ToCp932(utf8), cp932) << utf8;
        EXPECT_EQ(TextCodec::Cp932ToUtf8(cp932), utf8) << utf8;
    }
}

TEST(TextCodec, CharactersOutsideCp932AreDetected) {
    const std::string emoji = "a\xF0\x9F\x98\x80z";  // U+1F600
    const std::string hangul = "\xED\x95\x9C";       // U+D55C
    EXPECT_FALSE(TextCodec::FitsCp932(emoji));
    EXPECT_FALSE(TextCodec::FitsCp932(hangul));
    EXPECT_TRUE(TextCodec::FitsCp932("\xE6\x97\xA5\xE6\x9C\xAC"));  // 日本
    EXPECT_EQ(TextCodec::Utf8ToCp932Lossy(emoji), "a?z");
    EXPECT_EQ(TextCodec::Utf8ToCp932Lossy("\xE6\x97\xA5" + hangul), "\x93\xFA?");
}

TEST(TextCodec, BrokenInputIsRefusedOrReplaced) {
    EXPECT_FALSE(TextCodec::Utf8ToCp932("\xC3"));
    EXPECT_FALSE(TextCodec::Utf8ToCp932("\xE6\x97"));
    EXPECT_FALSE(TextCodec::IsValidUtf8("\xC0\x80"));      // overlong
    EXPECT_FALSE(TextCodec::IsValidUtf8("\xED\xA0\x80"));  // surrogate
    EXPECT_TRUE(TextCodec::IsValidUtf8("\xF0\x9F\x98\x80"));
    // Bytes from F5 up lead no sequence, however the next bytes look.
    for (const char* lead : {"\xF5", "\xF7", "\xF8", "\xFE", "\xFF"})
        EXPECT_FALSE(TextCodec::IsValidUtf8(std::string(lead) + "\xBC\x88")) << lead;
    EXPECT_FALSE(TextCodec::Cp932ToUtf8("\x82"));  // lead byte at the end
    EXPECT_FALSE(TextCodec::Cp932ToUtf8(std::string("a\xFF") + "b"));
    EXPECT_EQ(TextCodec::Cp932ToUtf8Lossy(std::string("a\xFF") + "b"),
              std::string("a\xEF\xBF\xBD") + "b");
    EXPECT_EQ(TextCodec::Cp932ToUtf8Lossy("\x93\xFA\x82"), "\xE6\x97\xA5\xEF\xBF\xBD");
    // A lone high surrogate and an odd trailing byte of UTF-16.
    EXPECT_EQ(TextCodec::Utf16LeToUtf8Lossy(std::string("\x3D\xD8"
                                                        "A\0"
                                                        "x",
                                                        5)),
              std::string("\xEF\xBF\xBD") + "A\xEF\xBF\xBD");
}

TEST(TextCodec, LongTextsConvertAcrossBufferBoundaries) {
    std::string utf8;
    for (int i = 0; i < 3000; ++i)
        utf8 += "\xE6\x97\xA5x";
    auto cp932 = TextCodec::Utf8ToCp932(utf8);
    ASSERT_TRUE(cp932);
    EXPECT_EQ(cp932->size(), 9000u);
    EXPECT_EQ(TextCodec::Cp932ToUtf8(*cp932), utf8);
}

TEST(TextCodec, Utf16CarriesEveryCharacterIncludingSurrogatePairs) {
    const std::string text = "A\xE6\x97\xA5\xF0\x9F\x98\x80";
    auto utf16 = TextCodec::Utf8ToUtf16Le(text);
    ASSERT_TRUE(utf16);
    EXPECT_EQ(*utf16, std::string("A\0\xE5\x65\x3D\xD8\x00\xDE", 8));
    EXPECT_EQ(TextCodec::Utf16LeToUtf8Lossy(*utf16), text);
}

}  // namespace
}  // namespace qb
