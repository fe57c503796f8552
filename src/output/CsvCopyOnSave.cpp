#include "CsvCopyOnSave.h"

#include "CStatus.h"

namespace qb {

CsvCopyOnSave::CsvCopyOnSave(CStatus& status) : status_(status) {}

void CsvCopyOnSave::ProjectSaved(const CProject& /*project*/, const std::string& /*path*/) {
    (void)status_;
}

}  // namespace qb
