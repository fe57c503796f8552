#pragma once

#include "CDataArrayOf.h"
#include "CSchedule.h"

namespace qb {

// All schedules of a project, whatever row they lie on.
class CScheduleArray : public CDataArrayOf<CSchedule> {
public:
    using CDataArrayOf::CDataArrayOf;

    int GetType() const override { return kScheduleArray; }
    std::unique_ptr<CData> Clone() const override { return CloneAs(*this); }
};

}  // namespace qb
