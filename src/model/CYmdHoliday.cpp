#include "CYmdHoliday.h"

namespace qb {

void CYmdHoliday::CopyFrom(const CData& source) {
    CHoliday::CopyFrom(source);
    if (auto* other = dynamic_cast<const CYmdHoliday*>(&source))
        f_ = other->f_;
}

void CYmdHoliday::VisitProperties(PropertyVisitor& visitor) {
    CHoliday::VisitProperties(visitor);
    visitor.Integer("year", f_.year);
    visitor.Integer("month", f_.month);
    visitor.Integer("day", f_.day);
}

bool CYmdHoliday::Matches(const COleDateTime& day, const COleDateTime::Fields& d) const {
    return d.year == f_.year && d.month == f_.month && d.day == f_.day && IsInPeriod(day);
}

}  // namespace qb
