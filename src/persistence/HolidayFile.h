#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "CHolidayArray.h"
#include "ErrorSlot.h"
#include "XmlObjectMapping.h"
#include "XmlPlatform.h"

namespace qb {

// A holiday rule file: the document element "holidayarray" holding one
// element per rule. After a null or false result GetError says why; a failed
// read hands back nothing, so the caller keeps the rules it had.
class HolidayFile {
public:
    std::unique_ptr<CHolidayArray> ReadHolidayFile(const std::string& path);
    bool WriteHolidayFile(const std::string& path, const CHolidayArray& holidays);

    // The same on the bytes of a file.
    std::unique_ptr<CHolidayArray> ParseHolidays(std::string_view bytes);
    bool FormatHolidays(const CHolidayArray& holidays, std::string& bytes);

    const ErrorSlot& GetError() const { return error_; }

private:
    std::unique_ptr<CHolidayArray> Interpret(const xercesc::DOMElement& root) const;

    XmlPlatform platform_;  // first: everything below needs the library
    XmlObjectMapping mapping_;
    ErrorSlot error_;
};

}  // namespace qb
