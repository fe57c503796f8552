#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "CsvOptions.h"
#include "ErrorSlot.h"

namespace qb {

class CProject;

// Every live schedule of a project as one line of fourteen separated fields,
// for spreadsheets: the title on the first line, then the schedules in the
// order the project holds them. CP932, lines ending in CR LF, fields never
// quoted.
class CCsvWriter {
public:
    CCsvWriter(std::string path, const CsvOptions& options);

    // Replaces the file at the path only once the whole text is written; the
    // old file stays as it was on failure. False with the reason in GetError.
    bool Write(const CProject& project);

    const ErrorSlot& GetError() const { return error_; }
    std::uint32_t GetErrorCode() const { return error_.GetCode(); }

    // The whole export as CP932 bytes.
    static std::string Format(const CProject& project, const CsvOptions& options);
    // A text as it goes into a field: line breaks dropped, or written as "\n"
    // with backslashes doubled.
    static std::string Escape(std::string_view text, bool ignoreLineBreaks);

private:
    std::string path_;
    CsvOptions options_;
    ErrorSlot error_;
};

}  // namespace qb
