#pragma once

#include "CDataArrayOf.h"
#include "CScheduleStyle.h"

namespace qb {

// A set of favourite shapes.
class CScheduleStyleArray : public CDataArrayOf<CScheduleStyle> {
public:
    using CDataArrayOf::CDataArrayOf;

    int GetType() const override { return kScheduleStyleArray; }
    std::unique_ptr<CData> Clone() const override { return CloneAs(*this); }
};

}  // namespace qb
