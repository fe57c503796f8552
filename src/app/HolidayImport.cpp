#include "HolidayImport.h"

#include "HolidayRules.h"
#include "ICalendarHolidays.h"

namespace qb {

HolidayImport::HolidayImport(IPrompt& prompt) : prompt_(prompt) {}

bool HolidayImport::ChooseAndRead() {
    const std::optional<std::string> chosen = prompt_.ChooseFile({false, kFilter, "ics", {}});
    return chosen && Read(*chosen);
}

bool HolidayImport::Read(const std::string& path) {
    rules_.RemoveAll();
    timedEvents_ = unsupportedEvents_ = 0;
    ICalendarHolidays reader;
    std::optional<ICalendarHolidays::Result> result = reader.Read(path);
    if (!result) {
        prompt_.Show(kNotRead.Format(reader.GetError().Describe()));
        return false;
    }
    if (result->rules->GetCount() == 0) {
        prompt_.Show(kNothingToTake.Plain());
        return false;
    }
    result->rules->ForEach([this](const CHoliday& rule) { rules_.Add(rule.Clone()); });
    timedEvents_ = result->timedEvents;
    unsupportedEvents_ = result->unsupportedEvents;
    return true;
}

std::vector<HolidayRuleList::Row> HolidayImport::Preview() const {
    std::vector<HolidayRuleList::Row> rows;
    rules_.ForEach([&rows](const CHoliday& rule) {
        rows.push_back({HolidayRules::NameText(rule), HolidayRules::RuleText(rule),
                        HolidayRules::PeriodText(rule)});
    });
    return rows;
}

std::string HolidayImport::Summary() const {
    std::string text = std::to_string(Count()) + " 件の休日ルールを追加します。";
    if (timedEvents_ > 0)
        text += "\n時刻のある予定 " + std::to_string(timedEvents_) + " 件は取り込みません。";
    if (unsupportedEvents_ > 0)
        text += "\n休日ルールにできない予定（取り消し済み、長すぎる期間、対応しない繰り返し） " +
                std::to_string(unsupportedEvents_) + " 件は取り込みません。";
    return text;
}

int HolidayImport::AddTo(HolidayRuleList& list) const {
    int first = -1;
    rules_.ForEach([&](const CHoliday& rule) {
        const int index = list.Add(rule);
        if (first < 0)
            first = index;
    });
    return first;
}

}  // namespace qb
