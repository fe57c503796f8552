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

CGuiRow* CGuiRowArray::Insert(std::size_t index, std::unique_ptr<CGuiRow> row) {
    CGuiRow* raw = row.get();
    rows_.insert(rows_.begin() + static_cast<std::ptrdiff_t>(index), std::move(row));
    for (std::size_t i = index; i < rows_.size(); ++i)
        rows_[i]->SetIndex(static_cast<std::int32_t>(i));
    return raw;
}

CGuiRow* CGuiRowArray::Replace(std::size_t index, std::unique_ptr<CGuiRow> row) {
    row->SetIndex(static_cast<std::int32_t>(index));
    rows_[index] = std::move(row);
    return rows_[index].get();
}

void CGuiRowArray::Truncate(std::size_t count) {
    if (count < rows_.size())
        rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(count), rows_.end());
}

void CGuiRowArray::Clear() {
    rows_.clear();
}

}  // namespace qb
