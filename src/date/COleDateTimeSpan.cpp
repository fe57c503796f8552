#include "COleDateTimeSpan.h"

#include <cmath>

namespace qb {

COleDateTimeSpan::COleDateTimeSpan(double days) {
    // NaN fails the comparison too, so it also ends up invalid.
    if (std::fabs(days) <= kMaxDays) {
        days_ = days;
    } else {
        status_ = invalid;
    }
}

COleDateTimeSpan::COleDateTimeSpan(long days, int hours, int minutes, int seconds)
    : COleDateTimeSpan(static_cast<double>(days) +
                       (static_cast<double>(hours) * 3600.0 + static_cast<double>(minutes) * 60.0 +
                        static_cast<double>(seconds)) /
                           86400.0) {}

COleDateTimeSpan COleDateTimeSpan::Invalid() {
    COleDateTimeSpan span;
    span.status_ = invalid;
    return span;
}

long COleDateTimeSpan::GetDays() const {
    return static_cast<long>(std::trunc(days_));
}

COleDateTimeSpan COleDateTimeSpan::operator-() const {
    return IsValid() ? COleDateTimeSpan(-days_) : Invalid();
}

COleDateTimeSpan COleDateTimeSpan::operator+(const COleDateTimeSpan& other) const {
    if (!IsValid() || !other.IsValid()) {
        return Invalid();
    }
    return COleDateTimeSpan(days_ + other.days_);
}

COleDateTimeSpan COleDateTimeSpan::operator-(const COleDateTimeSpan& other) const {
    return *this + (-other);
}

bool COleDateTimeSpan::operator==(const COleDateTimeSpan& other) const {
    return status_ == other.status_ && days_ == other.days_;
}

}  // namespace qb
