#pragma once

#include <memory>
#include <string_view>
#include <vector>

namespace qb {

class CSchedule;
class ImportLog;
class ImportRowIndex;

// A schedule record ("SA": the row by its id, "SB": by its text) of an
// import file: caption, dates and offsets, actual dates, progress, colours,
// remark, quantities, reference, shape and caption place, edge, end points
// and load weight. A record without a row or with dates that cannot be read
// is not imported; every other value that cannot be taken as written is
// corrected, and the correction logged.
class ImportScheduleRecord {
public:
    static constexpr int kMaxWeight = 99999999;

    // The schedule on its row, without an id yet; null when the record
    // cannot be imported (the reasons logged).
    static std::unique_ptr<CSchedule> Read(const std::vector<std::string_view>& fields,
                                           ImportRowIndex& rows, ImportLog& log, int line);
};

}  // namespace qb
