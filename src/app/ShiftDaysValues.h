#pragma once

#include <optional>
#include <string>

#include "COleDateTime.h"

namespace qb {

// The values of "値の指定": shift the selected schedules and memos by a number
// of days, or so that the earliest selected schedule starts on a date, and
// what becomes of the schedules' actual dates.
struct ShiftDaysValues {
    enum class Mode { kByDays, kToDate };
    // The four items of "実績の扱い：", in list order.
    enum class Actuals { kShift = 1, kKeep = 2, kClear = 3, kClearWithProgress = 4 };

    // The largest shift either way that still gives valid dates.
    static constexpr int kMaxDays = 3615897;

    Mode mode = Mode::kByDays;
    // The number box as typed, read with the leading-digits rule.
    std::string daysText = "1";
    bool left = true;
    // By date: the day the earliest selected schedule starts on afterwards.
    std::optional<COleDateTime> targetDate;
    Actuals actuals = Actuals::kShift;
};

}  // namespace qb
