#include "JapaneseHolidaySet.h"

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "CMdHoliday.h"
#include "CMwHoliday.h"
#include "CYmdHoliday.h"
#include "HolidayRules.h"

namespace qb {

namespace {

constexpr int kMonday = 2;
constexpr int kSunday = 1;
constexpr const char* kSubstitute = "振替休日";
constexpr const char* kBetween = "国民の休日";

struct Ymd {
    int year;
    int month;
    int day;
};

COleDateTime Day(const Ymd& d) {
    return COleDateTime(d.year, d.month, d.day, 0, 0, 0);
}

// Milestones of the law.
constexpr Ymd kLawStart{1948, 7, 20};
constexpr Ymd kSubstituteFrom{1973, 4, 12};  // a Sunday holiday moves to Monday
constexpr Ymd kBetweenFrom{1985, 12, 27};    // a day between two holidays is off
constexpr Ymd kNextFreeFrom{2007, 1, 1};     // the move goes to the next free day
constexpr Ymd kOpen{0, 0, 0};

bool IsOpen(const Ymd& d) {
    return d.year == 0;
}

// A holiday on a fixed date or the n-th weekday of a month (weekNo 0: fixed).
struct YearlyHoliday {
    const char* name;
    int month;
    int day;  // day of month, or with weekNo the weekday
    int weekNo;
    Ymd from;
    Ymd to;
};

// clang-format off
constexpr YearlyHoliday kYearly[] = {
    {"元日", 1, 1, 0, kLawStart, kOpen},
    {"成人の日", 1, 15, 0, kLawStart, {1999, 12, 31}},
    {"成人の日", 1, kMonday, 2, {2000, 1, 1}, kOpen},
    {"建国記念の日", 2, 11, 0, {1967, 1, 1}, kOpen},
    {"天皇誕生日", 2, 23, 0, {2019, 5, 1}, kOpen},
    {"天皇誕生日", 4, 29, 0, kLawStart, {1989, 2, 16}},
    {"みどりの日", 4, 29, 0, {1989, 2, 17}, {2006, 12, 31}},
    {"昭和の日", 4, 29, 0, {2007, 1, 1}, kOpen},
    {"憲法記念日", 5, 3, 0, kLawStart, kOpen},
    {"みどりの日", 5, 4, 0, {2007, 1, 1}, kOpen},
    {"こどもの日", 5, 5, 0, kLawStart, kOpen},
    {"海の日", 7, 20, 0, {1996, 1, 1}, {2002, 12, 31}},
    {"海の日", 7, kMonday, 3, {2003, 1, 1}, {2019, 12, 31}},
    {"海の日", 7, kMonday, 3, {2022, 1, 1}, kOpen},
    {"山の日", 8, 11, 0, {2016, 1, 1}, {2019, 12, 31}},
    {"山の日", 8, 11, 0, {2022, 1, 1}, kOpen},
    {"敬老の日", 9, 15, 0, {1966, 6, 25}, {2002, 12, 31}},
    {"敬老の日", 9, kMonday, 3, {2003, 1, 1}, kOpen},
    {"体育の日", 10, 10, 0, {1966, 6, 25}, {1999, 12, 31}},
    {"体育の日", 10, kMonday, 2, {2000, 1, 1}, {2019, 12, 31}},
    {"スポーツの日", 10, kMonday, 2, {2022, 1, 1}, kOpen},
    {"文化の日", 11, 3, 0, kLawStart, kOpen},
    {"勤労感謝の日", 11, 23, 0, kLawStart, kOpen},
    {"天皇誕生日", 12, 23, 0, {1989, 2, 17}, {2019, 4, 30}},
};

// Days set by special laws, and the days of 2020 and 2021 moved for the
// Olympic Games (their yearly rules leave those two years out).
struct DatedHoliday {
    const char* name;
    Ymd day;
};

constexpr DatedHoliday kDated[] = {
    {"皇太子明仁親王の結婚の儀", {1959, 4, 10}},
    {"昭和天皇の大喪の礼", {1989, 2, 24}},
    {"即位礼正殿の儀", {1990, 11, 12}},
    {"皇太子徳仁親王の結婚の儀", {1993, 6, 9}},
    {"天皇の即位の日", {2019, 5, 1}},
    {"即位礼正殿の儀", {2019, 10, 22}},
    {"海の日", {2020, 7, 23}},
    {"スポーツの日", {2020, 7, 24}},
    {"山の日", {2020, 8, 10}},
    {"海の日", {2021, 7, 22}},
    {"スポーツの日", {2021, 7, 23}},
    {"山の日", {2021, 8, 8}},
};
// clang-format on

void SetPeriod(CHoliday& rule, const Ymd& from, const Ymd& to) {
    if (!IsOpen(from))
        rule.SetStartDate(Day(from));
    if (!IsOpen(to))
        rule.SetEndDate(Day(to));
}

std::unique_ptr<CYmdHoliday> DatedRule(const std::string& name, const COleDateTime& day) {
    auto rule = std::make_unique<CYmdHoliday>();
    rule->SetName(name);
    rule->SetYear(day.GetYear());
    rule->SetMonth(day.GetMonth());
    rule->SetDay(day.GetDay());
    return rule;
}

std::unique_ptr<CHoliday> YearlyRule(const YearlyHoliday& holiday, const Ymd& from, const Ymd& to,
                                     bool transfer) {
    std::unique_ptr<CHoliday> rule;
    if (holiday.weekNo == 0) {
        auto md = std::make_unique<CMdHoliday>();
        md->SetMonth(holiday.month);
        md->SetDay(holiday.day);
        md->SetTransferBySunday(transfer);
        rule = std::move(md);
    } else {
        auto mw = std::make_unique<CMwHoliday>();
        mw->SetMonth(holiday.month);
        mw->SetDayOfWeek(holiday.day);
        mw->SetWeekNo(holiday.weekNo);
        rule = std::move(mw);
    }
    rule->SetName(holiday.name);
    SetPeriod(*rule, from, to);
    return rule;
}

COleDateTime Later(const Ymd& a, const Ymd& b) {
    return Day(a) < Day(b) ? Day(b) : Day(a);
}

// A fixed-date holiday split where the Sunday move comes into the law and
// where it becomes a move to the next free day, so that the middle part can
// carry the one-day transfer and dated rules take over after it.
void AddFixedDate(CHolidayArray& rules, const YearlyHoliday& holiday, bool withTransfer) {
    if (!withTransfer) {
        rules.Add(YearlyRule(holiday, holiday.from, holiday.to, false));
        return;
    }
    const COleDateTime from = Day(holiday.from);
    const COleDateTime to = IsOpen(holiday.to) ? Day({9999, 12, 31}) : Day(holiday.to);
    auto part = [&](const COleDateTime& first, const COleDateTime& last, bool transfer) {
        if (first > last)
            return;
        const Ymd a{first.GetYear(), first.GetMonth(), first.GetDay()};
        const Ymd b =
            last.GetYear() == 9999 ? kOpen : Ymd{last.GetYear(), last.GetMonth(), last.GetDay()};
        rules.Add(YearlyRule(holiday, a, b, transfer));
    };
    const COleDateTime moveFrom = Day(kSubstituteFrom);
    const COleDateTime nextFree = Day(kNextFreeFrom);
    part(from, std::min(to, moveFrom.AddDays(-1)), false);
    part(Later(holiday.from, kSubstituteFrom), std::min(to, nextFree.AddDays(-1)), true);
    part(Later(holiday.from, kNextFreeFrom), to, false);
}

// The 祝日 themselves, without any moved or in-between day.
std::unique_ptr<CHolidayArray> NationalRules(bool withTransfer) {
    auto rules = std::make_unique<CHolidayArray>();
    for (const YearlyHoliday& holiday : kYearly) {
        if (holiday.weekNo == 0)
            AddFixedDate(*rules, holiday, withTransfer);
        else
            rules->Add(YearlyRule(holiday, holiday.from, holiday.to, false));
    }
    for (int year = kLawStart.year; year <= JapaneseHolidaySet::kLastYear; ++year) {
        const COleDateTime spring(year, 3, JapaneseHolidaySet::VernalEquinoxDay(year), 0, 0, 0);
        if (spring > Day(kLawStart))
            rules->Add(DatedRule("春分の日", spring));
        const COleDateTime autumn(year, 9, JapaneseHolidaySet::AutumnalEquinoxDay(year), 0, 0, 0);
        rules->Add(DatedRule("秋分の日", autumn));
    }
    for (const DatedHoliday& holiday : kDated)
        rules->Add(DatedRule(holiday.name, Day(holiday.day)));
    return rules;
}

using DaySet = std::set<double>;

// The days from first to last a rule can match: its date in each year, and
// the Monday after it for a rule that moves a Sunday holiday; the week of the
// month for a weekday rule; every day for any other kind.
std::vector<COleDateTime> CandidateDays(const CHoliday& rule, const COleDateTime& first,
                                        const COleDateTime& last) {
    std::vector<COleDateTime> days;
    auto add = [&](int year, int month, int day) {
        const COleDateTime d(year, month, day, 0, 0, 0);
        if (d.IsValid())
            days.push_back(d);
    };
    const int firstYear = first.GetYear();
    const int lastYear = last.GetYear();
    switch (rule.GetType()) {
        case CData::kYmdHoliday: {
            const auto& ymd = static_cast<const CYmdHoliday&>(rule);
            add(ymd.GetYear(), ymd.GetMonth(), ymd.GetDay());
            break;
        }
        case CData::kMdHoliday: {
            const auto& md = static_cast<const CMdHoliday&>(rule);
            for (int year = firstYear; year <= lastYear; ++year) {
                const std::size_t before = days.size();
                add(year, md.GetMonth(), md.GetDay());
                if (md.IsTransferBySunday() && days.size() > before)
                    days.push_back(days.back().AddDays(1));
            }
            break;
        }
        case CData::kMwHoliday: {
            const auto& mw = static_cast<const CMwHoliday&>(rule);
            for (int year = firstYear; year <= lastYear; ++year) {
                for (int day = 7 * (mw.GetWeekNo() - 1) + 1; day <= 7 * mw.GetWeekNo(); ++day)
                    add(year, mw.GetMonth(), day);
            }
            break;
        }
        default:
            for (COleDateTime d = first; d <= last; d = d.AddDays(1))
                days.push_back(d);
    }
    return days;
}

// The days from first to last that the rules make holidays, as
// HolidayRules::Evaluate answers them, found rule by rule from the days each
// rule can match rather than by asking every rule about every day.
DaySet MatchingDays(const CHolidayArray& rules, const COleDateTime& first,
                    const COleDateTime& last) {
    DaySet days;
    std::vector<const CHoliday*> forcing;
    for (int i = 0, n = rules.GetCount(); i < n; ++i) {
        const CHoliday* rule = rules.At(i);
        if (rule == nullptr || rule->IsDeleted())
            continue;
        if (rule->IsForceNotHoliday()) {
            forcing.push_back(rule);
            continue;
        }
        for (const COleDateTime& d : CandidateDays(*rule, first, last)) {
            if (d >= first && d <= last && rule->Matches(d))
                days.insert(d.GetDays());
        }
    }
    // A forced working day wins over any holiday rule.
    std::erase_if(days, [&](double value) {
        const COleDateTime d(value, COleDateTime::valid);
        return std::any_of(forcing.begin(), forcing.end(),
                           [&](const CHoliday* rule) { return rule->Matches(d); });
    });
    return days;
}

// The 振替休日 of the law: before 2007 the Monday after a Sunday holiday
// (when that Monday is not a holiday itself), from 2007 the first day after
// it that is not a holiday.
DaySet SubstituteDays(const DaySet& national) {
    DaySet moved;
    for (double value : national) {
        const COleDateTime day(value, COleDateTime::valid);
        if (day.GetDayOfWeek() != kSunday || day < Day(kSubstituteFrom))
            continue;
        COleDateTime next = day.AddDays(1);
        if (day >= Day(kNextFreeFrom)) {
            while (national.contains(next.GetDays()))
                next = next.AddDays(1);
        }
        if (!national.contains(next.GetDays()))
            moved.insert(next.GetDays());
    }
    return moved;
}

// 国民の休日: a day between two 祝日 that is no 祝日 itself; before 2007
// also neither a Sunday nor a 振替休日.
DaySet BetweenDays(const DaySet& national, const DaySet& moved, const COleDateTime& last) {
    const double from = Day(kBetweenFrom).GetDays();
    const double nextFree = Day(kNextFreeFrom).GetDays();
    DaySet between;
    // Whole days count one apart, so the candidates are the days after a 祝日.
    for (double before : national) {
        const double v = before + 1.0;
        if (v < from || v > last.GetDays() || national.contains(v) || !national.contains(v + 1.0))
            continue;
        const COleDateTime d(v, COleDateTime::valid);
        if (v < nextFree && (d.GetDayOfWeek() == kSunday || moved.contains(v)))
            continue;
        between.insert(v);
    }
    return between;
}

int Equinox(int year, double base1980, double baseBefore) {
    const int offset = year >= 1980 ? (year - 1980) / 4 : (year - 1983) / 4;
    const double base = year >= 1980 ? base1980 : baseBefore;
    return static_cast<int>(base + 0.242194 * (year - 1980) - offset);
}

}  // namespace

int JapaneseHolidaySet::VernalEquinoxDay(int year) {
    return Equinox(year, 20.8431, 20.8357);
}

int JapaneseHolidaySet::AutumnalEquinoxDay(int year) {
    return Equinox(year, 23.2488, 23.2588);
}

std::unique_ptr<CHolidayArray> JapaneseHolidaySet::Build() {
    const COleDateTime first = Day(kLawStart);
    const COleDateTime last = Day({kLastYear, 12, 31});
    const DaySet national = MatchingDays(*NationalRules(false), first, last);
    const DaySet moved = SubstituteDays(national);
    const DaySet between = BetweenDays(national, moved, last);

    auto rules = NationalRules(true);
    // Only the moves the Sunday transfer of the yearly rules does not cover
    // need rules of their own.
    const DaySet covered = MatchingDays(*rules, first, last);
    for (double value : moved) {
        if (!covered.contains(value))
            rules->Add(DatedRule(kSubstitute, COleDateTime(value, COleDateTime::valid)));
    }
    for (double value : between)
        rules->Add(DatedRule(kBetween, COleDateTime(value, COleDateTime::valid)));
    // Sorted, the file lists the yearly rules by date and the dated ones in
    // calendar order, which is how a reader looks for a day.
    HolidayRules::SortRules(*rules);
    for (int i = 0, n = rules->GetCount(); i < n; ++i)
        rules->At(i)->SetObjectId(i + 1);
    return rules;
}

}  // namespace qb
