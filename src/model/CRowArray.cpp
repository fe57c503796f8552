#include "CRowArray.h"

namespace qb {

CRowArray::CRowArray(std::int32_t objectId, CRow* owner) : CDataArrayOf(objectId), owner_(owner) {}

bool CRowArray::Accepts(const CData& element) const {
    if (!CDataArrayOf::Accepts(element))
        return false;
    for (const CRow* row = owner_; row; row = row->GetParentRow()) {
        if (row == &element)
            return false;
    }
    return true;
}

void CRowArray::Adopted(CData& element) {
    static_cast<CRow&>(element).holder_ = this;
}

void CRowArray::Released(CData& element) {
    auto& row = static_cast<CRow&>(element);
    if (row.holder_ == this)
        row.holder_ = nullptr;
}

}  // namespace qb
