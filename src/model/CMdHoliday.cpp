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

bool CMdHoliday::Matches(const COleDateTime& day, const COleDateTime::Fields& d) const {
    auto isRuleDay = [this](const COleDateTime::Fields& f) {
        return f.month == f_.month && f.day == f_.day;
    };
    return (isRuleDay(d) || (f_.transferBySunday && IsMondayAfter(day, d, isRuleDay))) &&
           IsInPeriod(day);
}

}  // namespace qb
