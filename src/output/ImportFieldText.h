#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "COleDateTime.h"
#include "ColorRef.h"

namespace qb {

// How the fields of an import line read as values. Nothing here throws or
// overflows: a text that is not what a field wants reads as nothing.
class ImportFieldText {
public:
    // Exactly six hexadecimal digits (either case), red, green, blue.
    static std::optional<ColorRef> Colour(std::string_view text);
    // An optional minus and decimal digits only, within [low, high].
    static std::optional<int> Integer(std::string_view text, int low, int high);
    // Like Integer, but a number outside the range is moved to its nearer end.
    static std::optional<int> Clamped(std::string_view text, int low, int high);
    // A fraction of a day in ten-thousandths: "0", or a point and digits with
    // "0" or nothing before it; digits past the fourth are cut off.
    static std::optional<int> Offset(std::string_view text);
    // A percentage with at most one decimal place, as tenths (45.5 is 455),
    // within [0, 1000].
    static std::optional<int> Tenths(std::string_view text);
    static bool IsDigits(std::string_view text);

    enum class DateError { kNone, kForm, kDatePart, kTimePart };
    // A compact date: eight digits, or with timed twelve (the time of day
    // after the date). The length is the caller's to check.
    static DateError Date(std::string_view text, bool timed, COleDateTime& out);
};

}  // namespace qb
