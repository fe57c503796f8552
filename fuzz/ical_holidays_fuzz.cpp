// Company and regional holiday calendars come as iCalendar files from anywhere.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "HolidayFile.h"
#include "ICalendarHolidays.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    qb::ICalendarHolidays reader;
    auto result = reader.Parse(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!result) {
        if (reader.GetError().GetMessage().empty())  // every refusal says why
            __builtin_trap();
        return 0;
    }
    // Whatever was taken is a rule the holiday file holds and reads back whole.
    qb::HolidayFile file;
    std::string bytes;
    if (!file.FormatHolidays(*result->rules, bytes))
        __builtin_trap();
    auto again = file.ParseHolidays(bytes);
    if (!again || again->GetCount() != result->rules->GetCount())
        __builtin_trap();
    return 0;
}
