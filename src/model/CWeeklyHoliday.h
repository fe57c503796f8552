#pragma once

#include "CHoliday.h"

namespace qb {

// A holiday on one weekday of every week.
class CWeeklyHoliday : public CHoliday {
public:
    explicit CWeeklyHoliday(std::int32_t dayOfWeek = 0);

    int GetType() const override { return kWeeklyHoliday; }
    std::unique_ptr<CData> Clone() const override { return CloneAs(*this); }
    void CopyFrom(const CData& source) override;
    void VisitProperties(PropertyVisitor& visitor) override;
    bool Matches(const COleDateTime& day) const override { return MatchesDay(day); }
    bool Matches(const COleDateTime& day, const COleDateTime::Fields& d) const override;

    std::int32_t GetDayOfWeek() const { return dayOfWeek_; }
    void SetDayOfWeek(std::int32_t v) { SetField(dayOfWeek_, v); }

private:
    std::int32_t dayOfWeek_ = 0;
};

}  // namespace qb
