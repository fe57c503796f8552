#pragma once

#include "CData.h"

namespace qb {

// A holiday rule: a name, whether it forces a working day instead, and an
// optional validity period (null dates leave that side open). The concrete
// kinds say which days the rule matches.
class CHoliday : public CData {
public:
    int GetType() const override { return kHoliday; }
    std::unique_ptr<CData> Clone() const override = 0;
    void CopyFrom(const CData& source) override;
    void VisitProperties(PropertyVisitor& visitor) override;

    // Whether the rule makes that day (at 00:00) a holiday, or with
    // forceNotHoliday a working day; false for a day that is not valid.
    virtual bool Matches(const COleDateTime& day) const = 0;
    // The same for a valid day already split into its fields, so that many
    // rules can be tested against one day without splitting it each time.
    virtual bool Matches(const COleDateTime& day, const COleDateTime::Fields& fields) const = 0;

    const std::string& GetName() const { return f_.name; }
    void SetName(std::string v) { SetField(f_.name, std::move(v)); }
    bool IsForceNotHoliday() const { return f_.forceNotHoliday; }
    void SetForceNotHoliday(bool v) { SetField(f_.forceNotHoliday, v); }
    const COleDateTime& GetStartDate() const { return f_.startDate; }
    void SetStartDate(const COleDateTime& v) { SetField(f_.startDate, v); }
    const COleDateTime& GetEndDate() const { return f_.endDate; }
    void SetEndDate(const COleDateTime& v) { SetField(f_.endDate, v); }

protected:
    explicit CHoliday(std::int32_t objectId = 0) : CData(objectId) {}

    // Both bounds are inclusive and compared as full date-time values, so an
    // end date of 31 December 00:00 still covers that day.
    bool IsInPeriod(const COleDateTime& day) const;
    // Splits the day and asks the fields overload; false when not valid.
    bool MatchesDay(const COleDateTime& day) const;
    // Whether `fields` is a Monday whose previous day passes `test`: the
    // one-day move of a rule day that falls on a Sunday.
    template <class Test>
    static bool IsMondayAfter(const COleDateTime& day, const COleDateTime::Fields& fields,
                              Test test) {
        if (fields.dayOfWeek != 2)
            return false;
        COleDateTime::Fields sunday;
        return day.AddDays(-1).GetFields(sunday) && test(sunday);
    }
    // Whether the day of month is the weekNo-th of its weekday (1..5).
    static bool IsWeekOfMonth(const COleDateTime::Fields& fields, int weekNo) {
        return 7 * (weekNo - 1) < fields.day && fields.day <= 7 * weekNo;
    }

private:
    struct Fields {
        std::string name;
        COleDateTime startDate = COleDateTime::Null();
        COleDateTime endDate = COleDateTime::Null();
        bool forceNotHoliday = false;
    };
    Fields f_;
};

}  // namespace qb
