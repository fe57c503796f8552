// Holiday rule files are edited by hand and shipped beside the program, so
// their bytes may be anything.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "HolidayFile.h"
#include "XmlPlatform.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static qb::XmlPlatform platform;  // set up once, not per input
    qb::HolidayFile file;
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    auto holidays = file.ParseHolidays(bytes);
    if (!holidays)
        return 0;
    // Whatever was read must write again and read back to as many elements.
    std::string again;
    if (!file.FormatHolidays(*holidays, again))
        __builtin_trap();
    auto reread = file.ParseHolidays(again);
    if (!reread || reread->GetCount(true) != holidays->GetCount(true))
        __builtin_trap();
    return 0;
}
