#include "HolidayRules.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <memory>
#include <vector>

#include "CMdHoliday.h"
#include "CMonthlyHoliday.h"
#include "CMonthlyWHoliday.h"
#include "CMwHoliday.h"
#include "CWeeklyHoliday.h"
#include "CYmdHoliday.h"
#include "DateText.h"

namespace qb {

namespace {

// The fields a kind sorts by, most significant first; unused places stay 0.
using SortKey = std::array<int, 3>;

SortKey KeyOf(const CHoliday& rule) {
    switch (rule.GetType()) {
        case CData::kYmdHoliday: {
            const auto& r = static_cast<const CYmdHoliday&>(rule);
            return {r.GetYear(), r.GetMonth(), r.GetDay()};
        }
        case CData::kMdHoliday: {
            const auto& r = static_cast<const CMdHoliday&>(rule);
            return {r.GetMonth(), r.GetDay(), 0};
        }
        case CData::kMwHoliday: {
            const auto& r = static_cast<const CMwHoliday&>(rule);
            return {r.GetMonth(), r.GetWeekNo(), r.GetDayOfWeek()};
        }
        case CData::kMonthlyHoliday:
            return {static_cast<const CMonthlyHoliday&>(rule).GetDay(), 0, 0};
        case CData::kMonthlyWHoliday: {
            const auto& r = static_cast<const CMonthlyWHoliday&>(rule);
            return {r.GetWeekNo(), r.GetDayOfWeek(), 0};
        }
        default:
            return {0, 0, 0};
    }
}

template <class... Args>
std::string Format(const char* format, Args... args) {
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, format, args...);
    return buffer;
}

std::string Weekday(int dayOfWeek) {
    return DateText::WeekdayName(dayOfWeek, true);
}

std::string KindText(const CHoliday& rule) {
    switch (rule.GetType()) {
        case CData::kYmdHoliday: {
            const auto& r = static_cast<const CYmdHoliday&>(rule);
            return Format("%d年 %d月 %d日", r.GetYear(), r.GetMonth(), r.GetDay());
        }
        case CData::kMdHoliday: {
            const auto& r = static_cast<const CMdHoliday&>(rule);
            return Format("毎年 %d月 %d日", r.GetMonth(), r.GetDay());
        }
        case CData::kMwHoliday: {
            const auto& r = static_cast<const CMwHoliday&>(rule);
            return Format("毎年 %d月第%d", r.GetMonth(), r.GetWeekNo()) +
                   Weekday(r.GetDayOfWeek()) + "曜日";
        }
        case CData::kMonthlyHoliday:
            return Format("毎月 %d日", static_cast<const CMonthlyHoliday&>(rule).GetDay());
        case CData::kMonthlyWHoliday: {
            const auto& r = static_cast<const CMonthlyWHoliday&>(rule);
            return Format("毎月 第%d", r.GetWeekNo()) + Weekday(r.GetDayOfWeek()) + "曜日";
        }
        case CData::kWeeklyHoliday:
            return "毎週 " + Weekday(static_cast<const CWeeklyHoliday&>(rule).GetDayOfWeek()) +
                   "曜日";
        default:
            return {};
    }
}

std::string BoundText(const COleDateTime& date, const char* suffix) {
    return Format("%d/%d/%d", date.GetYear(), date.GetMonth(), date.GetDay()) + suffix;
}

}  // namespace

int HolidayRules::Evaluate(const CHolidayArray* rules, const COleDateTime& day, bool holidayOrder) {
    COleDateTime::Fields fields;
    if (!rules || !day.IsValid() || !day.GetFields(fields))
        return 0;
    int outcome = 0;
    for (int i = 0, n = rules->GetCount(); i < n; ++i) {
        const CHoliday* rule = rules->At(i);
        if (!rule || rule->IsDeleted() || !rule->Matches(day, fields))
            continue;
        if (rule->IsForceNotHoliday() && !holidayOrder)
            return -1;
        outcome = rule->IsForceNotHoliday() ? -1 : 1;
    }
    return outcome;
}

int HolidayRules::Compare(const CHoliday& a, const CHoliday& b) {
    if (a.GetType() != b.GetType())
        return b.GetType() - a.GetType();
    const SortKey ka = KeyOf(a);
    const SortKey kb = KeyOf(b);
    if (ka < kb)
        return -1;
    return ka == kb ? 0 : 1;
}

void HolidayRules::SortRules(CHolidayArray& rules) {
    // Take the elements out and put them back, so the array keeps listening
    // to each of them; empty slots go to the end.
    const int count = rules.GetCount();
    std::vector<std::unique_ptr<CData>> elements = rules.RemoveAll();
    std::stable_sort(elements.begin(), elements.end(), [](const auto& a, const auto& b) {
        if (!a || !b)
            return a && !b;
        return Compare(static_cast<const CHoliday&>(*a), static_cast<const CHoliday&>(*b)) < 0;
    });
    for (auto& element : elements) {
        if (element)
            rules.Add(std::move(element));
    }
    rules.SetSize(count);
}

std::string HolidayRules::NameText(const CHoliday& rule) {
    return rule.GetName().empty() ? kUnnamed : rule.GetName();
}

std::string HolidayRules::RuleText(const CHoliday& rule) {
    std::string text = KindText(rule);
    if (rule.IsForceNotHoliday())
        text += " を休日表示しない";
    return text;
}

std::string HolidayRules::PeriodText(const CHoliday& rule) {
    std::string text;
    if (rule.GetStartDate().IsValid())
        text = BoundText(rule.GetStartDate(), "より");
    if (rule.GetEndDate().IsValid()) {
        if (!text.empty())
            text += ' ';
        text += BoundText(rule.GetEndDate(), "まで");
    }
    return text;
}

}  // namespace qb
