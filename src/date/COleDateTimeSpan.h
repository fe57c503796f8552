#pragma once

namespace qb {

// A signed number of days; hours, minutes and seconds are fractions of a day.
// A span whose magnitude exceeds kMaxDays is invalid, and adding an invalid
// span to a date gives an invalid date.
class COleDateTimeSpan {
public:
    enum SpanStatus { valid = 0, invalid = 1 };
    static constexpr double kMaxDays = 3615897.0;

    constexpr COleDateTimeSpan() = default;
    explicit COleDateTimeSpan(double days);
    COleDateTimeSpan(long days, int hours, int minutes, int seconds);

    static COleDateTimeSpan Invalid();

    double GetTotalDays() const { return days_; }
    SpanStatus GetStatus() const { return status_; }
    bool IsValid() const { return status_ == valid; }
    // Whole days, truncated toward zero.
    long GetDays() const;

    COleDateTimeSpan operator-() const;
    COleDateTimeSpan operator+(const COleDateTimeSpan& other) const;
    COleDateTimeSpan operator-(const COleDateTimeSpan& other) const;
    bool operator==(const COleDateTimeSpan& other) const;

private:
    double days_ = 0.0;
    SpanStatus status_ = valid;
};

}  // namespace qb
