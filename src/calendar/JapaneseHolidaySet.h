#pragma once

#include <memory>

#include "CHolidayArray.h"

namespace qb {

// Builds the national holidays of Japan as holiday rules, from the law of
// 1948 on: yearly rules with validity periods where the law names a date or
// a weekday, dated rules for the equinox days, the one-off days, the days
// moved in 2020 and 2021, 国民の休日 and the 振替休日 that a one-day move
// cannot express. The shipped "Holidays.xml" is this set written out.
class JapaneseHolidaySet {
public:
    // Dated rules run to the end of this year; the yearly rules stay open.
    static constexpr int kLastYear = 2050;

    static std::unique_ptr<CHolidayArray> Build();

    // Day of March and of September by the usual approximation of the
    // equinox in Japan time, good for 1900-2099.
    static int VernalEquinoxDay(int year);
    static int AutumnalEquinoxDay(int year);
};

}  // namespace qb
