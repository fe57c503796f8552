#pragma once

#include <ctime>
#include <functional>
#include <string>

namespace qb {

class WorkingFolders;

// The dated history copies kept in "History" beside a project file: before
// loading, the file is copied aside; after a good load the copy becomes
// History/<name>.YYYYMMDD.qbd, dated by the file's last change.
class HistoryCopy {
public:
    // Seconds since the epoch, as time() gives them.
    using Clock = std::function<std::time_t()>;

    explicit HistoryCopy(WorkingFolders& folders) : folders_(folders) {}
    HistoryCopy(WorkingFolders& folders, Clock clock)
        : folders_(folders), clock_(std::move(clock)) {}

    // Phase 1: true when the intermediate copy was made. saveHistory is the
    // user's setting; the folder's own "Quellbrandiren.ini" may override it.
    bool Prepare(const std::string& path, bool saveHistory);
    // Phase 2, after a successful load.
    void Finish(const std::string& path, bool projectHasRows);

    // True for a name such as "plan.20110305.qbd": a history copy itself.
    static bool IsHistoryName(const std::string& fileName);
    // "plan.qbd" last written on 5 March 2011 -> "plan.20110305.qbd".
    static std::string TargetName(const std::string& fileName, std::time_t lastWrite);
    // The intermediate copy of path in the backup folder; empty without one.
    std::string IntermediateFor(const std::string& path);

private:
    std::time_t Now() const { return clock_ ? clock_() : std::time(nullptr); }

    WorkingFolders& folders_;
    Clock clock_;
};

}  // namespace qb
