#pragma once

#include <string>

#include "COleDateTime.h"

namespace qb {

class CalendarSettings;

// Names a year in the Japanese eras (昭和, 平成, 令和) or in the custom era a
// user may set up to follow 令和. Eras change with the year, except in 2019,
// where 平成 ends with April.
class EraYear {
public:
    // No custom era.
    EraYear() = default;
    // The custom era counts from the month of start; it takes part only when
    // its name is not empty and start is a valid day other than the zero date.
    EraYear(std::string customName, std::string customShortName, const COleDateTime& start);
    // The custom era of the "Heisei3" and "Heisei3Date" settings.
    static EraYear FromSettings(const CalendarSettings& settings);

    // "平成29", "平成元", "1925"; the custom era's name followed by the number.
    std::string LongForm(int year, int month) const;
    // "H29", "S1", "R1", "1925"; the custom era's short name followed by the number.
    std::string ShortForm(int year, int month) const;

    bool IsCustomEraInForce(int year, int month) const;

private:
    std::string customName_;
    std::string customShortName_;
    int startYear_ = 0;
    int startMonth_ = 0;
};

}  // namespace qb
