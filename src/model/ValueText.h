#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "CFontInfo.h"
#include "COleDateTime.h"
#include "CPenInfo.h"
#include "ColorRef.h"
#include "CompactText.h"

namespace qb {

// The text forms in which typed values travel through property maps, XML
// attributes and object text. Reading never fails: text that does not parse
// gives the caller's default.
class ValueText {
public:
    static std::string FromInt(std::int32_t value);
    static std::string FromBool(bool value);
    static std::string FromColour(ColorRef value);
    static std::string FromDate(const COleDateTime& value);
    static std::string FromFont(const CFontInfo& value);
    static std::string FromPen(const CPenInfo& value);

    // Leading decimal number with optional sign; a result of 0 counts only
    // when the whole text is "0" (so "00", "abc" and "" give the default).
    static std::int32_t ToInt(std::string_view text, std::int32_t fallback);
    // Exactly "true" or "false"; anything else gives the default.
    static bool ToBool(std::string_view text, bool fallback);
    static ColorRef ToColour(std::string_view text, ColorRef fallback);
    static COleDateTime ToDate(std::string_view text, const COleDateTime& fallback);
    // "face,size,styleBits"; fewer than two commas give the default.
    static CFontInfo ToFont(std::string_view text, const CFontInfo& fallback);
    // "style,width,colour"; fewer than two commas give the default.
    static CPenInfo ToPen(std::string_view text, const CPenInfo& fallback);

    // atoi: optional blanks and sign, then digits; no digits read 0. Values
    // beyond the 32-bit range are clamped instead of overflowing.
    static std::int32_t Atoi(std::string_view text);

    // Alignments are 0, 1 or 2; anything else loads as 0.
    static std::int8_t NormaliseAlignment(std::int32_t value);

    // The equality rule of the typed setters: a setter does nothing when the
    // new value is the same as the old one.
    static bool Same(const std::string& a, const std::string& b) { return a == b; }
    static bool Same(const CompactText& a, const CompactText& b) { return a == b; }
    static bool Same(std::int32_t a, std::int32_t b) { return a == b; }
    static bool Same(std::int8_t a, std::int8_t b) { return a == b; }
    static bool Same(ColorRef a, ColorRef b) { return a == b; }
    static bool Same(bool a, bool b) { return a == b; }
    // Both valid with the same day value, or both null; two invalid dates differ.
    static bool Same(const COleDateTime& a, const COleDateTime& b);
    static bool Same(const CFontInfo& a, const CFontInfo& b) { return a == b; }
    static bool Same(const CPenInfo& a, const CPenInfo& b) { return a == b; }
};

}  // namespace qb
