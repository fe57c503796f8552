#pragma once

#include "CHoliday.h"

namespace qb {

// A holiday on the n-th given weekday of a month every year.
class CMwHoliday : public CHoliday {
public:
    explicit CMwHoliday(std::int32_t objectId = 0) : CHoliday(objectId) {}

    int GetType() const override { return kMwHoliday; }
    std::unique_ptr<CData> Clone() const override { return CloneAs(*this); }
    void CopyFrom(const CData& source) override;
    void VisitProperties(PropertyVisitor& visitor) override;
    bool Matches(const COleDateTime& day) const override { return MatchesDay(day); }
    bool Matches(const COleDateTime& day, const COleDateTime::Fields& d) const override;

    std::int32_t GetMonth() const { return f_.month; }
    void SetMonth(std::int32_t v) { SetField(f_.month, v); }
    std::int32_t GetDayOfWeek() const { return f_.dayOfWeek; }
    void SetDayOfWeek(std::int32_t v) { SetField(f_.dayOfWeek, v); }
    std::int32_t GetWeekNo() const { return f_.weekNo; }
    void SetWeekNo(std::int32_t v) { SetField(f_.weekNo, v); }

private:
    struct Fields {
        std::int32_t month = 0;
        std::int32_t dayOfWeek = 0;
        std::int32_t weekNo = 0;
    };
    Fields f_;
};

}  // namespace qb
