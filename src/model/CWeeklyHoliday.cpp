#include "CWeeklyHoliday.h"

namespace qb {

CWeeklyHoliday::CWeeklyHoliday(std::int32_t dayOfWeek) : dayOfWeek_(dayOfWeek) {}

void CWeeklyHoliday::CopyFrom(const CData& source) {
    CHoliday::CopyFrom(source);
    if (auto* other = dynamic_cast<const CWeeklyHoliday*>(&source))
        dayOfWeek_ = other->dayOfWeek_;
}

void CWeeklyHoliday::VisitProperties(PropertyVisitor& visitor) {
    CHoliday::VisitProperties(visitor);
    visitor.Integer("dayOfWeek", dayOfWeek_);
}

bool CWeeklyHoliday::Matches(const COleDateTime& day, const COleDateTime::Fields& d) const {
    return d.dayOfWeek == dayOfWeek_ && IsInPeriod(day);
}

}  // namespace qb
