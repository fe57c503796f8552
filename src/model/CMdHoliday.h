#pragma once

#include "CHoliday.h"

namespace qb {

// A holiday on the same month and day every year, optionally moved to the
// next day when it falls on a Sunday.
class CMdHoliday : public CHoliday {
public:
    explicit CMdHoliday(std::int32_t objectId = 0) : CHoliday(objectId) {}

    int GetType() const override { return kMdHoliday; }
    std::unique_ptr<CData> Clone() const override { return CloneAs(*this); }
    void CopyFrom(const CData& source) override;
    void VisitProperties(PropertyVisitor& visitor) override;
    bool Matches(const COleDateTime& day) const override { return MatchesDay(day); }
    bool Matches(const COleDateTime& day, const COleDateTime::Fields& d) const override;

    std::int32_t GetMonth() const { return f_.month; }
    void SetMonth(std::int32_t v) { SetField(f_.month, v); }
    std::int32_t GetDay() const { return f_.day; }
    void SetDay(std::int32_t v) { SetField(f_.day, v); }
    bool IsTransferBySunday() const { return f_.transferBySunday; }
    void SetTransferBySunday(bool v) { SetField(f_.transferBySunday, v); }

private:
    struct Fields {
        std::int32_t month = 0;
        std::int32_t day = 0;
        bool transferBySunday = false;
    };
    Fields f_;
};

}  // namespace qb
