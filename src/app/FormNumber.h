#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qb {

// The number fields of the property dialogs: what a user types (blanks
// around it, full-width digits from a Japanese input method) read as a
// whole number within a range.
class FormNumber {
public:
    // The number, or nothing when the text is not a whole number in
    // [low, high].
    static std::optional<int> Parse(std::string_view text, int low, int high);
    // The same with up to one decimal place, in tenths ("12.5" is 125).
    static std::optional<int> ParseTenths(std::string_view text, int low, int high);
    // Tenths as the field shows them: "12.5", "40".
    static std::string TenthsText(int tenths);
    // The text with full-width digits, point and minus made plain and blanks
    // (also the ideographic space) trimmed.
    static std::string Plain(std::string_view text);
};

}  // namespace qb
