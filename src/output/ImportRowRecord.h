#pragma once

#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace qb {

class CProject;
class CRow;
class ImportLog;

// A row record ("RA") of an import file: field 3 the level in the imported
// tree, field 4 the text, then colours, size, reference, the two line pens,
// where the column values start and the column values themselves. Values
// that cannot be taken as written are corrected and the correction logged.
class ImportRowRecord {
public:
    struct Result {
        std::unique_ptr<CRow> row;
        int level = 0;
    };

    // previousLevel: the level of the row imported last, or -1 before the
    // first. defaultHeight: the user's height for new rows, used when the
    // project has none. Nothing when the record cannot be imported (its
    // reason logged). The row has no id yet.
    static std::optional<Result> Read(const std::vector<std::string_view>& fields,
                                      const CProject& project, int previousLevel, int defaultHeight,
                                      ImportLog& log, int line);
};

}  // namespace qb
