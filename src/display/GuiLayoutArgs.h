#pragma once

namespace qb {

class CDisplayModel;
class CRuler;
class DisplaySettings;
class HolidayCache;

// What a layout pass needs besides the model itself.
struct GuiLayoutArgs {
    // Set by the model for the objects it lays out.
    const CDisplayModel* model = nullptr;
    // Maps dates to chart x; may be null for a rows-only layout.
    const CRuler* ruler = nullptr;
    const DisplaySettings* settings = nullptr;
    // Width of the row-header pane: leaf rows span to its right edge.
    int headerWidth = 200;
    // Summary display mode: folded parents show their schedules as one bar.
    bool summaryMode = false;
    // The aggregated-days figure is shown in every row.
    bool showTotal = false;
    // Counts working days for the aggregated days; null counts elapsed days.
    HolidayCache* holidays = nullptr;
    // The filter holds a condition on row captions: rows show the filter marker.
    bool filterOnCaptions = false;
};

}  // namespace qb
