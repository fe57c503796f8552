#pragma once

#include <cstddef>

#include "COleDateTime.h"
#include "RulerLabel.h"
#include "RulerRow.h"
#include "TimeScale.h"

namespace qb {

class HolidayCache;

// Generates the cells of one ruler row: ticks from the unit's first tick,
// their x on the scale and one label per cell.
class RulerRowBuilder {
public:
    // More cells than the widest built ruler holds (32000 pixels at 0.1 pixel
    // per day are 320000 days); a row stops there rather than exhaust memory.
    static constexpr std::size_t kMaxCells = 1 << 19;

    RulerRowBuilder(const TimeScale& scale, const RulerLabel& labels)
        : scale_(scale), labels_(labels) {}

    // Cells until the first tick after the day `last`, which ends the row.
    RulerRow Build(int unit, int format, const COleDateTime& last) const;

    // The day colours of each cell's first day; without a holiday cache every
    // day is black on white.
    static void AddDayColours(RulerRow& row, HolidayCache* holidays);

private:
    const TimeScale& scale_;
    const RulerLabel& labels_;
};

}  // namespace qb
