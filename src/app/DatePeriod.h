#pragma once

#include "COleDateTime.h"

namespace qb {

// A span of whole days, from and to both included.
struct DatePeriod {
    COleDateTime from;
    COleDateTime to;
};

}  // namespace qb
