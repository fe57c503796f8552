#include "DateOffset.h"

#include <cstdint>

namespace qb {

namespace {

// Whole days in an offset, rounded toward minus infinity so that a negative
// offset borrows from the previous day.
std::int64_t WholeDays(std::int64_t offset) {
    std::int64_t days = offset / DateOffset::kOffsetsPerDay;
    if (offset % DateOffset::kOffsetsPerDay < 0) {
        --days;
    }
    return days;
}

}  // namespace

void DateOffset::Add(const COleDateTimeSpan& span, int offsetDelta) {
    date += span;
    // Summed in 64 bits: two large offsets must not overflow before normalising.
    MoveOffset(static_cast<std::int64_t>(offset) + offsetDelta);
}

void DateOffset::Normalise() {
    MoveOffset(offset);
}

void DateOffset::MoveOffset(std::int64_t newOffset) {
    const std::int64_t days = WholeDays(newOffset);
    offset = static_cast<int>(newOffset - days * kOffsetsPerDay);
    if (days != 0) {
        date = date.AddDays(static_cast<int>(days));
    }
}

COleDateTime DateOffset::ToDateTime() const {
    return date + COleDateTimeSpan(static_cast<double>(offset) / kOffsetsPerDay);
}

bool DateOffset::operator==(const DateOffset& other) const {
    return date == other.date && offset == other.offset;
}

bool DateOffset::operator<(const DateOffset& other) const {
    if (date < other.date) {
        return true;
    }
    if (other.date < date) {
        return false;
    }
    return offset < other.offset;
}

}  // namespace qb
