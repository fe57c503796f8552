#pragma once

#include "CDataArrayOf.h"
#include "CLink.h"

namespace qb {

// All links of a project.
class CLinkArray : public CDataArrayOf<CLink> {
public:
    using CDataArrayOf::CDataArrayOf;

    int GetType() const override { return kLinkArray; }
    std::unique_ptr<CData> Clone() const override { return CloneAs(*this); }
};

}  // namespace qb
