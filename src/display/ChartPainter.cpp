#include "ChartPainter.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string_view>
#include <utility>
#include <vector>

#include "CDisplayModel.h"
#include "CGuiRow.h"
#include "CGuiSchedule.h"
#include "CRuler.h"
#include "CalendarSettings.h"
#include "DateOffset.h"
#include "DisplaySettings.h"
#include "GuiDrawArgs.h"
#include "IDrawContext.h"
#include "LightningLine.h"
#include "OffsetDrawContext.h"
#include "ScheduleDrawPasses.h"

namespace qb {

namespace {

constexpr DrawColour kPaper = 0xFFFFFF;
constexpr DrawRect kMessageBox{35, 35, 450, 100};
constexpr DrawPoint kFirstLine{50, 50};
constexpr DrawPoint kSecondLine{50, 68};
constexpr int kFrameWidth = 2;

// A sketch of the window: its left pane holds one row band and an arrow
// points at the pane's empty area below it, where a double-click adds a row.
constexpr DrawPoint kPictureOrigin{35, 120};
constexpr DrawColour kPictureFrame = 0x808080;
constexpr DrawColour kPictureTitle = 0xD0D0D0;
constexpr DrawColour kPicturePane = 0xF0F0F0;
constexpr DrawColour kPictureBand = 0xC8C8C8;
constexpr DrawColour kPictureGrid = 0xE0E0E0;
// Orange, as the display stores colours blue-green-red.
constexpr DrawColour kPictureAccent = 0x0080FF;

DrawRect PictureRect(int left, int top, int right, int bottom) {
    return DrawRect{kPictureOrigin.x + left, kPictureOrigin.y + top, kPictureOrigin.x + right,
                    kPictureOrigin.y + bottom};
}

DrawPoint PicturePoint(int x, int y) {
    return DrawPoint{kPictureOrigin.x + x, kPictureOrigin.y + y};
}

void PaintNoRowsPicture(IDrawContext& dc) {
    constexpr int kWidth = 200;
    constexpr int kHeight = 80;
    constexpr int kTitle = 10;
    constexpr int kPane = 56;
    constexpr int kBand = 16;
    dc.SaveState();
    dc.FillRect(PictureRect(0, 0, kWidth, kHeight), kPaper);
    dc.FillRect(PictureRect(1, 1, kWidth - 1, kTitle), kPictureTitle);
    dc.FillRect(PictureRect(1, kTitle, kPane, kHeight - 1), kPicturePane);
    dc.FillRect(PictureRect(1, kTitle, kPane, kTitle + kBand), kPictureBand);
    dc.SetPen(DrawPen{kPenSolid, 1, kPictureGrid});
    for (int x = kPane + 24; x < kWidth - 1; x += 24)
        dc.DrawLine(PicturePoint(x, kTitle), PicturePoint(x, kHeight - 1));
    dc.SetPen(DrawPen{kPenSolid, 1, kPictureFrame});
    dc.DrawLine(PicturePoint(1, kTitle + kBand), PicturePoint(kWidth - 1, kTitle + kBand));
    dc.DrawLine(PicturePoint(kPane, kTitle), PicturePoint(kPane, kHeight - 1));
    dc.FrameRect(PictureRect(0, 0, kWidth, kHeight), kPictureFrame);
    // The arrow comes from the chart and ends inside the pane's empty area.
    const DrawPoint tip = PicturePoint(kPane - 16, 50);
    dc.SetPen(DrawPen{kPenSolid, 2, kPictureAccent});
    dc.DrawLine(PicturePoint(kWidth - 40, 66), tip);
    dc.SetBrush(DrawBrush::Solid(kPictureAccent));
    const DrawPoint head[] = {tip, DrawPoint{tip.x + 10, tip.y - 3},
                              DrawPoint{tip.x + 9, tip.y + 5}};
    dc.Polygon(head);
    dc.SetBrush(DrawBrush::Hollow());
    dc.SetPen(DrawPen{kPenDot, 1, kPictureAccent});
    dc.Ellipse(DrawRect{tip.x - 30, tip.y - 10, tip.x + 6, tip.y + 10});
    dc.RestoreState();
}

// Layout does not know whether the line is shown, so the points are taken
// from the placed schedules when it is drawn: only from those near the
// visible rows, as the line ignores points further away.
std::vector<DrawPoint> LightningPoints(const CDisplayModel& model, const COleDateTime& reference,
                                       const DrawRect& visible) {
    constexpr int kReach = 2 * LightningLine::kSpread + 2;
    const DrawRect near{std::numeric_limits<int>::min(), visible.top - kReach,
                        std::numeric_limits<int>::max(), visible.bottom + kReach};
    // Array position breaks ties, as a stable sort of all schedules would.
    std::vector<std::pair<DrawPoint, std::int32_t>> found;
    // The schedule index holds schedules only.
    model.ScheduleIndex().ForEachOverlapping(near, 0, [&](CGuiObject& object) {
        const auto& schedule = static_cast<const CGuiSchedule&>(object);
        if (!schedule.IsVisible())
            return;
        if (const auto point = schedule.LightningPoint(reference))
            found.emplace_back(*point, schedule.GetIndex());
    });
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
        return a.first.y != b.first.y ? a.first.y < b.first.y : a.second < b.second;
    });
    std::vector<DrawPoint> points;
    points.reserve(found.size());
    for (const auto& [point, index] : found)
        points.push_back(point);
    return points;
}

}  // namespace

void ChartPainter::Paint(IDrawContext& dc, const ChartContext& chart, const ChartView& view) {
    dc.FillRect(DrawRect{0, 0, view.width, view.height}, kPaper);
    const CDisplayModel* model = chart.model;
    if (!model || !model->IsBuilt()) {
        PaintMessageBox(dc, view.noDocumentText);
        return;
    }
    if (model->GetRows().Empty()) {
        PaintMessageBox(dc, view.noRowsText);
        PaintNoRowsPicture(dc);
        return;
    }
    const DrawRect visible{view.scroll.x, view.scroll.y, view.scroll.x + view.width,
                           view.scroll.y + view.height};
    OffsetDrawContext offset(dc, view.scroll);
    const GuiDrawArgs args{chart, visible};
    PaintBands(offset, *model, visible);
    PaintToday(offset, chart, visible);
    PaintGrid(offset, chart, view, visible);
    PaintRowLines(offset, *model, visible);
    PaintObjects(offset, *model, args);
    PaintLightning(offset, *model, chart, view, visible);
    PaintLinks(offset, *model, args);
}

// A white box with a double frame and two lines of text.
void ChartPainter::PaintMessageBox(IDrawContext& dc, std::string_view text) {
    dc.FillRect(kMessageBox, kPaper);
    DrawRect frame = kMessageBox;
    for (int i = 0; i < kFrameWidth; ++i) {
        dc.FrameRect(frame, 0x000000);
        frame = DrawRect{frame.left + 1, frame.top + 1, frame.right - 1, frame.bottom - 1};
    }
    const auto lineBreak = text.find("\r\n");
    const std::string_view first = text.substr(0, lineBreak);
    const std::string_view second =
        lineBreak == std::string_view::npos ? std::string_view() : text.substr(lineBreak + 2);
    dc.SetTextColour(0x000000);
    dc.SetBackgroundMode(BackgroundMode::transparent);
    TextFormat format;
    format.clip = false;
    dc.DrawText(first, DrawRect{kFirstLine.x, kFirstLine.y, kMessageBox.right, kSecondLine.y},
                format);
    dc.DrawText(second,
                DrawRect{kSecondLine.x, kSecondLine.y, kMessageBox.right, kMessageBox.bottom},
                format);
}

std::size_t ChartPainter::FirstLineRow(const CDisplayModel& model, int top) {
    const auto& rows = model.GetLineRows();
    auto it = std::lower_bound(rows.begin(), rows.end(), top,
                               [](const CGuiRow* row, int y) { return row->GetRect().bottom < y; });
    return static_cast<std::size_t>(it - rows.begin());
}

void ChartPainter::PaintBands(IDrawContext& dc, const CDisplayModel& model,
                              const DrawRect& visible) {
    const auto& rows = model.GetLineRows();
    for (std::size_t i = FirstLineRow(model, visible.top); i < rows.size(); ++i) {
        const GuiRect rect = rows[i]->GetRect();
        if (rect.top >= visible.bottom)
            break;
        rows[i]->FillBackground(dc, DrawRect{visible.left, rect.top, visible.right, rect.bottom});
    }
}

void ChartPainter::PaintToday(IDrawContext& dc, const ChartContext& chart,
                              const DrawRect& visible) {
    if (!chart.ruler || !chart.calendar || !chart.calendar->paintToday || !chart.today.IsValid())
        return;
    const int left = chart.ruler->DateToX(chart.today);
    const int right = std::max(chart.ruler->DateToX(chart.today.AddDays(1)), left + 1);
    if (right <= visible.left || left >= visible.right)
        return;
    dc.FillRect(DrawRect{left, visible.top, right, visible.bottom}, DisplaySettings::kTodayColour);
}

void ChartPainter::PaintGrid(IDrawContext& dc, const ChartContext& chart, const ChartView& view,
                             const DrawRect& visible) {
    if (!chart.ruler || !chart.ruler->IsBuilt())
        return;
    // The lower tier first, so that the coarser lines of the upper tier stay whole.
    const std::pair<CRuler::Band, DrawPen> tiers[] = {{CRuler::Band::lower, view.lowerGridPen},
                                                      {CRuler::Band::upper, view.upperGridPen}};
    for (const auto& [band, pen] : tiers) {
        const auto& xs = chart.ruler->GetRow(band).boundaries;
        dc.SetPen(pen);
        for (auto it = std::lower_bound(xs.begin(), xs.end(), visible.left);
             it != xs.end() && *it < visible.right; ++it)
            dc.DrawLine(DrawPoint{*it, visible.top}, DrawPoint{*it, visible.bottom});
    }
}

void ChartPainter::PaintRowLines(IDrawContext& dc, const CDisplayModel& model,
                                 const DrawRect& visible) {
    const auto& rows = model.GetLineRows();
    const auto& pens = model.GetLinePens();
    for (std::size_t i = FirstLineRow(model, visible.top); i < rows.size(); ++i) {
        const int bottom = rows[i]->GetRect().bottom;
        if (bottom >= visible.bottom)
            break;
        dc.SetPen(pens[i]);
        dc.DrawLine(DrawPoint{visible.left, bottom}, DrawPoint{visible.right, bottom});
    }
}

void ChartPainter::PaintSchedules(IDrawContext& dc, const CDisplayModel& model,
                                  const GuiDrawArgs& args) {
    std::vector<CGuiSchedule*> schedules;
    // The schedule index holds schedules only.
    model.ScheduleIndex().ForEachOverlapping(args.visible, kObjectMargin, [&](CGuiObject& object) {
        auto& schedule = static_cast<CGuiSchedule&>(object);
        schedule.SetHolidayCache(args.chart.holidays);
        schedules.push_back(&schedule);
    });
    ScheduleDrawPasses::Draw(dc, std::move(schedules), args);
}

void ChartPainter::PaintObjects(IDrawContext& dc, const CDisplayModel& model,
                                const GuiDrawArgs& args) {
    const DrawRect& visible = args.visible;
    PaintSchedules(dc, model, args);
    if (args.chart.summaryMode) {
        const auto& rows = model.GetLineRows();
        for (std::size_t i = FirstLineRow(model, visible.top); i < rows.size(); ++i) {
            if (rows[i]->GetRect().top >= visible.bottom)
                break;
            if (CGuiObject* bar = rows[i]->GetSummaryBar())
                bar->Draw(dc, args);
        }
    }
    PaintMemos(dc, model, args);
}

void ChartPainter::PaintMemos(IDrawContext& dc, const CDisplayModel& model,
                              const GuiDrawArgs& args) {
    model.MemoIndex().ForEachOverlapping(args.visible, kObjectMargin,
                                         [&](CGuiObject& object) { object.Draw(dc, args); });
}

// Links lie over everything else; each draws only its part in the visible
// x range.
void ChartPainter::PaintLinks(IDrawContext& dc, const CDisplayModel& model,
                              const GuiDrawArgs& args) {
    model.LinkIndex().ForEachOverlapping(args.visible, kLinkMargin,
                                         [&](CGuiObject& object) { object.Draw(dc, args); });
}

void ChartPainter::PaintLightning(IDrawContext& dc, const CDisplayModel& model,
                                  const ChartContext& chart, const ChartView& view,
                                  const DrawRect& visible) {
    if (!view.showLightning || !chart.ruler || !view.lightningDate.IsValid())
        return;
    const int x = chart.ruler->DateOffsetToX(DateOffset(view.lightningDate, 5000));
    const DisplaySettings& settings = chart.Display();
    const DrawPen pen{kPenSolid, settings.lightningWidth, settings.lightningColour};
    LightningLine::Draw(dc, x, LightningPoints(model, view.lightningDate, visible),
                        model.TotalHeight(), pen, visible.top, visible.bottom);
}

}  // namespace qb
