#include "CMonthlyHoliday.h"

namespace qb {

CMonthlyHoliday::CMonthlyHoliday(std::int32_t day, bool transferBySunday) {
    f_.day = day;
    f_.transferBySunday = transferBySunday;
}

void CMonthlyHoliday::CopyFrom(const CData& source) {
    CHoliday::CopyFrom(source);
    if (auto* other = dynamic_cast<const CMonthlyHoliday*>(&source))
        f_ = other->f_;
}

void CMonthlyHoliday::VisitProperties(PropertyVisitor& visitor) {
    CHoliday::VisitProperties(visitor);
    visitor.Integer("day", f_.day);
    visitor.Boolean("transferBySunday", f_.transferBySunday);
}

bool CMonthlyHoliday::Matches(const COleDateTime& day, const COleDateTime::Fields& d) const {
    auto isRuleDay = [this](const COleDateTime::Fields& f) { return f.day == f_.day; };
    return (isRuleDay(d) || (f_.transferBySunday && IsMondayAfter(day, d, isRuleDay))) &&
           IsInPeriod(day);
}

}  // namespace qb
