#include "ValueText.h"

#include <algorithm>
#include <limits>

#include "DateText.h"

namespace qb {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Reads an optionally signed decimal number at the start of text (after
// blanks), clamped to the 32-bit range. Sets digits to whether any were read.
std::int32_t LeadingNumber(std::string_view text, bool& digits) {
    std::size_t pos = 0;
    while (pos < text.size() && IsBlank(text[pos]))
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t magnitude = 0;
    digits = false;
    for (; pos < text.size() && IsDigit(text[pos]); ++pos) {
        digits = true;
        magnitude = std::min<std::int64_t>(magnitude * 10 + (text[pos] - '0'), kLimit);
    }
    std::int64_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<std::int32_t>::max()) {
        value = std::numeric_limits<std::int32_t>::max();
    }
    return static_cast<std::int32_t>(value);
}

}  // namespace

std::string ValueText::FromInt(std::int32_t value) {
    return std::to_string(value);
}

std::string ValueText::FromBool(bool value) {
    return value ? "true" : "false";
}

std::string ValueText::FromColour(ColorRef value) {
    return std::to_string(static_cast<std::int32_t>(value));
}

std::string ValueText::FromDate(const COleDateTime& value) {
    return DateText::PropertyText(value);
}

std::string ValueText::FromFont(const CFontInfo& value) {
    if (!value.IsValid())
        return std::string();
    return value.GetFace() + "," + std::to_string(value.GetSize()) + "," +
           std::to_string(value.GetStyleBits());
}

std::string ValueText::FromPen(const CPenInfo& value) {
    return std::to_string(value.GetStyle()) + "," + std::to_string(value.GetWidth()) + "," +
           std::to_string(static_cast<std::int32_t>(value.GetColour()));
}

std::int32_t ValueText::Atoi(std::string_view text) {
    bool digits = false;
    return LeadingNumber(text, digits);
}

std::int32_t ValueText::ToInt(std::string_view text, std::int32_t fallback) {
    bool digits = false;
    std::int32_t value = LeadingNumber(text, digits);
    if (value != 0)
        return value;
    return text == "0" ? 0 : fallback;
}

bool ValueText::ToBool(std::string_view text, bool fallback) {
    if (text == "true")
        return true;
    if (text == "false")
        return false;
    return fallback;
}

ColorRef ValueText::ToColour(std::string_view text, ColorRef fallback) {
    return static_cast<ColorRef>(ToInt(text, static_cast<std::int32_t>(fallback)));
}

COleDateTime ValueText::ToDate(std::string_view text, const COleDateTime& fallback) {
    return DateText::ParsePropertyText(text, fallback);
}

CFontInfo ValueText::ToFont(std::string_view text, const CFontInfo& fallback) {
    std::size_t first = text.find(',');
    if (first == std::string_view::npos)
        return fallback;
    std::size_t second = text.find(',', first + 1);
    if (second == std::string_view::npos)
        return fallback;
    return CFontInfo(std::string(text.substr(0, first)),
                     Atoi(text.substr(first + 1, second - first - 1)),
                     Atoi(text.substr(second + 1)), true);
}

CPenInfo ValueText::ToPen(std::string_view text, const CPenInfo& fallback) {
    std::size_t first = text.find(',');
    if (first == std::string_view::npos)
        return fallback;
    std::size_t second = text.find(',', first + 1);
    if (second == std::string_view::npos)
        return fallback;
    return CPenInfo(Atoi(text.substr(0, first)), Atoi(text.substr(first + 1, second - first - 1)),
                    static_cast<ColorRef>(Atoi(text.substr(second + 1))));
}

std::int8_t ValueText::NormaliseAlignment(std::int32_t value) {
    return static_cast<std::int8_t>(value == 1 || value == 2 ? value : 0);
}

bool ValueText::Same(const COleDateTime& a, const COleDateTime& b) {
    if (a.IsValid() && b.IsValid())
        return a.GetDays() == b.GetDays();
    return a.IsNull() && b.IsNull();
}

}  // namespace qb
