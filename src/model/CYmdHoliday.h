#pragma once

#include "CHoliday.h"

namespace qb {

// A holiday on one calendar date.
class CYmdHoliday : public CHoliday {
public:
    explicit CYmdHoliday(std::int32_t objectId = 0) : CHoliday(objectId) {}

    int GetType() const override { return kYmdHoliday; }
    std::unique_ptr<CData> Clone() const override { return CloneAs(*this); }
    void CopyFrom(const CData& source) override;
    void VisitProperties(PropertyVisitor& visitor) override;
    bool Matches(const COleDateTime& day) const override { return MatchesDay(day); }
    bool Matches(const COleDateTime& day, const COleDateTime::Fields& d) const override;

    std::int32_t GetYear() const { return f_.year; }
    void SetYear(std::int32_t v) { SetField(f_.year, v); }
    std::int32_t GetMonth() const { return f_.month; }
    void SetMonth(std::int32_t v) { SetField(f_.month, v); }
    std::int32_t GetDay() const { return f_.day; }
    void SetDay(std::int32_t v) { SetField(f_.day, v); }

private:
    struct Fields {
        std::int32_t year = 0;
        std::int32_t month = 0;
        std::int32_t day = 0;
    };
    Fields f_;
};

}  // namespace qb
