#pragma once

#include "CData.h"

namespace qb {

// Base of the objects placed freely on the chart; memos are the only kind.
// A plain draw part carries nothing but the common fields.
class CDrawPart : public CData {
public:
    explicit CDrawPart(std::int32_t objectId = 0) : CData(objectId) {}

    int GetType() const override { return kDrawPart; }
    std::unique_ptr<CData> Clone() const override { return CloneAs(*this); }
};

}  // namespace qb
