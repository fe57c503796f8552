#pragma once

#include "COleDateTime.h"

namespace qb {

class CDisplayModel;
class CRuler;
class CalendarSettings;
class DisplaySettings;
class HolidayCache;

// What every pass over the chart reads: layout, painting, hints and the
// gestures. The scene makes one from its state for each pass; passes take it
// by const reference and add only what is theirs (the painted area, the
// point under the mouse).
struct ChartContext {
    // Null: no project open.
    const CDisplayModel* model = nullptr;
    // Maps dates to chart x; may be null for a rows-only layout.
    const CRuler* ruler = nullptr;
    // Null settings read as the defaults.
    const DisplaySettings* display = nullptr;
    const CalendarSettings* calendar = nullptr;
    // Counts working days in the working-time modes; null counts elapsed days.
    HolidayCache* holidays = nullptr;
    // Width of the row-header pane: leaf rows span to its right edge.
    int headerWidth = 200;
    // Summary display mode: folded parents show their schedules as one bar.
    bool summaryMode = false;
    COleDateTime today;

    const DisplaySettings& Display() const;
    const CalendarSettings& Calendar() const;
    // The aggregated-days figure is shown in every row.
    bool ShowTotal() const;
};

}  // namespace qb
