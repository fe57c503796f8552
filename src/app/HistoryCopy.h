#pragma once

#include <string>

namespace qb {

class WorkingFolders;

// The dated history copies kept in "History" beside a project file: before
// loading, the file is copied aside; after a good load the copy becomes
// History/<name>.YYYYMMDD.qbd, dated by the file's last change.
class HistoryCopy {
public:
    explicit HistoryCopy(WorkingFolders& folders) : folders_(folders) {}

    // Phase 1: true when the intermediate copy was made. saveHistory is the
    // user's setting; the folder's own "Quellbrandiren.ini" may override it.
    bool Prepare(const std::string& path, bool saveHistory);
    // Phase 2, after a successful load.
    void Finish(const std::string& path, bool projectHasRows);

private:
    WorkingFolders& folders_;
};

}  // namespace qb
