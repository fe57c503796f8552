#include "CStyleData.h"

namespace qb {

CStyleData::CStyleData(std::int32_t objectId)
    : CData(objectId), styles_(std::make_unique<CScheduleStyleArray>()) {
    styles_->AddListener(this);
}

}  // namespace qb
