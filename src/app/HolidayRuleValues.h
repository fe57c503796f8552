#pragma once

#include <memory>
#include <string>

#include "COleDateTime.h"

namespace qb {

class CHoliday;

// What the rule dialog edits: the repeat mode picks the kind of rule, and
// for yearly and monthly rules the choice between a date and the n-th
// weekday. Weekday 1 is Sunday and week 1 the first such weekday of the
// month (the lists' positions plus one).
struct HolidayRuleValues {
    enum Repeat { kOnce = 0, kYearly = 1, kMonthly = 2, kWeekly = 3 };

    std::string name;
    int repeat = kOnce;
    bool byWeekday = false;
    int year = 2000;
    int month = 1;
    int day = 1;
    int weekNo = 1;
    int dayOfWeek = 1;
    // A rule day on a Sunday moves to the Monday (yearly and monthly dates).
    bool transferBySunday = false;
    bool forceNotHoliday = false;
    // Null leaves that side of the validity period open.
    COleDateTime startDate = COleDateTime::Null();
    COleDateTime endDate = COleDateTime::Null();

    static HolidayRuleValues FromRule(const CHoliday& rule);
    // The rule of the kind the values choose (object id 0).
    std::unique_ptr<CHoliday> ToRule() const;
    // Whether the values use the Sunday move at all.
    bool CanTransfer() const { return (repeat == kYearly || repeat == kMonthly) && !byWeekday; }
};

}  // namespace qb
