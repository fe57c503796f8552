#pragma once

#include "DrawTypes.h"
#include "ScheduleFields.h"
#include "ScheduleLayout.h"

namespace qb {

class DisplaySettings;
class HolidayCache;
class IDrawContext;

// Paints one laid-out schedule in the three parts the chart draws in separate
// passes: the dates on its shoulder, its actual line, and its shape with
// progress, caption and reference mark.
class SchedulePainter {
public:
    static constexpr DrawColour kLabelColour = 0x404040;
    static constexpr DrawColour kUnprogressedColour = 0x808080;
    static constexpr int kLabelFontSize = 10;

    // Without a holiday cache durations are elapsed days whatever the
    // counting mode.
    explicit SchedulePainter(const DisplaySettings& settings, HolidayCache* holidays = nullptr);

    // Preview objects show their duration while they are being drawn.
    void DrawShoulder(IDrawContext& dc, const ScheduleFields& f, const ScheduleLayout& layout,
                      bool creating = false) const;
    void DrawActual(IDrawContext& dc, const ScheduleFields& f, const ScheduleLayout& layout) const;
    void DrawBody(IDrawContext& dc, const ScheduleFields& f, const ScheduleLayout& layout) const;

    // Days from start to end as the duration label counts them.
    double Duration(const ScheduleFields& f) const;
    // The day-of-month label of a schedule end: an end at the very start of
    // a day stands for the day before.
    static std::string EndDayText(const COleDateTime& date, int offset, bool byDay);
    static DrawFont FontOf(const ScheduleFields& f, const DisplaySettings& settings);

private:
    void DrawLabel(IDrawContext& dc, const std::string& text, DrawPoint at,
                   HorizontalAlign align) const;
    void DrawCaption(IDrawContext& dc, const ScheduleFields& f, const ScheduleLayout& layout,
                     DrawColour colour) const;
    void DrawReferenceIcon(IDrawContext& dc, DrawPoint topLeft) const;

    const DisplaySettings& settings_;
    HolidayCache* holidays_;
};

}  // namespace qb
