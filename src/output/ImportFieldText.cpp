#include "ImportFieldText.h"

#include "DateEntry.h"

namespace qb {
namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The digits as a number that stops growing past limit, so that no text can
// overflow it.
long long Saturated(std::string_view digits, long long limit) {
    long long value = 0;
    for (char c : digits) {
        value = value * 10 + (c - '0');
        if (value > limit)
            return limit + 1;
    }
    return value;
}

std::optional<long long> Signed(std::string_view text, long long limit) {
    const bool negative = !text.empty() && text.front() == '-';
    if (negative)
        text.remove_prefix(1);
    if (!ImportFieldText::IsDigits(text))
        return std::nullopt;
    const long long value = Saturated(text, limit);
    return negative ? -value : value;
}

}  // namespace

bool ImportFieldText::IsDigits(std::string_view text) {
    if (text.empty())
        return false;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

std::optional<ColorRef> ImportFieldText::Colour(std::string_view text) {
    if (text.size() != 6)
        return std::nullopt;
    ColorRef rgb = 0;
    for (char c : text) {
        const int digit = HexDigit(c);
        if (digit < 0)
            return std::nullopt;
        rgb = (rgb << 4) | static_cast<ColorRef>(digit);
    }
    const ColorRef red = (rgb >> 16) & 0xFF;
    const ColorRef green = (rgb >> 8) & 0xFF;
    const ColorRef blue = rgb & 0xFF;
    return red | (green << 8) | (blue << 16);
}

std::optional<int> ImportFieldText::Integer(std::string_view text, int low, int high) {
    const std::optional<long long> value = Signed(text, 1LL << 40);
    if (!value || *value < low || *value > high)
        return std::nullopt;
    return static_cast<int>(*value);
}

std::optional<int> ImportFieldText::Clamped(std::string_view text, int low, int high) {
    const std::optional<long long> value = Signed(text, 1LL << 40);
    if (!value)
        return std::nullopt;
    if (*value < low)
        return low;
    if (*value > high)
        return high;
    return static_cast<int>(*value);
}

std::optional<int> ImportFieldText::Offset(std::string_view text) {
    if (text == "0")
        return 0;
    if (text.starts_with("0"))
        text.remove_prefix(1);
    if (!text.starts_with("."))
        return std::nullopt;
    text.remove_prefix(1);
    if (!IsDigits(text))
        return std::nullopt;
    int value = 0;
    for (std::size_t i = 0; i < 4; ++i)
        value = value * 10 + (i < text.size() ? text[i] - '0' : 0);
    return value;
}

std::optional<int> ImportFieldText::Tenths(std::string_view text) {
    const std::size_t point = text.find('.');
    std::string_view whole = text.substr(0, point);
    std::string_view fraction;
    if (point != std::string_view::npos) {
        fraction = text.substr(point + 1);
        if (fraction.size() != 1 || !IsDigits(fraction))
            return std::nullopt;
    }
    if (!IsDigits(whole))
        return std::nullopt;
    const long long value =
        Saturated(whole, 1000) * 10 + (fraction.empty() ? 0 : fraction[0] - '0');
    if (value > 1000)
        return std::nullopt;
    return static_cast<int>(value);
}

ImportFieldText::DateError ImportFieldText::Date(std::string_view text, bool timed,
                                                 COleDateTime& out) {
    if (!IsDigits(text))
        return DateError::kForm;
    if (!DateEntry::IsValidCompactDate(text.substr(0, 8)))
        return DateError::kDatePart;
    out = DateEntry::ParseCompactDate(text.substr(0, timed ? 12 : 8));
    if (!out.IsValid())
        return DateError::kTimePart;
    return DateError::kNone;
}

}  // namespace qb
