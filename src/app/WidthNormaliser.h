#pragma once

#include <string>
#include <string_view>

namespace qb {

// Folds full-width characters onto their half-width forms, so that "ＡＢＣ"
// and "ABC", "ガ" and "ｶﾞ" compare equal. Two pairs of tables do it: each
// character of FullWidth becomes the character at the same position of
// HalfWidth; then each voiced or semi-voiced katakana of Voiced becomes the
// two characters at twice its position in VoicedHalf (base letter and mark).
class WidthNormaliser {
public:
    static std::u32string_view FullWidth();
    static std::u32string_view HalfWidth();
    static std::u32string_view Voiced();
    static std::u32string_view VoicedHalf();

    // The half-width form of c written to out: 1 or 2 characters, or 0 when
    // c has none and stays as it is.
    static int Map(char32_t c, char32_t out[2]);
    // The whole text folded (UTF-8 in and out).
    static std::string Normalise(std::string_view text);
};

}  // namespace qb
