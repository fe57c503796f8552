#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "AppMessage.h"
#include "EditResult.h"
#include "ShiftDaysValues.h"

namespace qb {

class CProject;
class Document;
class EditSession;
class EditStamp;

// Moves schedules and memos along the time axis by whole days: the shift of
// "値の指定" worked out from the dialog's values, and applied to the objects
// as one edit transaction.
class DayShift {
public:
    // Said when the days typed would move dates out of the calendar.
    static constexpr AppMessage kTooFar{0,
                                        "ずらす日数は -3615897 から 3615897 の間で指定して下さい。",
                                        PromptIcon::kWarning, PromptButtons::kOk};

    // Said when a date moved that far would leave the calendar.
    static constexpr AppMessage kOutOfCalendar{
        0, "ずらした後の日付が、扱える範囲（100年～9999年）を外れるオブジェクトがあります。",
        PromptIcon::kWarning, PromptButtons::kOk};

    // The number of days the values ask for: the number typed (negated to
    // the left), or from the earliest start among the schedules of ids to
    // the target date. May lie beyond kMaxDays.
    static std::int64_t Days(const ShiftDaysValues& values, const CProject& project,
                             const std::vector<std::int32_t>& ids);
    static bool InRange(std::int64_t days);
    // The earliest start among the live schedules of ids at 00:00 of its
    // day; null when ids name none with a start.
    static COleDateTime EarliestStartDay(const CProject& project,
                                         const std::vector<std::int32_t>& ids);

    // Every date Apply would move stays a valid date.
    static bool StaysInCalendar(const CProject& project, const std::vector<std::int32_t>& ids,
                                int days, ShiftDaysValues::Actuals actuals);
    // Moves the schedules and memos of ids by days and treats the schedules'
    // actual dates as asked; ids of other or gone objects are passed over.
    // Stamps every object that changed and returns how many did.
    static int Apply(CProject& project, const std::vector<std::int32_t>& ids, int days,
                     ShiftDaysValues::Actuals actuals, const EditStamp& stamp);

    // The whole change in one edit transaction: refused with kTooFar beyond
    // the limit or kOutOfCalendar when a date would leave the calendar, failed (shown already) when
    // the file could not be taken. A change that moves nothing leaves no step to undo.
    static EditResult Run(Document& document, EditSession& edit,
                          const std::vector<std::int32_t>& ids, const ShiftDaysValues& values);
};

}  // namespace qb
