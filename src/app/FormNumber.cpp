#include "FormNumber.h"

#include <cstdint>

namespace qb {
namespace {

// Full-width forms are three UTF-8 bytes: U+FF10..U+FF19 are EF BC 90..99,
// U+FF0E (point) is EF BC 8E, U+FF0D (minus) is EF BC 8D, U+3000 is E3 80 80.
bool FullWidth(std::string_view text, std::size_t i, char& plain) {
    if (i + 2 >= text.size())
        return false;
    const auto b0 = static_cast<std::uint8_t>(text[i]);
    const auto b1 = static_cast<std::uint8_t>(text[i + 1]);
    const auto b2 = static_cast<std::uint8_t>(text[i + 2]);
    if (b0 == 0xE3 && b1 == 0x80 && b2 == 0x80) {
        plain = ' ';
        return true;
    }
    if (b0 != 0xEF || b1 != 0xBC)
        return false;
    if (b2 >= 0x90 && b2 <= 0x99) {
        plain = static_cast<char>('0' + (b2 - 0x90));
        return true;
    }
    if (b2 == 0x8E || b2 == 0x8D) {
        plain = b2 == 0x8E ? '.' : '-';
        return true;
    }
    return false;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Digits only, at most nine of them so that the value fits an int.
std::optional<int> Digits(std::string_view digits) {
    if (digits.empty() || digits.size() > 9)
        return std::nullopt;
    int value = 0;
    for (const char c : digits) {
        if (!IsDigit(c))
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::optional<int> InRange(std::optional<int> value, int low, int high) {
    if (!value || *value < low || *value > high)
        return std::nullopt;
    return value;
}

}  // namespace

std::string FormNumber::Plain(std::string_view text) {
    std::string plain;
    for (std::size_t i = 0; i < text.size();) {
        char c = 0;
        if (FullWidth(text, i, c)) {
            plain += c;
            i += 3;
        } else {
            plain += text[i++];
        }
    }
    const std::size_t first = plain.find_first_not_of(" \t");
    if (first == std::string::npos)
        return std::string();
    const std::size_t last = plain.find_last_not_of(" \t");
    return plain.substr(first, last - first + 1);
}

std::optional<int> FormNumber::Parse(std::string_view text, int low, int high) {
    const std::string plain = Plain(text);
    const bool negative = !plain.empty() && plain[0] == '-';
    std::optional<int> value = Digits(std::string_view(plain).substr(negative ? 1 : 0));
    if (value && negative)
        value = -*value;
    return InRange(value, low, high);
}

std::optional<int> FormNumber::ParseTenths(std::string_view text, int low, int high) {
    const std::string plain = Plain(text);
    const std::size_t point = plain.find('.');
    if (point == std::string::npos) {
        const std::optional<int> whole = Digits(plain);
        if (!whole || *whole > 99999999)
            return std::nullopt;
        return InRange(*whole * 10, low, high);
    }
    const std::optional<int> whole = Digits(plain.substr(0, point));
    const std::string fraction = plain.substr(point + 1);
    if (!whole || fraction.size() != 1 || !IsDigit(fraction[0]) || *whole > 99999999)
        return std::nullopt;
    return InRange(*whole * 10 + (fraction[0] - '0'), low, high);
}

std::string FormNumber::TenthsText(int tenths) {
    std::string text = std::to_string(tenths / 10);
    if (tenths % 10 != 0)
        text += "." + std::to_string(tenths % 10);
    return text;
}

}  // namespace qb
