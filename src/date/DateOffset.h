#pragma once

#include <cstdint>

#include "COleDateTime.h"
#include "COleDateTimeSpan.h"

namespace qb {

// A day plus a position inside it in ten-thousandths of a day: the ends of
// schedules and the x position of memos. The date carries no time of day.
class DateOffset {
public:
    static constexpr int kOffsetsPerDay = 10000;

    DateOffset() = default;
    DateOffset(const COleDateTime& dateValue, int offsetValue)
        : date(dateValue), offset(offsetValue) {}

    // Advances the date by the span, adds the offset and normalises.
    void Add(const COleDateTimeSpan& span, int offsetDelta);
    // Brings the offset into 0..9999, moving the date by the whole days taken off.
    void Normalise();

    // The position as one value: the date plus offset/10000 of a day.
    COleDateTime ToDateTime() const;

    bool operator==(const DateOffset& other) const;
    bool operator!=(const DateOffset& other) const { return !(*this == other); }
    // By date, then by offset.
    bool operator<(const DateOffset& other) const;

    COleDateTime date;
    int offset = 0;

private:
    void MoveOffset(std::int64_t newOffset);
};

}  // namespace qb
