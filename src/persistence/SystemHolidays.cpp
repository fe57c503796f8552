#include "SystemHolidays.h"

#include <stdexcept>

#include "FileIo.h"
#include "HolidayFile.h"

namespace qb {

std::string SystemHolidays::DefaultPath(const std::string& programFolder) {
    if (programFolder.empty())
        return "Holidays.xml";
    if (programFolder.back() == '/')
        return programFolder + "Holidays.xml";
    return programFolder + "/Holidays.xml";
}

std::unique_ptr<CHolidayArray> SystemHolidays::ReadRules(const std::string& path,
                                                         ErrorSlot& error) {
    error.Clear();
    std::string bytes;
    std::uint32_t code = 0;
    // Read without the holiday file reader's habit of creating a missing
    // file: a wrong setting must not leave empty files behind.
    if (!FileIo::ReadAll(path, bytes, code, false)) {
        error.Set(code);
        return nullptr;
    }
    HolidayFile file;
    auto rules = file.ParseHolidays(bytes);
    if (!rules)
        error = file.GetError();
    return rules;
}

std::unique_ptr<CHolidayArray> SystemHolidays::LoadSystemRules(const std::string& path,
                                                               ErrorSlot& error) {
    error.Clear();
    if (path.empty())
        return BuiltInRules();
    if (auto rules = ReadRules(path, error))
        return rules;
    return BuiltInRules();
}

std::unique_ptr<CHolidayArray> SystemHolidays::BuiltInRules() {
    HolidayFile file;
    auto rules = file.ParseHolidays(BuiltInXml());
    // The text is part of the program and checked by its tests.
    if (!rules)
        throw std::logic_error("built-in holiday rules do not parse: " +
                               file.GetError().GetMessage());
    return rules;
}

}  // namespace qb
