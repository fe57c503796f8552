#include "CHoliday.h"

namespace qb {

void CHoliday::CopyFrom(const CData& source) {
    CData::CopyFrom(source);
    if (auto* other = dynamic_cast<const CHoliday*>(&source))
        f_ = other->f_;
}

bool CHoliday::IsInPeriod(const COleDateTime& day) const {
    if (f_.startDate.IsValid() && day < f_.startDate)
        return false;
    if (f_.endDate.IsValid() && day > f_.endDate)
        return false;
    return true;
}

bool CHoliday::MatchesDay(const COleDateTime& day) const {
    COleDateTime::Fields fields;
    return day.IsValid() && day.GetFields(fields) && Matches(day, fields);
}

void CHoliday::VisitProperties(PropertyVisitor& visitor) {
    CData::VisitProperties(visitor);
    visitor.Text("name", f_.name);
    visitor.Boolean("forceNotHoliday", f_.forceNotHoliday);
    visitor.Date("startDate", f_.startDate);
    visitor.Date("endDate", f_.endDate);
}

}  // namespace qb
