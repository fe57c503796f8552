#include "CHoliday.h"

namespace qb {

void CHoliday::CopyFrom(const CData& source) {
    CData::CopyFrom(source);
    if (auto* other = dynamic_cast<const CHoliday*>(&source))
        f_ = other->f_;
}

void CHoliday::VisitProperties(PropertyVisitor& visitor) {
    CData::VisitProperties(visitor);
    visitor.Text("name", f_.name);
    visitor.Boolean("forceNotHoliday", f_.forceNotHoliday);
    visitor.Date("startDate", f_.startDate);
    visitor.Date("endDate", f_.endDate);
}

}  // namespace qb
