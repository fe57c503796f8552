#include "RulerRowBuilder.h"

#include "HolidayCache.h"
#include "RulerTicks.h"

namespace qb {

RulerRow RulerRowBuilder::Build(int unit, int format, const COleDateTime& last) const {
    RulerRow row;
    COleDateTime tick = RulerTicks::First(unit, scale_.GetOrigin());
    if (!tick.IsValid()) {
        return row;
    }
    row.ticks.push_back(tick);
    row.boundaries.push_back(scale_.DateToX(tick));
    while (row.labels.size() < kMaxCells) {
        const COleDateTime next = RulerTicks::Next(unit, tick);
        // A tick past the calendar's end cannot close its cell.
        if (!next.IsValid() || next <= tick) {
            break;
        }
        row.labels.push_back(labels_.Text(unit, format, tick));
        row.ticks.push_back(next);
        row.boundaries.push_back(scale_.DateToX(next));
        if (next > last) {
            break;
        }
        tick = next;
    }
    return row;
}

void RulerRowBuilder::AddDayColours(RulerRow& row, HolidayCache* holidays) {
    const std::size_t cells = row.CellCount();
    row.textColours.assign(cells, kBlack);
    row.backgroundColours.assign(cells, kWhite);
    if (holidays == nullptr) {
        return;
    }
    for (std::size_t i = 0; i < cells; ++i) {
        row.textColours[i] = holidays->TextColour(row.ticks[i]);
        row.backgroundColours[i] = holidays->BackgroundColour(row.ticks[i]);
    }
}

}  // namespace qb
