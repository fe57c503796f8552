#include "CMwHoliday.h"

namespace qb {

void CMwHoliday::CopyFrom(const CData& source) {
    CHoliday::CopyFrom(source);
    if (auto* other = dynamic_cast<const CMwHoliday*>(&source))
        f_ = other->f_;
}

void CMwHoliday::VisitProperties(PropertyVisitor& visitor) {
    CHoliday::VisitProperties(visitor);
    visitor.Integer("month", f_.month);
    visitor.Integer("dayOfWeek", f_.dayOfWeek);
    visitor.Integer("weekNo", f_.weekNo);
}

bool CMwHoliday::Matches(const COleDateTime& day, const COleDateTime::Fields& d) const {
    return d.month == f_.month && d.dayOfWeek == f_.dayOfWeek && IsWeekOfMonth(d, f_.weekNo) &&
           IsInPeriod(day);
}

}  // namespace qb
