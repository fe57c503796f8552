#pragma once

#include "CHoliday.h"

namespace qb {

// A holiday on the same day of every month, optionally moved to the next day
// when it falls on a Sunday.
class CMonthlyHoliday : public CHoliday {
public:
    explicit CMonthlyHoliday(std::int32_t day = 0, bool transferBySunday = false);

    int GetType() const override { return kMonthlyHoliday; }
    std::unique_ptr<CData> Clone() const override { return CloneAs(*this); }
    void CopyFrom(const CData& source) override;
    void VisitProperties(PropertyVisitor& visitor) override;
    bool Matches(const COleDateTime& day) const override { return MatchesDay(day); }
    bool Matches(const COleDateTime& day, const COleDateTime::Fields& d) const override;

    std::int32_t GetDay() const { return f_.day; }
    void SetDay(std::int32_t v) { SetField(f_.day, v); }
    bool IsTransferBySunday() const { return f_.transferBySunday; }
    void SetTransferBySunday(bool v) { SetField(f_.transferBySunday, v); }

private:
    struct Fields {
        std::int32_t day = 0;
        bool transferBySunday = false;
    };
    Fields f_;
};

}  // namespace qb
