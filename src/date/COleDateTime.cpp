#include "COleDateTime.h"

#include <algorithm>
#include <cmath>
#include <ctime>

namespace qb {

namespace {

constexpr int kMinYear = 100;
constexpr int kMaxYear = 9999;
constexpr std::int64_t kSecondsPerDay = 86400;

// Days since 1970-01-01 of a date of the proleptic Gregorian calendar, counted
// in 400-year eras so that the arithmetic stays on non-negative numbers.
constexpr std::int64_t EpochDays(std::int64_t year, int month, int day) {
    year -= month <= 2 ? 1 : 0;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const std::int64_t yearOfEra = year - era * 400;
    const std::int64_t dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

constexpr std::int64_t kEpochOffset = EpochDays(1899, 12, 30);

// Days since 1899-12-30, the whole-day part of the value.
constexpr std::int64_t DayNumber(int year, int month, int day) {
    return EpochDays(year, month, day) - kEpochOffset;
}

constexpr std::int64_t kMinDay = DayNumber(kMinYear, 1, 1);
constexpr std::int64_t kMaxDay = DayNumber(kMaxYear, 12, 31);

void CivilFromDayNumber(std::int64_t dayNumber, int& year, int& month, int& day) {
    const std::int64_t epochDays = dayNumber + kEpochOffset + 719468;
    const std::int64_t era = (epochDays >= 0 ? epochDays : epochDays - 146096) / 146097;
    const std::int64_t dayOfEra = epochDays - era * 146097;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
    day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
}

// Splits a raw value into its day number and the time of day rounded to the
// nearest second; a time that rounds up to 24:00 belongs to the next day.
bool SplitDays(double days, std::int64_t& dayNumber, std::int64_t& seconds) {
    if (!std::isfinite(days) || days < static_cast<double>(kMinDay - 2) ||
        days > static_cast<double>(kMaxDay + 2)) {
        return false;
    }
    const double whole = days >= 0.0 ? std::floor(days) : std::ceil(days);
    dayNumber = static_cast<std::int64_t>(whole);
    seconds = std::llround(std::fabs(days - whole) * static_cast<double>(kSecondsPerDay));
    if (seconds >= kSecondsPerDay) {
        ++dayNumber;
        seconds -= kSecondsPerDay;
    }
    return dayNumber >= kMinDay && dayNumber <= kMaxDay;
}

bool FieldsInRange(int year, int month, int day, int hour, int minute, int second) {
    return year >= kMinYear && year <= kMaxYear && month >= 1 && month <= 12 && day >= 1 &&
           day <= 31 && hour >= 0 && hour <= 23 && minute >= 0 && minute <= 59 && second >= 0 &&
           second <= 59;
}

// A result of arithmetic that left the calendar's years is invalid.
COleDateTime CheckedValue(double days) {
    std::int64_t dayNumber = 0;
    std::int64_t seconds = 0;
    if (!SplitDays(days, dayNumber, seconds)) {
        return COleDateTime::Invalid();
    }
    return COleDateTime(days, COleDateTime::valid);
}

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

}  // namespace

COleDateTime::COleDateTime(int year, int month, int day, int hour, int minute, int second) {
    SetDateTime(year, month, day, hour, minute, second);
}

COleDateTime COleDateTime::GetCurrentTime() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (now == static_cast<std::time_t>(-1) || localtime_r(&now, &local) == nullptr) {
        return Invalid();
    }
    // A leap second (tm_sec 60) has no place in the value; hold it at :59.
    return COleDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                        local.tm_min, std::min(local.tm_sec, 59));
}

COleDateTime::DateTimeStatus COleDateTime::SetDateTime(int year, int month, int day, int hour,
                                                       int minute, int second) {
    days_ = 0.0;
    status_ = invalid;
    if (!FieldsInRange(year, month, day, hour, minute, second)) {
        return status_;
    }
    const std::int64_t dayNumber = DayNumber(year, month, day);
    const std::int64_t seconds = hour * 3600 + minute * 60 + second;
    // Below day 0 the time of day is subtracted: the integer part counts back
    // while the fraction still counts forward from midnight.
    const std::int64_t signedSeconds =
        dayNumber * kSecondsPerDay + (dayNumber >= 0 ? seconds : -seconds);
    const COleDateTime candidate(static_cast<double>(signedSeconds) / kSecondsPerDay, valid);
    Fields back;
    if (!candidate.GetFields(back) || back.year != year || back.month != month || back.day != day ||
        back.hour != hour || back.minute != minute || back.second != second) {
        return status_;
    }
    *this = candidate;
    return status_;
}

bool COleDateTime::GetFields(Fields& fields) const {
    fields = Fields{};
    std::int64_t dayNumber = 0;
    std::int64_t seconds = 0;
    if (!IsValid() || !SplitDays(days_, dayNumber, seconds)) {
        return false;
    }
    CivilFromDayNumber(dayNumber, fields.year, fields.month, fields.day);
    fields.hour = static_cast<int>(seconds / 3600);
    fields.minute = static_cast<int>(seconds / 60 % 60);
    fields.second = static_cast<int>(seconds % 60);
    // Day 0, 1899-12-30, was a Saturday (7).
    fields.dayOfWeek = static_cast<int>((dayNumber % 7 + 13) % 7 + 1);
    fields.dayOfYear = static_cast<int>(dayNumber - DayNumber(fields.year, 1, 1) + 1);
    return true;
}

int COleDateTime::GetYear() const {
    Fields fields;
    GetFields(fields);
    return fields.year;
}

int COleDateTime::GetMonth() const {
    Fields fields;
    GetFields(fields);
    return fields.month;
}

int COleDateTime::GetDay() const {
    Fields fields;
    GetFields(fields);
    return fields.day;
}

int COleDateTime::GetHour() const {
    Fields fields;
    GetFields(fields);
    return fields.hour;
}

int COleDateTime::GetMinute() const {
    Fields fields;
    GetFields(fields);
    return fields.minute;
}

int COleDateTime::GetSecond() const {
    Fields fields;
    GetFields(fields);
    return fields.second;
}

int COleDateTime::GetDayOfWeek() const {
    Fields fields;
    GetFields(fields);
    return fields.dayOfWeek;
}

int COleDateTime::GetDayOfYear() const {
    Fields fields;
    GetFields(fields);
    return fields.dayOfYear;
}

bool COleDateTime::operator==(const COleDateTime& other) const {
    if (status_ != other.status_) {
        return false;
    }
    if (status_ != valid) {
        return status_ == null;
    }
    return days_ == other.days_;
}

bool COleDateTime::operator<(const COleDateTime& other) const {
    return ToLinear(days_) < ToLinear(other.days_);
}

COleDateTime COleDateTime::operator+(const COleDateTimeSpan& span) const {
    if (!IsValid()) {
        return COleDateTime(0.0, status_);
    }
    if (!span.IsValid()) {
        return Invalid();
    }
    return CheckedValue(FromLinear(ToLinear(days_) + span.GetTotalDays()));
}

COleDateTime COleDateTime::operator-(const COleDateTimeSpan& span) const {
    return *this + -span;
}

COleDateTimeSpan COleDateTime::operator-(const COleDateTime& other) const {
    if (!IsValid() || !other.IsValid()) {
        return COleDateTimeSpan::Invalid();
    }
    return COleDateTimeSpan(ToLinear(days_) - ToLinear(other.days_));
}

COleDateTime COleDateTime::DatePart() const {
    if (!IsValid()) {
        return *this;
    }
    // A whole day inside the calendar is its own date part; layout asks this
    // of every schedule date, so it must not split the value into fields.
    if (days_ == std::floor(days_) && days_ >= static_cast<double>(kMinDay) &&
        days_ <= static_cast<double>(kMaxDay)) {
        return *this;
    }
    Fields fields;
    if (!GetFields(fields)) {
        return Invalid();
    }
    return COleDateTime(fields.year, fields.month, fields.day, 0, 0, 0);
}

COleDateTime COleDateTime::RoundUpToNextDay() const {
    if (!IsValid()) {
        return *this;
    }
    Fields fields;
    if (!GetFields(fields)) {
        return Invalid();
    }
    if (fields.hour == 0 && fields.minute == 0 && fields.second == 0) {
        return *this;
    }
    return DatePart().AddDays(1);
}

COleDateTime COleDateTime::AddDays(int days) const {
    if (!IsValid()) {
        return *this;
    }
    return CheckedValue(FromLinear(ToLinear(days_) + days));
}

COleDateTime::DateTimeStatus COleDateTime::SetTime(int hour, int minute) {
    Fields fields;
    GetFields(fields);
    return SetDateTime(fields.year, fields.month, fields.day, hour, minute, 0);
}

COleDateTime::DateTimeStatus COleDateTime::SetDate(int year, int month, int day) {
    Fields fields;
    // A value without a time of day (null, say) takes midnight rather than
    // the -1 fields, which would make every date set on it invalid.
    if (!GetFields(fields)) {
        fields.hour = 0;
        fields.minute = 0;
    }
    return SetDateTime(year, month, day, fields.hour, fields.minute, 0);
}

int COleDateTime::DaysInMonth(int year, int month) {
    static constexpr int kLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (year < kMinYear || year > kMaxYear || month < 1 || month > 12) {
        return 0;
    }
    if (month == 2 && IsLeapYear(year)) {
        return 29;
    }
    return kLengths[month - 1];
}

bool COleDateTime::StepMonth(bool forward) {
    Fields fields;
    if (!GetFields(fields)) {
        return false;
    }
    int year = fields.year;
    int month = fields.month + (forward ? 1 : -1);
    if (month > 12) {
        month = 1;
        ++year;
    } else if (month < 1) {
        month = 12;
        --year;
    }
    const int day = std::min(fields.day, DaysInMonth(year, month));
    const COleDateTime stepped(year, month, day, fields.hour, fields.minute, fields.second);
    if (!stepped.IsValid()) {
        return false;
    }
    *this = stepped;
    return day == fields.day;
}

bool COleDateTime::StepYear(bool forward) {
    Fields fields;
    if (!GetFields(fields)) {
        return false;
    }
    if (forward ? fields.year >= 2201 : fields.year < 1901) {
        return false;
    }
    const int year = fields.year + (forward ? 1 : -1);
    const int day = std::min(fields.day, DaysInMonth(year, fields.month));
    const COleDateTime stepped(year, fields.month, day, fields.hour, fields.minute, fields.second);
    if (!stepped.IsValid()) {
        return false;
    }
    *this = stepped;
    return true;
}

double COleDateTime::ToLinear(double days) {
    if (days >= 0.0) {
        return days;
    }
    const double whole = std::ceil(days);
    return whole - (days - whole);
}

double COleDateTime::FromLinear(double linear) {
    if (linear >= 0.0) {
        return linear;
    }
    const double whole = std::floor(linear);
    return whole + (whole - linear);
}

}  // namespace qb
