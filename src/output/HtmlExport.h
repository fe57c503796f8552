#pragma once

#include <cstdint>
#include <string>

namespace qb {

class CStatus;

// The chart's rows and schedules as the HTML table, for the export dialog and
// the list in the browser: what the window shows (folded and filtered rows
// left out) with the user's list settings and style sheet.
class HtmlExport {
public:
    // Replaces the file at path only once the whole page is written; false
    // with the program's error number, the old file then untouched.
    static bool Write(CStatus& status, const std::string& path, std::uint32_t& error);
};

}  // namespace qb
