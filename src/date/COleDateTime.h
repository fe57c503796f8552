#pragma once

#include <cstdint>

#include "COleDateTimeSpan.h"

namespace qb {

// The date value of the whole program: days since 1899-12-30 00:00 as a double
// (the fraction is the time of day) plus a status. Below zero the integer part
// counts days backwards while the fraction still runs forward from midnight, so
// -1.25 is 1899-12-29 06:00; arithmetic therefore goes through a linear day count.
class COleDateTime {
public:
    enum DateTimeStatus : std::int32_t { valid = 0, invalid = 1, null = 2 };

    // The zero date 1899-12-30 00:00, valid. It also marks an optional date
    // setting that is not set.
    constexpr COleDateTime() = default;
    constexpr COleDateTime(double days, DateTimeStatus status) : days_(days), status_(status) {}
    // Valid only if splitting the value back into fields gives the same six
    // numbers and the year lies in 100..9999; otherwise status invalid, days 0.
    COleDateTime(int year, int month, int day, int hour, int minute, int second);

    static COleDateTime Null() { return COleDateTime(0.0, null); }
    static COleDateTime Invalid() { return COleDateTime(0.0, invalid); }
    static COleDateTime GetCurrentTime();  // local wall-clock time, whole seconds

    // Same rule as the constructor; returns the resulting status.
    DateTimeStatus SetDateTime(int year, int month, int day, int hour, int minute, int second);

    // All fields of a value at once, for callers that need several of them.
    struct Fields {
        int year = -1;
        int month = -1;
        int day = -1;
        int hour = -1;
        int minute = -1;
        int second = -1;
        int dayOfWeek = -1;
        int dayOfYear = -1;
    };
    // False (fields all -1) when the value is not valid or its day lies outside
    // the years 100..9999, which a raw day count read from a file may do.
    bool GetFields(Fields& fields) const;

    double GetDays() const { return days_; }
    DateTimeStatus GetStatus() const { return status_; }
    void SetStatus(DateTimeStatus status) { status_ = status; }
    bool IsValid() const { return status_ == valid; }
    bool IsNull() const { return status_ == null; }

    // Field queries answer -1 on a value that is not valid. The time of day is
    // rounded to the nearest second before it is split.
    int GetYear() const;
    int GetMonth() const;  // 1..12
    int GetDay() const;    // 1..31
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    int GetDayOfWeek() const;  // 1 Sunday .. 7 Saturday
    int GetDayOfYear() const;  // 1 for 1 January

    // Equal needs equal statuses; two non-valid values are equal only when both
    // are null. Ordering compares the linear day counts of valid values.
    bool operator==(const COleDateTime& other) const;
    bool operator<(const COleDateTime& other) const;
    bool operator>(const COleDateTime& other) const { return other < *this; }
    bool operator<=(const COleDateTime& other) const { return !(other < *this); }
    bool operator>=(const COleDateTime& other) const { return !(*this < other); }

    COleDateTime operator+(const COleDateTimeSpan& span) const;
    COleDateTime operator-(const COleDateTimeSpan& span) const;
    COleDateTime& operator+=(const COleDateTimeSpan& span) { return *this = *this + span; }
    COleDateTime& operator-=(const COleDateTimeSpan& span) { return *this = *this - span; }
    COleDateTimeSpan operator-(const COleDateTime& other) const;

    // The value at 00:00 of its day.
    COleDateTime DatePart() const;
    // The next day's 00:00 when the time of day is not 00:00:00, else unchanged.
    COleDateTime RoundUpToNextDay() const;
    // Moves by whole days, keeping the time of day.
    COleDateTime AddDays(int days) const;
    // Keeps the date, sets hour and minute, seconds 0.
    DateTimeStatus SetTime(int hour, int minute);
    // Sets the date, keeps hour and minute, seconds 0.
    DateTimeStatus SetDate(int year, int month, int day);

    static int DaysInMonth(int year, int month);  // 28..31

    // One month forward or backward (December -> January of the next year and
    // back keep the day); the day is clamped to the target month's length.
    // Returns whether the day of month was kept.
    bool StepMonth(bool forward);
    // One year forward or backward with the day clamped to the month's length.
    // Refused (false, unchanged) forward from 2201 on, backward before 1901 or
    // on a value that is not valid.
    bool StepYear(bool forward);

    // Linear day count of a raw day value, and back (see the class comment).
    static double ToLinear(double days);
    static double FromLinear(double linear);

private:
    double days_ = 0.0;
    DateTimeStatus status_ = valid;
};

}  // namespace qb
