#pragma once

#include <string_view>

#include "COleDateTime.h"

namespace qb {

// What the date and time entry fields of dialogs accept. Characters are bytes;
// each part is read as the leading decimal number of its characters, and a
// part without leading digits reads 0.
class DateEntry {
public:
    // "yyyymmdd" with 1900 <= yyyy <= 2200 and a day that exists in that month;
    // characters after the eighth are not looked at.
    static bool IsValidCompactDate(std::string_view text);
    // "yyyymmdd" optionally followed by "hhmm"; a time part shorter than four
    // characters is ignored. Anything unacceptable gives an invalid value.
    static COleDateTime ParseCompactDate(std::string_view text);

    // "hhmm", "hh:mm" or "hmm" (any ':' is dropped).
    static bool IsValidTime(std::string_view text);
    // 2000-01-01 at the time entered, or null when the text is not a time.
    static COleDateTime ParseTime(std::string_view text);
};

}  // namespace qb
