#pragma once

#include <functional>
#include <string>

#include "COleDateTime.h"
#include "DateOffset.h"
#include "RulerRow.h"
#include "RulerUnit.h"
#include "TimeScale.h"

namespace qb {

class CalendarSettings;
struct RulerBands;
class CProject;
class HolidayCache;
class IDrawContext;

// The time-scale ruler: the two bands of date labels above the chart, and
// the chart's one mapping between days and horizontal pixels. The mapping
// itself is the TimeScale; the ruler adds the visible window (width and
// scroll position), the span of days it has built labels for, and painting.
class CRuler {
public:
    enum class Band { upper, lower };

    static constexpr int kHeight = 40;
    static constexpr int kBandHeight = 20;
    // The built span stays below this many pixels, so that chart
    // coordinates stay inside what the window system draws reliably.
    static constexpr int kMaxSpan = 32000;
    static constexpr ColorRef kTodayColour = 0x00FFFF;

    // The settings are read on every rebuild and paint, so they must outlive
    // the ruler. The holiday cache may be null: day cells are then black on white.
    explicit CRuler(const CalendarSettings& settings, HolidayCache* holidays = nullptr);

    // The mapping (see TimeScale).
    int DateToX(const COleDateTime& day) const { return scale_.DateToX(day); }
    int DateOffsetToX(const DateOffset& position) const { return scale_.DateOffsetToX(position); }
    int DateTimeToX(const COleDateTime& moment) const { return scale_.DateTimeToX(moment); }
    COleDateTime XToDate(int x) const { return scale_.XToDate(x); }
    DateOffset XToDateOffset(int x) const { return scale_.XToDateOffset(x); }
    const TimeScale& GetTimeScale() const { return scale_; }

    // Width pixels from origin to end: the scale becomes width / (days + 1).
    // An end before the origin counts as the origin's own day.
    void SetView(int width, const COleDateTime& origin, const COleDateTime& end);
    // The project's display period; a value that is not valid or the zero
    // date means no limit.
    void SetLimits(const COleDateTime& displayStart, const COleDateTime& displayEnd);
    // Unit and label format of a band (see RulerUnit and RulerLabel).
    void SetUnits(Band band, int unit, int format);
    // Units and formats of ruler setting 1..3 (day, month, year charts), the
    // display period and the default font of the project.
    void ApplyProject(const CProject& project, int setting);
    // Units and formats of both bands, as a settings dialog chose them.
    void ApplyBands(const RulerBands& bands);
    // Brings the day into the built span, moving the origin or the end while
    // keeping the span below kMaxSpan; when the origin moves, the scroll
    // position becomes the x of the day and offset (1/10000 day).
    void ScrollTo(const COleDateTime& day, int offset);
    // Builds both bands for the current fields.
    void Rebuild();
    // Marks the bands as out of date, for changes the ruler cannot see: the
    // holiday rules, the day colours or the custom era setting. The next
    // paint rebuilds them.
    void Invalidate() { built_ = false; }
    // Paints the ruler window (kHeight pixels high, GetWidth() wide).
    void Paint(IDrawContext& dc, const COleDateTime& today);
    void Paint(IDrawContext& dc);

    const COleDateTime& GetOrigin() const { return scale_.GetOrigin(); }
    void SetOrigin(const COleDateTime& origin);
    double GetScale() const { return scale_.GetScale(); }
    void SetScale(double scale);
    int GetWidth() const { return width_; }
    void SetWidth(int width);
    // Pixels from the origin to the left edge of the window.
    int GetScrollPosition() const { return left_; }
    void SetScrollPosition(int left);
    const COleDateTime& GetEnd() const { return end_; }
    void SetEnd(const COleDateTime& end);
    const COleDateTime& GetDisplayStart() const { return displayStart_; }
    const COleDateTime& GetDisplayEnd() const { return displayEnd_; }
    int GetUnit(Band band) const;
    int GetFormat(Band band) const;
    void SetFontFace(std::string face);
    void SetHolidayCache(HolidayCache* holidays);
    // Called whenever ScrollTo moves the origin or the end, after the rebuild.
    void SetCoordinatesChangedHandler(std::function<void()> handler);

    bool IsBuilt() const { return built_; }
    // The bands as last built; empty until the first rebuild.
    const RulerRow& GetRow(Band band) const { return band == Band::upper ? upper_ : lower_; }
    // The built span in pixels: the days from origin to end, both included.
    double SpanPixels() const;

private:
    struct BandUnit {
        int unit = kRulerMonth;
        int format = 0;
    };

    // ScrollTo for a day after the origin, and for one at or before it.
    void ReachLaterDay(const COleDateTime& target, const COleDateTime& targetEnd, int days);
    void ReachEarlierDay(const COleDateTime& target, const COleDateTime& targetEnd);
    void ExtendEndToWindow();
    void ApplyLimitsToBoundaries();
    void PaintDayFills(IDrawContext& dc, const COleDateTime& today) const;
    void PaintBand(IDrawContext& dc, Band band) const;

    const CalendarSettings& settings_;
    HolidayCache* holidays_;
    TimeScale scale_;
    int width_ = 0;
    int left_ = 0;
    COleDateTime end_;
    COleDateTime displayStart_;
    COleDateTime displayEnd_;
    BandUnit upperUnit_{kRulerMonth, 0};
    BandUnit lowerUnit_{kRulerDay, 0};
    std::string fontFace_;
    std::function<void()> coordinatesChanged_;
    RulerRow upper_;
    RulerRow lower_;
    bool built_ = false;
};

}  // namespace qb
