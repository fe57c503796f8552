#pragma once

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

private:
    CStatus& status_;
};

}  // namespace qb
