#include "EditStamp.h"

#include "CData.h"

namespace qb {

void EditStamp::Created(CData& object) const {
    object.SetRegistrant(user_);
    object.SetDeleted(false);
    object.SetLastModified(now_);
}

void EditStamp::Changed(CData& object) const {
    object.SetModifier(user_);
    object.SetLastModified(now_);
}

bool EditStamp::Deleted(CData& object) const {
    if (object.IsDeleted())
        return false;
    object.SetDeleted(true);
    Changed(object);
    return true;
}

}  // namespace qb
