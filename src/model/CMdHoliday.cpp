#include "CMdHoliday.h"

namespace qb {

void CMdHoliday::CopyFrom(const CData& source) {
    CHoliday::CopyFrom(source);
    if (auto* other = dynamic_cast<const CMdHoliday*>(&source))
        f_ = other->f_;
}

void CMdHoliday::VisitProperties(PropertyVisitor& visitor) {
    CHoliday::VisitProperties(visitor);
    visitor.Integer("month", f_.month);
    visitor.Integer("day", f_.day);
    visitor.Boolean("transferBySunday", f_.transferBySunday);
}

}  // namespace qb
