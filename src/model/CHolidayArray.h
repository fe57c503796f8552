#pragma once

#include "CDataArrayOf.h"
#include "CHoliday.h"

namespace qb {

// A set of holiday rules of any kind.
class CHolidayArray : public CDataArrayOf<CHoliday> {
public:
    using CDataArrayOf::CDataArrayOf;

    int GetType() const override { return kHolidayArray; }
    std::unique_ptr<CData> Clone() const override { return CloneAs(*this); }
};

}  // namespace qb
