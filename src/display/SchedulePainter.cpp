#include "SchedulePainter.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "COleDateTimeSpan.h"
#include "DateOffset.h"
#include "DisplaySettings.h"
#include "HolidayCache.h"
#include "IDrawContext.h"
#include "ScheduleGeometry.h"
#include "ShapePainter.h"

namespace qb {

namespace {

constexpr DrawColour kReferenceColour = 0x404040;

std::string DayText(const COleDateTime& date) {
    return date.IsValid() ? std::to_string(date.GetDay()) : std::string();
}

DrawPen PenOf(const CPenInfo& pen) {
    return DrawPen{pen.GetStyle(), pen.GetWidth(), pen.GetColour()};
}

}  // namespace

SchedulePainter::SchedulePainter(const DisplaySettings& settings, HolidayCache* holidays)
    : settings_(settings), holidays_(holidays) {}

DrawFont SchedulePainter::FontOf(const ScheduleFields& f, const DisplaySettings& settings) {
    if (!f.textFont.IsValid()) {
        return DrawFont{settings.guiFont, CFontInfo::kDefaultSize, 0};
    }
    return DrawFont{f.textFont.GetFace(), f.textFont.GetSize(), f.textFont.GetStyleBits()};
}

std::string SchedulePainter::EndDayText(const COleDateTime& date, int offset, bool byDay) {
    if (byDay && offset == 0 && date.IsValid()) {
        return DayText(date.AddDays(-1));
    }
    return DayText(date);
}

double SchedulePainter::Duration(const ScheduleFields& f) const {
    const COleDateTime start = ScheduleFields::Moment(f.startDate, f.startOffset, f.byDay);
    const COleDateTime end = ScheduleFields::Moment(f.endDate, f.endOffset, f.byDay);
    if (!start.IsValid() || !end.IsValid()) {
        return 0.0;
    }
    if (holidays_ != nullptr)
        return holidays_->CountedDays(start, end);
    return (end - start).GetTotalDays();
}

void SchedulePainter::DrawShoulder(IDrawContext& dc, const ScheduleFields& f,
                                   const ScheduleLayout& layout, bool creating) const {
    const bool showTerm = (settings_.showTerm || creating) && !f.IsPoint();
    if (!layout.placed || (!settings_.showSpan && !showTerm)) {
        return;
    }
    dc.SetFont(DrawFont{settings_.guiFont, kLabelFontSize, 0});
    dc.SetTextColour(kLabelColour);
    dc.SetBackgroundMode(BackgroundMode::transparent);
    const DrawRect& bar = layout.bar;
    if (settings_.showSpan) {
        if (f.IsPoint()) {
            DrawLabel(dc, DayText(f.startDate), DrawPoint{bar.left, layout.bandTop},
                      HorizontalAlign::centre);
        } else {
            DrawLabel(dc, DayText(f.startDate), DrawPoint{bar.left, layout.bandTop},
                      HorizontalAlign::left);
            DrawLabel(dc, EndDayText(f.endDate, f.endOffset, f.byDay),
                      DrawPoint{bar.right, layout.bandTop}, HorizontalAlign::right);
        }
    }
    if (showTerm) {
        char text[32];
        std::snprintf(text, sizeof text, "%.1f", Duration(f));
        DrawLabel(dc, text, DrawPoint{bar.right, layout.farY}, HorizontalAlign::right);
    }
}

// Labels are anchored at one x: their left end, their middle or their right end.
void SchedulePainter::DrawLabel(IDrawContext& dc, const std::string& text, DrawPoint at,
                                HorizontalAlign align) const {
    if (text.empty()) {
        return;
    }
    const DrawSize size = dc.MeasureText(text);
    int left = at.x;
    if (align == HorizontalAlign::right) {
        left = at.x - size.width;
    } else if (align == HorizontalAlign::centre) {
        left = at.x - size.width / 2;
    }
    TextFormat format;
    format.horizontal = align;
    format.clip = false;
    dc.DrawText(text, DrawRect{left, at.y, left + size.width, at.y + size.height}, format);
}

void SchedulePainter::DrawActual(IDrawContext& dc, const ScheduleFields& f,
                                 const ScheduleLayout& layout) const {
    const DrawRect& actual = layout.actual;
    if (!layout.placed || !settings_.showActual || actual.IsEmpty()) {
        return;
    }
    dc.FillRect(actual, settings_.actual);
    if (settings_.showSpan) {
        dc.SetFont(DrawFont{settings_.guiFont, kLabelFontSize, 0});
        dc.SetTextColour(kLabelColour);
        dc.SetBackgroundMode(BackgroundMode::transparent);
        DrawLabel(dc, DayText(f.actualStartDate), DrawPoint{actual.left, actual.top - 10},
                  HorizontalAlign::left);
        if (!f.IsPoint()) {
            DrawLabel(dc, EndDayText(f.actualEndDate, f.actualEndOffset, f.byDay),
                      DrawPoint{actual.right, actual.top - 10}, HorizontalAlign::right);
        }
    }
    const DrawRect& bar = layout.bar;
    dc.SetPen(DrawPen{kPenDot, 1, settings_.actualToBody});
    dc.DrawLine(DrawPoint{bar.left, bar.bottom}, DrawPoint{actual.left, actual.top});
    if (!f.IsPoint()) {
        dc.DrawLine(DrawPoint{bar.right, bar.bottom}, DrawPoint{actual.right, actual.top});
    }
}

void SchedulePainter::DrawBody(IDrawContext& dc, const ScheduleFields& f,
                               const ScheduleLayout& layout) const {
    if (!layout.placed) {
        return;
    }
    const DrawRect& bar = layout.bar;
    const int y = bar.top + (bar.bottom - bar.top) / 2;
    const ShapePainter shapes;
    dc.SetFont(FontOf(f, settings_));
    dc.SetBackgroundMode(BackgroundMode::transparent);
    const int progress = std::max(0, f.EffectiveProgress());
    int split = bar.right;
    if (settings_.paintProgress && f.height > 0 && progress < 1000) {
        // The whole shape first in the look of work still to do; the done
        // part is then drawn over it.
        DrawPen pen = PenOf(f.edgePen);
        pen.colour = kUnprogressedColour;
        dc.SetPen(pen);
        dc.SetBrush(DrawBrush::Solid(0xFFFFFF));
        shapes.Draw(dc, f.shape, bar.left, bar.right, y);
        if (!f.IsPoint() && f.captionPosition == 0) {
            DrawCaption(dc, f, layout, kUnprogressedColour);
        }
        split = ScheduleGeometry::SplitX(bar, progress);
    }
    dc.SetPen(PenOf(f.edgePen));
    dc.SetBrush(DrawBrush::Solid(f.bgColor));
    shapes.Draw(dc, f.shape, bar.left, split, y);
    if (f.captionPosition == 0 && split < bar.right) {
        dc.SaveState();
        dc.IntersectClip(DrawRect{bar.left, layout.caption.top, split, layout.caption.bottom});
        DrawCaption(dc, f, layout, f.textColor);
        dc.RestoreState();
    } else {
        DrawCaption(dc, f, layout, f.textColor);
    }
    if (settings_.drawClipIcon && f.hasReference) {
        DrawReferenceIcon(dc, DrawPoint{bar.left - 7, bar.top - 4});
    }
}

void SchedulePainter::DrawCaption(IDrawContext& dc, const ScheduleFields& f,
                                  const ScheduleLayout& layout, DrawColour colour) const {
    if (f.caption.empty()) {
        return;
    }
    dc.SetTextColour(colour);
    dc.DrawText(f.caption, layout.caption, layout.captionFormat);
}

// A paper clip, 7 by 12 pixels: the schedule refers to a file or an address.
void SchedulePainter::DrawReferenceIcon(IDrawContext& dc, DrawPoint topLeft) const {
    static const DrawPoint kClip[] = {{5, 4}, {5, 10}, {4, 11}, {2, 11}, {1, 10}, {1, 2},
                                      {2, 0}, {5, 0},  {6, 1},  {6, 9},  {3, 9},  {3, 3}};
    DrawPoint points[std::size(kClip)];
    for (std::size_t i = 0; i < std::size(kClip); ++i) {
        points[i] = DrawPoint{topLeft.x + kClip[i].x, topLeft.y + kClip[i].y};
    }
    dc.SetPen(DrawPen{kPenSolid, 1, kReferenceColour});
    dc.Polyline(points);
}

}  // namespace qb
