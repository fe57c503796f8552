#pragma once

#include "CDataArrayOf.h"
#include "CRow.h"

namespace qb {

// Rows of one level: the project's top-level rows, or a row's children.
class CRowArray : public CDataArrayOf<CRow> {
public:
    explicit CRowArray(std::int32_t objectId = 0, CRow* owner = nullptr);

    int GetType() const override { return kRowArray; }
    std::unique_ptr<CData> Clone() const override { return CloneAs(*this); }

    // The row whose children these are; null for the top level.
    CRow* GetOwner() const { return owner_; }
    // A row may not become a child of itself or of one of its descendants.
    bool Accepts(const CData& element) const override;

protected:
    void Adopted(CData& element) override;
    void Released(CData& element) override;

private:
    CRow* owner_;
};

}  // namespace qb
