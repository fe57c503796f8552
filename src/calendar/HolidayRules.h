#pragma once

#include <string>

#include "CHolidayArray.h"
#include "COleDateTime.h"

namespace qb {

// What a list of holiday rules says about one day, how rules are ordered by
// the sort command, and how the rule list shows them.
class HolidayRules {
public:
    // Shown for a rule without a name.
    static constexpr const char* kUnnamed = "<名称未設定>";

    // 1 holiday, -1 forced working day, 0 no rule matched (also for a null
    // array). With holidayOrder off any matching forced-working rule wins;
    // with it on the last matching rule in definition order wins. Deleted
    // rules take no part.
    static int Evaluate(const CHolidayArray* rules, const COleDateTime& day, bool holidayOrder);

    // Negative when a sorts before b, positive after, 0 when equal: higher
    // kinds first, then by the kind's own date fields ascending.
    static int Compare(const CHoliday& a, const CHoliday& b);
    // Reorders the array by Compare, keeping the order of equal rules.
    static void SortRules(CHolidayArray& rules);

    static std::string NameText(const CHoliday& rule);
    // "毎年 %d月 %d日" and the like, with " を休日表示しない" for a
    // forced-working rule.
    static std::string RuleText(const CHoliday& rule);
    // "%d/%d/%dより", "%d/%d/%dまで", both joined by a space, or empty.
    static std::string PeriodText(const CHoliday& rule);
};

}  // namespace qb
