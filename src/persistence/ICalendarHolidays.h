#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "CHolidayArray.h"
#include "ErrorSlot.h"

namespace qb {

// Holiday rules from an iCalendar file (.ics), as company and regional
// calendars are published. Each all-day event becomes rules of the calendar:
// a one-off date for every day of a single event, a yearly date or a yearly
// n-th weekday for a yearly recurrence. Events with a time of day, cancelled
// events and recurrences no rule can express are left out and counted, so
// that the user sees what was not taken. A file the parser cannot read
// cleanly is refused whole.
class ICalendarHolidays {
public:
    struct Result {
        std::unique_ptr<CHolidayArray> rules;
        int timedEvents = 0;        // events with a time of day
        int unsupportedEvents = 0;  // cancelled, too long, or an unexpressible recurrence
    };

    static constexpr const char* kNotCalendar = "iCalendar ファイルではありません。";
    // Followed by the parser's own description of the first fault.
    static constexpr const char* kDamaged = "iCalendar ファイルの内容に誤りがあります。\n";

    // Nothing after a failure; GetError then says why.
    std::optional<Result> Read(const std::string& path);
    std::optional<Result> Parse(std::string_view bytes);

    const ErrorSlot& GetError() const { return error_; }

private:
    ErrorSlot error_;
};

}  // namespace qb
