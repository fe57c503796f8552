#pragma once

#include <string>
#include <utility>

#include "COleDateTime.h"
#include "EraYear.h"

namespace qb {

// The label of a ruler cell in each of its unit's formats, from the cell's
// first tick. A format the unit does not offer reads as format 0, and a
// number that is no unit as the day unit, so damaged project settings still
// give a readable ruler.
class RulerLabel {
public:
    RulerLabel() = default;
    explicit RulerLabel(EraYear eras) : eras_(std::move(eras)) {}

    std::string Text(int unit, int format, const COleDateTime& tick) const;

    // Week labels 3 and 8: "1st", "2nd", and "%dth" for every other number.
    static std::string Ordinal(int number);

private:
    std::string DayText(int format, const COleDateTime::Fields& tick) const;
    std::string WeekText(int format, const COleDateTime& tick) const;
    std::string TenDayText(int format, const COleDateTime::Fields& tick) const;
    std::string MonthText(int format, const COleDateTime::Fields& tick) const;
    std::string YearText(int format, bool fiscal, const COleDateTime::Fields& tick) const;

    EraYear eras_;
};

}  // namespace qb
