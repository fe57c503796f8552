#pragma once

#include <string>

#include "ISaveCompanion.h"

namespace qb {

class CStatus;

// The CSV copy the hidden option writes after every successful save: the
// project path with "csv" for its extension, tab-separated, "\" between the
// row texts.
class CsvCopyOnSave : public ISaveCompanion {
public:
    explicit CsvCopyOnSave(CStatus& status);

    void ProjectSaved(const CProject& project, const std::string& path) override;

    // The file name's extension replaced by "csv", or ".csv" added when it
    // has none. A dot in a folder name does not count.
    static std::string CopyPath(const std::string& projectPath);

private:
    CStatus& status_;
};

}  // namespace qb
