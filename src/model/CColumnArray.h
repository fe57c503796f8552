#pragma once

#include "CColumn.h"
#include "CDataArrayOf.h"

namespace qb {

// The project's columns, in display order.
class CColumnArray : public CDataArrayOf<CColumn> {
public:
    using CDataArrayOf::CDataArrayOf;

    int GetType() const override { return kColumnArray; }
    std::unique_ptr<CData> Clone() const override { return CloneAs(*this); }
};

}  // namespace qb
