#pragma once

#include <istream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "EditStamp.h"
#include "ImportLineReader.h"
#include "ImportRowIndex.h"

namespace qb {

class CProject;
class CRow;
class ImportLog;

// What one import did.
struct ImportSummary {
    int rows = 0;
    int schedules = 0;
    // Records that could not be imported, and lines that held no record.
    int failed = 0;
    int skipped = 0;
    // A row record failed and the rest of the file was not read.
    bool stopped = false;

    bool Changed() const { return rows + schedules > 0; }
};

// Reads an import file into a project, line by line: row records build a
// tree of new rows (each placed by its level relative to the row imported
// before it), schedule records put new schedules on rows that exist or were
// just imported. Every line gets its entry in the log. The caller owns the
// edit around it and the log's beginning and end.
class Importer {
public:
    // defaultRowHeight: the user's height for new rows, used when the project
    // has none of its own.
    Importer(CProject& project, const EditStamp& stamp, ImportLog& log, int defaultRowHeight)
        : project_(project),
          stamp_(stamp),
          log_(log),
          rows_(project),
          defaultRowHeight_(defaultRowHeight) {}

    ImportSummary Run(std::istream& in);
    // What was done so far (also after Run ended by an exception).
    const ImportSummary& Summary() const { return summary_; }

private:
    // False when the import stops after this line.
    bool Take(const ImportLineReader::Line& line);
    bool Skip(const ImportLineReader::Line& line, std::string_view reason);
    bool TakeRow(int line);
    void TakeSchedule(int line);
    void Place(std::unique_ptr<CRow> row, int level);

    CProject& project_;
    EditStamp stamp_;
    ImportLog& log_;
    ImportRowIndex rows_;
    int defaultRowHeight_;
    std::vector<std::string_view> fields_;
    ImportSummary summary_;
    // The row imported last and its level; none before the first.
    CRow* lastRow_ = nullptr;
    int lastLevel_ = -1;
};

}  // namespace qb
