#include "CGuiRowArray.h"

#include "CGuiRow.h"

namespace qb {

CGuiRowArray::CGuiRowArray(CGuiRow* owner) : owner_(owner) {}

CGuiRowArray::~CGuiRowArray() = default;

CGuiRow* CGuiRowArray::Add(std::unique_ptr<CGuiRow> row) {
    row->SetIndex(static_cast<std::int32_t>(rows_.size()));
    rows_.push_back(std::move(row));
    return rows_.back().get();
}

void CGuiRowArray::Clear() {
    rows_.clear();
}

}  // namespace qb
