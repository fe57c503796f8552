#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>

#include "COleDateTime.h"
#include "ChartContext.h"
#include "ChartHint.h"
#include "DrawTypes.h"
#include "HorizontalScroll.h"
#include "RulerBands.h"
#include "VerticalScroll.h"

namespace qb {

class CDisplayModel;
class CGuiColumn;
class CGuiRow;
class CProject;
class CRuler;
class CalendarSettings;
class DisplaySettings;
class CHolidayArray;
class HolidayCache;
class IDrawContext;
class ISettingsStore;

// One open project as the chart window shows it: the row-header pane on the
// left, the ruler over the chart, the chart. The window and the picture
// output both go through it, so that they share one layout. Coordinates
// given to it are pane pixels; it adds the scroll positions itself.
class ChartScene {
public:
    // Used when the project stores no width of its own.
    static constexpr int kDefaultHeaderWidth = 200;
    // Pixels moved by one notch of the mouse wheel (120 units of angle).
    static constexpr int kWheelNotch = 120;
    static constexpr int kWheelPixels = 60;
    static constexpr DrawColour kPaneLineColour = 0x808080;

    // With settings of its own, at their defaults until LoadSettings.
    ChartScene();
    // Reading the settings the application holds, which must outlive the
    // scene; call SettingsChanged after changing them.
    ChartScene(CalendarSettings& calendar, DisplaySettings& display);
    ~ChartScene();
    ChartScene(const ChartScene&) = delete;
    ChartScene& operator=(const ChartScene&) = delete;

    // The user's display and calendar settings, read into the settings the
    // scene reads; missing values keep their defaults.
    void LoadSettings(const ISettingsStore& store);
    // The system holiday rules the application already holds (null: the
    // built-in ones stay).
    void UseSystemRules(std::unique_ptr<CHolidayArray> systemRules);
    // Holiday marks, ruler labels and the layout follow the settings.
    void SettingsChanged();

    // When Open places the objects: at once, or with the first SetPeriod
    // after it. A caller that sets the period right after opening waits for
    // it, so that a large plan is laid out once and not twice; until then
    // Relayout and whatever calls it leave the objects unplaced.
    enum class Placing { kAtOnce, kAtSetPeriod };

    // The project must outlive the scene or the next Open or Close.
    void Open(CProject& project, Placing placing = Placing::kAtOnce);
    void Close();
    bool IsOpen() const { return project_ != nullptr; }

    // Ruler setting 1 to 3: the day, month and year charts.
    void SetRulerSetting(int setting);
    // Bands chosen for this session only, shown by ruler setting 1..3 instead
    // of the project's; nothing: the project's again.
    void SetRulerBands(int setting, const std::optional<RulerBands>& bands);
    // The whole view: row header and chart side by side, ruler over the chart.
    void SetSize(int width, int height);
    // The days from..to at scale pixels per day; a scale of 0 fits them into
    // the chart's width. The span stays within what the ruler can build.
    void SetPeriod(const COleDateTime& from, const COleDateTime& to, double scale);
    // The period chosen for the scroll bar in this session, else the
    // project's display period, else the span of its schedules.
    bool DefaultPeriod(COleDateTime& from, COleDateTime& to) const;
    // The first start and the last end of the schedules; false without any.
    bool ScheduleSpan(COleDateTime& first, COleDateTime& last) const;
    // The days the horizontal scroll bar covers, kept until another project
    // opens; the chart shows them at its current scale.
    void SetScrollPeriod(const COleDateTime& from, const COleDateTime& to);
    // Horizontal scroll: pixels from the ruler's origin to the chart's left edge.
    void SetLeft(int left);
    // Moves the chart's left edge by pixels, past either end of the built
    // period when needed: the ruler then builds the days it reaches. A
    // display period, when there is one, bounds it.
    void ScrollHorizontally(int pixels);
    // The day at the chart's left edge, and a scroll that puts a day there.
    COleDateTime LeftDate() const;
    void ScrollLeftTo(const COleDateTime& day);
    // The wheel's angle (kWheelNotch a notch, positive away from the user):
    // the plain wheel scrolls vertically, with Shift or tilted horizontally.
    // True when either position moved.
    bool Wheel(int angleX, int angleY, bool shift);
    // Vertical scroll, held to the scroll bar's rule.
    void SetTop(int top);
    int GetTop() const { return top_; }
    // The least vertical scroll that shows the span from top to bottom, or
    // its top when it is taller than the chart.
    void ScrollToShow(int top, int bottom);
    void SetToday(const COleDateTime& today) { today_ = today; }
    const COleDateTime& GetToday() const { return today_; }
    void SetShowLightning(bool show) { showLightning_ = show; }
    // The row header writes each row's id after its text, so that rows can
    // be named by id (the import dialog asks for it).
    void SetShowRowIds(bool show) { showRowIds_ = show; }
    bool IsShowingRowIds() const { return showRowIds_; }
    // The progress line's reference date; null: today.
    void SetLightningDate(const COleDateTime& day) { lightningDate_ = day; }
    // The words of the boxes the chart shows without a document and without
    // rows, two lines broken by "\r\n".
    void SetEmptyChartTexts(std::string noDocument, std::string noRows);

    // The row-header pane's width as the window has it, which wins over the
    // project's own; 0 gives the width back to the project.
    void SetHeaderWidth(int width);
    int HeaderWidth() const;
    int ChartWidth() const;
    int ChartHeight() const;
    int TotalHeight() const;
    // Range, page and position of the vertical scroll bar.
    VerticalScroll ScrollRange() const;
    // The same for the horizontal one, over the ruler's built span.
    HorizontalScroll HorizontalRange() const;

    // Each pane paints at its own origin.
    void PaintRowHeader(IDrawContext& dc);
    void PaintRuler(IDrawContext& dc);
    void PaintChart(IDrawContext& dc);
    // The column area between the row header and the chart: its header pane
    // (the ruler's height) and its cell pane, scrolled vertically with the
    // chart. Each paints at its own origin.
    void PaintColumnHeader(IDrawContext& dc, int width);
    void PaintColumnCells(IDrawContext& dc, int width, int height);
    // The column whose header box holds a point of the header pane.
    CGuiColumn* ColumnAt(DrawPoint point) const;
    // The row beside a point of the cell pane; null off the rows.
    CGuiRow* CellRowAt(DrawPoint point) const;
    // All panes in one picture of SetSize's size.
    void PaintAll(IDrawContext& dc);

    // What the status bar and tip say about a point of the chart pane.
    ChartHint HintAt(DrawPoint point, bool pointShape = false) const;
    // The whole caption of the row under a point of the row-header pane,
    // which the pane's narrow cells often cut off; empty off the rows.
    std::string RowHeaderHintAt(DrawPoint point) const;
    // A press in the row-header pane: on a fold icon it folds or unfolds the
    // row, elsewhere on a row it selects the row alone. True when either
    // happened.
    bool ClickRowHeader(DrawPoint point);
    // Selects the row under a point of the row-header pane alone; false off
    // the rows.
    bool SelectRowAt(DrawPoint point);
    // Lays the model out again after its fold or hidden states changed.
    void Relayout();
    // Opened to be placed with the first SetPeriod, which has not come yet.
    bool IsAwaitingPeriod() const { return awaitingPeriod_; }

    // The holiday marks the chart and the ruler paint with.
    HolidayCache& Holidays() { return *holidays_; }
    CRuler& GetRuler() { return *ruler_; }
    const CRuler& GetRuler() const { return *ruler_; }
    CDisplayModel& GetModel() { return *model_; }
    DisplaySettings& GetDisplaySettings() { return *display_; }
    // What the chart's passes read now.
    ChartContext Context() const;

private:
    bool IsOnFoldIcon(const CGuiRow& row, DrawPoint chart) const;
    // The scroll by pixels that keeps the chart inside the display period.
    int WithinDisplayPeriod(int pixels) const;

    std::unique_ptr<CalendarSettings> ownCalendar_;
    std::unique_ptr<DisplaySettings> ownDisplay_;
    CalendarSettings* calendar_;
    DisplaySettings* display_;
    std::unique_ptr<HolidayCache> holidays_;
    std::unique_ptr<CRuler> ruler_;
    std::unique_ptr<CDisplayModel> model_;
    CProject* project_ = nullptr;
    bool awaitingPeriod_ = false;
    int headerWidth_ = 0;
    int width_ = 0;
    int height_ = 0;
    int top_ = 0;
    COleDateTime today_;
    COleDateTime scrollFrom_ = COleDateTime::Null();
    COleDateTime scrollTo_ = COleDateTime::Null();
    bool showLightning_ = false;
    bool showRowIds_ = false;
    COleDateTime lightningDate_ = COleDateTime::Null();
    std::array<std::optional<RulerBands>, 3> rulerBands_;
    std::string noDocumentText_;
    std::string noRowsText_;
};

}  // namespace qb
