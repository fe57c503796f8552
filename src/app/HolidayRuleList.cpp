#include "HolidayRuleList.h"

#include <stdexcept>

#include "CHoliday.h"
#include "CMdHoliday.h"
#include "CMonthlyHoliday.h"
#include "CMonthlyWHoliday.h"
#include "CMwHoliday.h"
#include "CWeeklyHoliday.h"
#include "CYmdHoliday.h"
#include "HolidayRules.h"
#include "IPrompt.h"

namespace qb {
namespace {

bool InRange(int value, int low, int high) {
    return value >= low && value <= high;
}

// Days of the month in a leap year: a yearly rule on 29 February is allowed.
int MostDaysIn(int month) {
    static constexpr int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return kDays[month - 1];
}

std::string KindProblem(const CHoliday& values) {
    const char* kBadWeek = "第何週と曜日を正しく指定してください。";
    switch (values.GetType()) {
        case CData::kYmdHoliday: {
            const auto& rule = static_cast<const CYmdHoliday&>(values);
            if (COleDateTime(rule.GetYear(), rule.GetMonth(), rule.GetDay(), 0, 0, 0).IsValid())
                return {};
            return "日付が正しくありません。";
        }
        case CData::kMdHoliday: {
            const auto& rule = static_cast<const CMdHoliday&>(values);
            if (InRange(rule.GetMonth(), 1, 12) &&
                InRange(rule.GetDay(), 1, MostDaysIn(rule.GetMonth())))
                return {};
            return "月日が正しくありません。";
        }
        case CData::kMwHoliday: {
            const auto& rule = static_cast<const CMwHoliday&>(values);
            if (!InRange(rule.GetMonth(), 1, 12))
                return "月が正しくありません。";
            return InRange(rule.GetWeekNo(), 1, 5) && InRange(rule.GetDayOfWeek(), 1, 7) ? ""
                                                                                         : kBadWeek;
        }
        case CData::kMonthlyHoliday:
            return InRange(static_cast<const CMonthlyHoliday&>(values).GetDay(), 1, 31)
                       ? ""
                       : "日が正しくありません。";
        case CData::kMonthlyWHoliday: {
            const auto& rule = static_cast<const CMonthlyWHoliday&>(values);
            return InRange(rule.GetWeekNo(), 1, 5) && InRange(rule.GetDayOfWeek(), 1, 7) ? ""
                                                                                         : kBadWeek;
        }
        case CData::kWeeklyHoliday:
            return InRange(static_cast<const CWeeklyHoliday&>(values).GetDayOfWeek(), 1, 7)
                       ? ""
                       : "曜日が正しくありません。";
        default:
            return "休日ルールの種類が正しくありません。";
    }
}

}  // namespace

HolidayRuleList::HolidayRuleList(IPrompt& prompt) : prompt_(prompt) {}

void HolidayRuleList::Assign(const CHolidayArray& source) {
    rules_.DeleteAll();
    source.ForEach([this](const CHoliday& rule) {
        if (!rule.IsDeleted())
            rules_.Add(rule.Clone());
    });
    modified_ = false;
}

const CHoliday& HolidayRuleList::Rule(int index) const {
    CheckIndex(index);
    return *rules_.At(index);
}

HolidayRuleList::Row HolidayRuleList::RowText(int index) const {
    const CHoliday& rule = Rule(index);
    return {HolidayRules::NameText(rule), HolidayRules::RuleText(rule),
            HolidayRules::PeriodText(rule)};
}

std::string HolidayRuleList::Problem(const CHoliday& values) {
    std::string problem = KindProblem(values);
    if (!problem.empty())
        return problem;
    const COleDateTime& start = values.GetStartDate();
    const COleDateTime& end = values.GetEndDate();
    if (start.IsValid() && end.IsValid() && end < start)
        return "適用期間の終わりが始まりより前になっています。";
    return {};
}

int HolidayRuleList::Add(const CHoliday& values) {
    if (!Accepts(Problem(values)))
        return -1;
    rules_.Add(values.Clone());
    modified_ = true;
    return Count() - 1;
}

bool HolidayRuleList::Change(int index, const CHoliday& values) {
    CheckIndex(index);
    if (!Accepts(Problem(values)))
        return false;
    // The kind may change with the values, so the rule is replaced whole; it
    // keeps its object id.
    std::unique_ptr<CData> rule = values.Clone();
    rule->SetObjectId(rules_.At(index)->GetObjectId());
    rules_.SetAt(index, std::move(rule));
    modified_ = true;
    return true;
}

bool HolidayRuleList::Delete(int index) {
    CheckIndex(index);
    const std::string name = HolidayRules::NameText(Rule(index));
    if (prompt_.Show(kDeleteQuestion.Format(name)) != PromptAnswer::kYes)
        return false;
    rules_.DeleteAt(index);
    modified_ = true;
    return true;
}

int HolidayRuleList::MoveUp(int index) {
    CheckIndex(index);
    if (index == 0)
        return index;
    rules_.InsertAt(index - 1, rules_.RemoveAt(index));
    modified_ = true;
    return index - 1;
}

int HolidayRuleList::MoveDown(int index) {
    CheckIndex(index);
    if (index == Count() - 1)
        return index;
    rules_.InsertAt(index + 1, rules_.RemoveAt(index));
    modified_ = true;
    return index + 1;
}

bool HolidayRuleList::Sort() {
    if (prompt_.Show(kSortQuestion.Plain()) != PromptAnswer::kOk)
        return false;
    HolidayRules::SortRules(rules_);
    modified_ = true;
    return true;
}

void HolidayRuleList::CheckIndex(int index) const {
    if (index < 0 || index >= Count())
        throw std::out_of_range("holiday rule index " + std::to_string(index));
}

// True when there is no problem; otherwise the user is told.
bool HolidayRuleList::Accepts(const std::string& problem) {
    if (problem.empty())
        return true;
    prompt_.Show({0, problem, PromptIcon::kWarning, PromptButtons::kOk});
    return false;
}

}  // namespace qb
