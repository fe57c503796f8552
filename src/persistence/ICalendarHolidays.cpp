#include "ICalendarHolidays.h"

#include <libical/ical.h>

#include <cstdio>

#include "CMdHoliday.h"
#include "CMwHoliday.h"
#include "CYmdHoliday.h"
#include "FileIo.h"
#include "TextCodec.h"

namespace qb {
namespace {

// A single event longer than this is not a holiday but a season; it is left out.
constexpr int kLongestEventDays = 366;

struct ComponentDeleter {
    void operator()(icalcomponent* c) const { icalcomponent_free(c); }
};
using Component = std::unique_ptr<icalcomponent, ComponentDeleter>;

bool IsEnd(short value) {
    return value == ICAL_RECURRENCE_ARRAY_MAX;
}

int CountOf(const short* values) {
    int n = 0;
    while (!IsEnd(values[n]))
        ++n;
    return n;
}

COleDateTime DayOf(const icaltimetype& t) {
    COleDateTime day;
    day.SetDate(t.year, t.month, t.day);
    return day;
}

// The first parse error the library noted in the component or below it.
const char* FirstError(icalcomponent* c) {
    if (icalproperty* p = icalcomponent_get_first_property(c, ICAL_XLICERROR_PROPERTY))
        return icalproperty_get_xlicerror(p);
    for (icalcomponent* child = icalcomponent_get_first_component(c, ICAL_ANY_COMPONENT); child;
         child = icalcomponent_get_next_component(c, ICAL_ANY_COMPONENT)) {
        if (const char* error = FirstError(child))
            return error;
    }
    return nullptr;
}

std::string NameOf(icalcomponent* event) {
    const char* summary = icalcomponent_get_summary(event);
    std::string name = summary ? summary : "";
    if (!TextCodec::IsValidUtf8(name))
        name = TextCodec::Cp932ToUtf8Lossy(name);
    // Control characters have no place in a name, and an XML file cannot hold
    // most of them: the rule file written from it would not read back.
    for (char& c : name) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = ' ';
    }
    return name;
}

// Turns the events of one calendar into rules.
class EventConverter {
public:
    explicit EventConverter(ICalendarHolidays::Result& result) : result_(result) {}

    void Convert(icalcomponent* event) {
        const icaltimetype start = icalcomponent_get_dtstart(event);
        if (icalcomponent_get_status(event) == ICAL_STATUS_CANCELLED ||
            icaltime_is_null_time(start)) {
            ++result_.unsupportedEvents;
            return;
        }
        if (!start.is_date) {
            ++result_.timedEvents;
            return;
        }
        const COleDateTime first = DayOf(start);
        const int days = DaysOf(event, first);
        bool taken = false;
        if (first.GetStatus() == COleDateTime::valid && days > 0) {
            icalproperty* rrule = icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY);
            taken = rrule ? AddYearly(event, first, days, icalproperty_get_rrule(rrule))
                          : AddDays(event, first, days);
        }
        if (!taken)
            ++result_.unsupportedEvents;
    }

private:
    // The number of days the event covers; DTEND is the day after its last.
    static int DaysOf(icalcomponent* event, const COleDateTime& first) {
        const icaltimetype end = icalcomponent_get_dtend(event);
        if (icaltime_is_null_time(end) || !end.is_date)
            return 1;
        const COleDateTime after = DayOf(end);
        if (after.GetStatus() != COleDateTime::valid)
            return 0;
        const double span = after.GetDays() - first.GetDays();
        return span > kLongestEventDays ? 0 : static_cast<int>(span);
    }

    bool AddDays(icalcomponent* event, const COleDateTime& first, int days) {
        for (int i = 0; i < days; ++i) {
            COleDateTime::Fields f;
            if (!first.AddDays(i).GetFields(f))
                return false;
            auto rule = std::make_unique<CYmdHoliday>();
            rule->SetYear(f.year);
            rule->SetMonth(f.month);
            rule->SetDay(f.day);
            Add(std::move(rule), event);
        }
        return true;
    }

    // One rule for a one-day event repeated every year: on its date, or on
    // the n-th weekday of its month.
    bool AddYearly(icalcomponent* event, const COleDateTime& first, int days,
                   const icalrecurrencetype& r) {
        COleDateTime::Fields f;
        if (days != 1 || r.freq != ICAL_YEARLY_RECURRENCE || r.interval > 1 ||
            !first.GetFields(f) || CountOf(r.by_year_day) || CountOf(r.by_week_no) ||
            CountOf(r.by_set_pos) || CountOf(r.by_month) > 1 ||
            (CountOf(r.by_month) == 1 && r.by_month[0] != f.month))
            return false;
        std::unique_ptr<CHoliday> rule;
        if (CountOf(r.by_day) == 0)
            rule = OnDate(r, f);
        else if (CountOf(r.by_day) == 1 && CountOf(r.by_month) == 1 && !CountOf(r.by_month_day))
            rule = OnWeekday(r, f);
        const COleDateTime last = LastDayOf(r, f);
        if (!rule || (last.IsValid() && last < first))
            return false;
        rule->SetStartDate(first);
        rule->SetEndDate(last);
        Add(std::move(rule), event);
        return true;
    }

    static std::unique_ptr<CHoliday> OnDate(const icalrecurrencetype& r,
                                            const COleDateTime::Fields& f) {
        if (CountOf(r.by_month_day) > 1 ||
            (CountOf(r.by_month_day) == 1 && r.by_month_day[0] != f.day))
            return nullptr;
        auto rule = std::make_unique<CMdHoliday>();
        rule->SetMonth(f.month);
        rule->SetDay(f.day);
        return rule;
    }

    static std::unique_ptr<CHoliday> OnWeekday(const icalrecurrencetype& r,
                                               const COleDateTime::Fields& f) {
        const int weekday = icalrecurrencetype_day_day_of_week(r.by_day[0]);
        const int position = icalrecurrencetype_day_position(r.by_day[0]);
        // A rule counts weeks from the month's start; "last" has no rule kind.
        if (position < 1 || position > 5 || weekday < 1 || weekday > 7)
            return nullptr;
        auto rule = std::make_unique<CMwHoliday>();
        rule->SetMonth(f.month);
        rule->SetDayOfWeek(weekday);
        rule->SetWeekNo(position);
        return rule;
    }

    // The last day the recurrence may fall on: its UNTIL day, or the end of
    // the year of its last occurrence by COUNT; null when it goes on.
    static COleDateTime LastDayOf(const icalrecurrencetype& r, const COleDateTime::Fields& f) {
        if (!icaltime_is_null_time(r.until))
            return DayOf(r.until);
        if (r.count > 0) {
            COleDateTime last;
            last.SetDate(f.year + r.count - 1, 12, 31);
            return last;
        }
        return COleDateTime::Null();
    }

    void Add(std::unique_ptr<CHoliday> rule, icalcomponent* event) {
        rule->SetName(NameOf(event));
        result_.rules->Add(std::move(rule));
    }

    ICalendarHolidays::Result& result_;
};

void ConvertCalendar(icalcomponent* calendar, ICalendarHolidays::Result& result) {
    EventConverter converter(result);
    for (icalcomponent* event = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT);
         event; event = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT))
        converter.Convert(event);
}

}  // namespace

std::optional<ICalendarHolidays::Result> ICalendarHolidays::Read(const std::string& path) {
    error_.Clear();
    std::string bytes;
    std::uint32_t code = 0;
    if (!FileIo::ReadAll(path, bytes, code)) {
        error_.Set(code);
        return std::nullopt;
    }
    return Parse(bytes);
}

std::optional<ICalendarHolidays::Result> ICalendarHolidays::Parse(std::string_view bytes) {
    error_.Clear();
    icalerror_set_errors_are_fatal(0);
    const std::string text(bytes);  // the parser wants a terminated string
    Component root(icalparser_parse_string(text.c_str()));
    const icalcomponent_kind kind = root ? icalcomponent_isa(root.get()) : ICAL_NO_COMPONENT;
    if (kind != ICAL_VCALENDAR_COMPONENT && kind != ICAL_XROOT_COMPONENT) {
        error_.Set(ErrorSlot::kOwnError, kNotCalendar);
        return std::nullopt;
    }
    if (const char* problem = FirstError(root.get())) {
        error_.Set(ErrorSlot::kOwnError, kDamaged + std::string(problem));
        return std::nullopt;
    }
    Result result;
    result.rules = std::make_unique<CHolidayArray>();
    if (kind == ICAL_VCALENDAR_COMPONENT) {
        ConvertCalendar(root.get(), result);
        return result;
    }
    int calendars = 0;
    for (icalcomponent* c = icalcomponent_get_first_component(root.get(), ICAL_VCALENDAR_COMPONENT);
         c; c = icalcomponent_get_next_component(root.get(), ICAL_VCALENDAR_COMPONENT)) {
        ConvertCalendar(c, result);
        ++calendars;
    }
    if (calendars == 0) {
        error_.Set(ErrorSlot::kOwnError, kNotCalendar);
        return std::nullopt;
    }
    return result;
}

}  // namespace qb
