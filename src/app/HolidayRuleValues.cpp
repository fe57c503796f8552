#include "HolidayRuleValues.h"

#include "CMdHoliday.h"
#include "CMonthlyHoliday.h"
#include "CMonthlyWHoliday.h"
#include "CMwHoliday.h"
#include "CWeeklyHoliday.h"
#include "CYmdHoliday.h"

namespace qb {
namespace {

void ReadKind(const CHoliday& rule, HolidayRuleValues& v) {
    switch (rule.GetType()) {
        case CData::kYmdHoliday: {
            const auto& r = static_cast<const CYmdHoliday&>(rule);
            v.repeat = HolidayRuleValues::kOnce;
            v.year = r.GetYear();
            v.month = r.GetMonth();
            v.day = r.GetDay();
            break;
        }
        case CData::kMdHoliday: {
            const auto& r = static_cast<const CMdHoliday&>(rule);
            v.repeat = HolidayRuleValues::kYearly;
            v.month = r.GetMonth();
            v.day = r.GetDay();
            v.transferBySunday = r.IsTransferBySunday();
            break;
        }
        case CData::kMwHoliday: {
            const auto& r = static_cast<const CMwHoliday&>(rule);
            v.repeat = HolidayRuleValues::kYearly;
            v.byWeekday = true;
            v.month = r.GetMonth();
            v.weekNo = r.GetWeekNo();
            v.dayOfWeek = r.GetDayOfWeek();
            break;
        }
        case CData::kMonthlyHoliday: {
            const auto& r = static_cast<const CMonthlyHoliday&>(rule);
            v.repeat = HolidayRuleValues::kMonthly;
            v.day = r.GetDay();
            v.transferBySunday = r.IsTransferBySunday();
            break;
        }
        case CData::kMonthlyWHoliday: {
            const auto& r = static_cast<const CMonthlyWHoliday&>(rule);
            v.repeat = HolidayRuleValues::kMonthly;
            v.byWeekday = true;
            v.weekNo = r.GetWeekNo();
            v.dayOfWeek = r.GetDayOfWeek();
            break;
        }
        case CData::kWeeklyHoliday:
            v.repeat = HolidayRuleValues::kWeekly;
            v.dayOfWeek = static_cast<const CWeeklyHoliday&>(rule).GetDayOfWeek();
            break;
        default:
            break;
    }
}

std::unique_ptr<CHoliday> MakeKind(const HolidayRuleValues& v) {
    if (v.repeat == HolidayRuleValues::kWeekly) {
        auto rule = std::make_unique<CWeeklyHoliday>();
        rule->SetDayOfWeek(v.dayOfWeek);
        return rule;
    }
    if (v.repeat == HolidayRuleValues::kMonthly && v.byWeekday) {
        auto rule = std::make_unique<CMonthlyWHoliday>();
        rule->SetWeekNo(v.weekNo);
        rule->SetDayOfWeek(v.dayOfWeek);
        return rule;
    }
    if (v.repeat == HolidayRuleValues::kMonthly) {
        auto rule = std::make_unique<CMonthlyHoliday>();
        rule->SetDay(v.day);
        rule->SetTransferBySunday(v.transferBySunday);
        return rule;
    }
    if (v.repeat == HolidayRuleValues::kYearly && v.byWeekday) {
        auto rule = std::make_unique<CMwHoliday>();
        rule->SetMonth(v.month);
        rule->SetWeekNo(v.weekNo);
        rule->SetDayOfWeek(v.dayOfWeek);
        return rule;
    }
    if (v.repeat == HolidayRuleValues::kYearly) {
        auto rule = std::make_unique<CMdHoliday>();
        rule->SetMonth(v.month);
        rule->SetDay(v.day);
        rule->SetTransferBySunday(v.transferBySunday);
        return rule;
    }
    auto rule = std::make_unique<CYmdHoliday>();
    rule->SetYear(v.year);
    rule->SetMonth(v.month);
    rule->SetDay(v.day);
    return rule;
}

}  // namespace

HolidayRuleValues HolidayRuleValues::FromRule(const CHoliday& rule) {
    HolidayRuleValues values;
    values.name = rule.GetName();
    values.forceNotHoliday = rule.IsForceNotHoliday();
    values.startDate = rule.GetStartDate();
    values.endDate = rule.GetEndDate();
    ReadKind(rule, values);
    return values;
}

std::unique_ptr<CHoliday> HolidayRuleValues::ToRule() const {
    std::unique_ptr<CHoliday> rule = MakeKind(*this);
    rule->SetName(name);
    rule->SetForceNotHoliday(forceNotHoliday);
    rule->SetStartDate(startDate);
    rule->SetEndDate(endDate);
    return rule;
}

}  // namespace qb
