#pragma once

#include "CGuiColumn.h"
#include "CGuiObjectArrayOf.h"

namespace qb {

using CGuiColumnArray = CGuiObjectArrayOf<CGuiColumn>;

}  // namespace qb
