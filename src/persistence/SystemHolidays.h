#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "CHolidayArray.h"
#include "ErrorSlot.h"

namespace qb {

// The system holiday rules shared by all projects: the file the user names,
// or the built-in Japanese set when that is no readable file.
class SystemHolidays {
public:
    // The file that the unset "MasterHoliday" value stands for: "Holidays.xml"
    // in the program's folder (no folder: the bare name).
    static std::string DefaultPath(const std::string& programFolder);

    // Never null. When the named file cannot be used, `error` tells why and
    // the built-in set is returned; a readable file without rules gives an
    // empty array, since that is how a user turns the system rules off.
    // Never creates a missing file.
    // An empty path stands for the built-in set.
    static std::unique_ptr<CHolidayArray> LoadSystemRules(const std::string& path,
                                                          ErrorSlot& error);
    // The rules of one holiday file, or null with `error` set.
    static std::unique_ptr<CHolidayArray> ReadRules(const std::string& path, ErrorSlot& error);

    // The built-in set, from the "Holidays.xml" compiled into the program.
    static std::unique_ptr<CHolidayArray> BuiltInRules();
    static std::string_view BuiltInXml();
};

}  // namespace qb
