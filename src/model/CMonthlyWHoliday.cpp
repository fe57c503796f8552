#include "CMonthlyWHoliday.h"

namespace qb {

CMonthlyWHoliday::CMonthlyWHoliday(std::int32_t dayOfWeek, std::int32_t weekNo) {
    f_.dayOfWeek = dayOfWeek;
    f_.weekNo = weekNo;
}

void CMonthlyWHoliday::CopyFrom(const CData& source) {
    CHoliday::CopyFrom(source);
    if (auto* other = dynamic_cast<const CMonthlyWHoliday*>(&source))
        f_ = other->f_;
}

void CMonthlyWHoliday::VisitProperties(PropertyVisitor& visitor) {
    CHoliday::VisitProperties(visitor);
    visitor.Integer("dayOfWeek", f_.dayOfWeek);
    visitor.Integer("weekNo", f_.weekNo);
}

bool CMonthlyWHoliday::Matches(const COleDateTime& day, const COleDateTime::Fields& d) const {
    return d.dayOfWeek == f_.dayOfWeek && IsWeekOfMonth(d, f_.weekNo) && IsInPeriod(day);
}

}  // namespace qb
