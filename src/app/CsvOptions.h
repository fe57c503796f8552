#pragma once

namespace qb {

// The CSV export's choices, as the export dialog offers them; the defaults
// are the dialog's.
struct CsvOptions {
    // Between fields: a tab, else a comma.
    bool tabSeparated = true;
    // Between the row texts of the row path: "/", else "\".
    bool slashPath = true;
    // Line breaks inside texts are dropped; off: written as "\n".
    bool ignoreLineBreaks = true;

    bool operator==(const CsvOptions&) const = default;
};

}  // namespace qb
