#pragma once

#include "CDataArrayOf.h"
#include "CDrawPart.h"

namespace qb {

// The freely placed objects of a project: memos.
class CDrawPartArray : public CDataArrayOf<CDrawPart> {
public:
    using CDataArrayOf::CDataArrayOf;

    int GetType() const override { return kDrawPartArray; }
    std::unique_ptr<CData> Clone() const override { return CloneAs(*this); }
};

}  // namespace qb
