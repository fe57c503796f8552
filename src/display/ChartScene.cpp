#include "ChartScene.h"

#include "CHolidayArray.h"

#include <algorithm>
#include <cmath>

#include "CDisplayModel.h"
#include "CGuiColumnArray.h"
#include "CGuiRow.h"
#include "CGuiSchedule.h"
#include "CProject.h"
#include "CRuler.h"
#include "CalendarSettings.h"
#include "ChartHint.h"
#include "ChartPainter.h"
#include "ChartView.h"
#include "ColumnPanePainter.h"
#include "DisplaySettings.h"
#include "GuiDrawArgs.h"
#include "HolidayCache.h"
#include "IDrawContext.h"
#include "ISettingsStore.h"
#include "JapaneseHolidaySet.h"
#include "OffsetDrawContext.h"
#include "RowIcons.h"
#include "RowPanePainter.h"

namespace qb {

namespace {

constexpr DrawColour kPaper = 0xFFFFFF;

DrawPen ToDrawPen(const CPenInfo& pen) {
    return DrawPen{pen.GetStyle(), pen.GetWidth(), pen.GetColour()};
}

bool IsSet(const COleDateTime& day) {
    return day.IsValid() && day.GetDays() != 0.0;
}

}  // namespace

ChartScene::ChartScene()
    : ownCalendar_(std::make_unique<CalendarSettings>()),
      ownDisplay_(std::make_unique<DisplaySettings>()),
      calendar_(ownCalendar_.get()),
      display_(ownDisplay_.get()),
      holidays_(std::make_unique<HolidayCache>(*calendar_)),
      ruler_(std::make_unique<CRuler>(*calendar_, holidays_.get())),
      model_(std::make_unique<CDisplayModel>()) {
    holidays_->SetSystemRules(JapaneseHolidaySet::Build());
}

ChartScene::ChartScene(CalendarSettings& calendar, DisplaySettings& display)
    : calendar_(&calendar),
      display_(&display),
      holidays_(std::make_unique<HolidayCache>(*calendar_)),
      ruler_(std::make_unique<CRuler>(*calendar_, holidays_.get())),
      model_(std::make_unique<CDisplayModel>()) {
    holidays_->SetSystemRules(JapaneseHolidaySet::Build());
}

ChartScene::~ChartScene() = default;

void ChartScene::LoadSettings(const ISettingsStore& store) {
    calendar_->Load(store);
    display_->Load(store);
    SettingsChanged();
}

void ChartScene::UseSystemRules(std::unique_ptr<CHolidayArray> systemRules) {
    if (systemRules)
        holidays_->SetSystemRules(std::move(systemRules));
}

// Holiday marks and ruler labels depend on the calendar settings.
void ChartScene::SettingsChanged() {
    holidays_->ClearCache();
    ruler_->Invalidate();
    Relayout();
}

void ChartScene::Open(CProject& project, Placing placing) {
    if (&project != project_) {
        scrollFrom_ = COleDateTime::Null();
        scrollTo_ = COleDateTime::Null();
    }
    project_ = &project;
    awaitingPeriod_ = placing == Placing::kAtSetPeriod;
    holidays_->SetProjectRules(&project.GetHolidays(), project.IsUseSystemHolidays());
    ruler_->Invalidate();
    model_->Rebuild(project);
    top_ = 0;
    Relayout();
}

// The filter and the current cell belong to the project being closed.
void ChartScene::Close() {
    model_->Clear();
    model_->ClearFilter();
    model_->SetCurrentColumn(-1);
    holidays_->SetProjectRules(nullptr, true);
    project_ = nullptr;
    awaitingPeriod_ = false;
    scrollFrom_ = COleDateTime::Null();
    scrollTo_ = COleDateTime::Null();
    top_ = 0;
}

void ChartScene::SetEmptyChartTexts(std::string noDocument, std::string noRows) {
    noDocumentText_ = std::move(noDocument);
    noRowsText_ = std::move(noRows);
}

void ChartScene::SetRulerSetting(int setting) {
    if (project_ == nullptr)
        return;
    ruler_->ApplyProject(*project_, setting);
    // A period chosen for the scroll bar is labelled to its ends.
    if (scrollFrom_.IsValid() && scrollTo_.IsValid())
        ruler_->SetLimits(scrollFrom_, scrollTo_);
    if (setting >= 1 && setting <= 3 && rulerBands_[setting - 1])
        ruler_->ApplyBands(*rulerBands_[setting - 1]);
}

void ChartScene::SetRulerBands(int setting, const std::optional<RulerBands>& bands) {
    if (setting >= 1 && setting <= 3)
        rulerBands_[setting - 1] = bands;
}

void ChartScene::SetSize(int width, int height) {
    width_ = std::max(0, width);
    height_ = std::max(0, height);
    ruler_->SetWidth(ChartWidth());
    SetTop(top_);
}

void ChartScene::SetPeriod(const COleDateTime& from, const COleDateTime& to, double scale) {
    const COleDateTime origin = from.DatePart();
    COleDateTime end = std::max(to.DatePart(), origin);
    if (scale <= 0.0) {
        ruler_->SetView(ChartWidth(), origin, end);
        scale = ruler_->GetScale();
    }
    // The span must stay below what the ruler builds; the rest is cut off.
    const int maxDays = std::max(1, static_cast<int>(std::floor(CRuler::kMaxSpan / scale)) - 1);
    if (end > origin.AddDays(maxDays - 1))
        end = origin.AddDays(maxDays - 1);
    ruler_->SetOrigin(origin);
    ruler_->SetScale(scale);
    ruler_->SetEnd(end);
    ruler_->SetWidth(ChartWidth());
    ruler_->SetScrollPosition(0);
    ruler_->Rebuild();
    awaitingPeriod_ = false;
    Relayout();
}

bool ChartScene::DefaultPeriod(COleDateTime& from, COleDateTime& to) const {
    if (project_ == nullptr)
        return false;
    if (scrollFrom_.IsValid() && scrollTo_.IsValid()) {
        from = scrollFrom_;
        to = scrollTo_;
        return true;
    }
    // The zero date stands for "not set" in the data.
    COleDateTime first;
    COleDateTime last;
    ScheduleSpan(first, last);
    const COleDateTime& start = project_->GetDisplayStartDate();
    const COleDateTime& end = project_->GetDisplayEndDate();
    from = IsSet(start) ? start.DatePart() : first;
    to = IsSet(end) ? end.DatePart() : last;
    if (!IsSet(from) && !IsSet(to))
        return false;
    if (!IsSet(from))
        from = to;
    if (!IsSet(to) || to < from)
        to = std::max(from, last);
    return true;
}

bool ChartScene::ScheduleSpan(COleDateTime& first, COleDateTime& last) const {
    first = COleDateTime();
    last = COleDateTime();
    if (project_ == nullptr)
        return false;
    const auto& schedules = model_->GetSchedules();
    for (std::size_t i = 0; i < schedules.Size(); ++i) {
        const ScheduleFields& fields = schedules.At(i)->GetFields();
        for (const COleDateTime& day : {fields.startDate, fields.endDate}) {
            if (!IsSet(day))
                continue;
            if (!IsSet(first) || day.DatePart() < first)
                first = day.DatePart();
            if (!IsSet(last) || day.DatePart() > last)
                last = day.DatePart();
        }
    }
    return IsSet(first);
}

void ChartScene::SetScrollPeriod(const COleDateTime& from, const COleDateTime& to) {
    scrollFrom_ = from.DatePart();
    scrollTo_ = to.DatePart();
    ruler_->SetLimits(scrollFrom_, scrollTo_);
    SetPeriod(scrollFrom_, scrollTo_, ruler_->GetScale());
}

void ChartScene::SetLeft(int left) {
    ruler_->SetScrollPosition(std::max(0, left));
}

void ChartScene::ScrollHorizontally(int pixels) {
    pixels = WithinDisplayPeriod(pixels);
    // A new origin moves every day's x, so the objects are placed again.
    if (HorizontalScroll::ScrollBy(*ruler_, pixels))
        Relayout();
}

// The ruler labels nothing past the end of a display period, so the chart
// stops with that day at its right edge, and never starts before the first.
int ChartScene::WithinDisplayPeriod(int pixels) const {
    const long long left = ruler_->GetScrollPosition();
    long long wanted = left + pixels;
    const COleDateTime& start = ruler_->GetDisplayStart();
    const COleDateTime& end = ruler_->GetDisplayEnd();
    if (IsSet(end))
        wanted = std::min<long long>(wanted, ruler_->DateToX(end.DatePart().AddDays(1)) -
                                                 static_cast<long long>(ChartWidth()));
    if (IsSet(start))
        wanted = std::max<long long>(wanted, ruler_->DateToX(start.DatePart()));
    return static_cast<int>(wanted - left);
}

COleDateTime ChartScene::LeftDate() const {
    return ruler_->XToDate(ruler_->GetScrollPosition());
}

void ChartScene::ScrollLeftTo(const COleDateTime& day) {
    ScrollHorizontally(ruler_->DateToX(day.DatePart()) - ruler_->GetScrollPosition());
}

bool ChartScene::Wheel(int angleX, int angleY, bool shift) {
    const int horizontal = angleX != 0 ? angleX : (shift ? angleY : 0);
    const int vertical = shift ? 0 : angleY;
    const int oldLeft = ruler_->GetScrollPosition();
    const COleDateTime oldOrigin = ruler_->GetOrigin();
    const int oldTop = top_;
    // Turning the wheel away from the user moves towards the top and the
    // earlier days.
    if (horizontal != 0)
        ScrollHorizontally(-horizontal * kWheelPixels / kWheelNotch);
    if (vertical != 0)
        SetTop(top_ - vertical * kWheelPixels / kWheelNotch);
    return ruler_->GetScrollPosition() != oldLeft || ruler_->GetOrigin() != oldOrigin ||
           top_ != oldTop;
}

void ChartScene::SetTop(int top) {
    top_ = VerticalScroll::Compute(TotalHeight(), ChartHeight(), std::max(0, top)).position;
}

void ChartScene::ScrollToShow(int top, int bottom) {
    if (top < top_)
        SetTop(top);
    else if (bottom > top_ + ChartHeight())
        SetTop(std::min(top, bottom - ChartHeight()));
}

void ChartScene::SetHeaderWidth(int width) {
    headerWidth_ = std::max(0, width);
    ruler_->SetWidth(ChartWidth());
    Relayout();
}

int ChartScene::HeaderWidth() const {
    if (headerWidth_ > 0)
        return headerWidth_;
    if (project_ != nullptr && project_->GetRowViewWidth() > 0)
        return project_->GetRowViewWidth();
    return kDefaultHeaderWidth;
}

int ChartScene::ChartWidth() const {
    return std::max(0, width_ - HeaderWidth());
}

int ChartScene::ChartHeight() const {
    return std::max(0, height_ - CRuler::kHeight);
}

int ChartScene::TotalHeight() const {
    return model_->IsBuilt() ? model_->TotalHeight() : 0;
}

VerticalScroll ChartScene::ScrollRange() const {
    return VerticalScroll::Compute(TotalHeight(), ChartHeight(), top_);
}

// The bar ends where scrolling stops: at a display period's end.
HorizontalScroll ChartScene::HorizontalRange() const {
    HorizontalScroll range = HorizontalScroll::Of(*ruler_);
    const COleDateTime& end = ruler_->GetDisplayEnd();
    if (IsSet(end))
        range.maximum =
            std::max(std::min(range.maximum, ruler_->DateToX(end.DatePart().AddDays(1))),
                     range.position + range.page);
    return range;
}

ChartContext ChartScene::Context() const {
    ChartContext chart;
    chart.model = project_ != nullptr ? model_.get() : nullptr;
    chart.ruler = ruler_.get();
    chart.display = display_;
    chart.calendar = calendar_;
    chart.holidays = holidays_.get();
    chart.headerWidth = HeaderWidth();
    chart.summaryMode = display_->summary;
    chart.today = today_;
    return chart;
}

void ChartScene::Relayout() {
    if (project_ == nullptr || awaitingPeriod_)
        return;
    model_->Layout(Context());
    SetTop(top_);
}

void ChartScene::PaintRowHeader(IDrawContext& dc) {
    dc.FillRect(DrawRect{0, 0, HeaderWidth(), ChartHeight()}, kPaper);
    if (project_ == nullptr)
        return;
    OffsetDrawContext rows(dc, DrawPoint{0, top_});
    const ChartContext chart = Context();
    GuiDrawArgs args{chart, DrawRect{0, top_, HeaderWidth(), top_ + ChartHeight()}};
    args.cellCurrent = model_->GetCurrentColumn() != -1;
    args.showObjectId = showRowIds_;
    RowPanePainter::Paint(rows, *model_, args);
}

void ChartScene::PaintRuler(IDrawContext& dc) {
    dc.FillRect(DrawRect{0, 0, ChartWidth(), CRuler::kHeight}, kPaper);
    if (project_ != nullptr)
        ruler_->Paint(dc, today_);
}

void ChartScene::PaintChart(IDrawContext& dc) {
    // The grid follows the ruler's cells, and the chart may be painted before
    // the ruler after a change of units or formats.
    if (project_ != nullptr && !ruler_->IsBuilt())
        ruler_->Rebuild();
    ChartView view;
    view.scroll = DrawPoint{ruler_->GetScrollPosition(), top_};
    view.width = ChartWidth();
    view.height = ChartHeight();
    view.showLightning = showLightning_;
    view.lightningDate = lightningDate_.IsValid() ? lightningDate_ : today_;
    view.noDocumentText = noDocumentText_;
    view.noRowsText = noRowsText_;
    if (project_ != nullptr) {
        view.upperGridPen = ToDrawPen(project_->GetVertLineLCode());
        view.lowerGridPen = ToDrawPen(project_->GetVertLineSCode());
    }
    ChartPainter::Paint(dc, Context(), view);
}

void ChartScene::PaintAll(IDrawContext& dc) {
    const int header = HeaderWidth();
    dc.FillRect(DrawRect{0, 0, width_, height_}, kPaper);
    const auto paintPane = [&dc](DrawPoint at, DrawSize size, auto&& paint) {
        dc.SaveState();
        OffsetDrawContext pane(dc, DrawPoint{-at.x, -at.y});
        pane.IntersectClip(DrawRect{0, 0, size.width, size.height});
        paint(pane);
        dc.RestoreState();
    };
    paintPane(DrawPoint{header, 0}, DrawSize{ChartWidth(), CRuler::kHeight},
              [this](IDrawContext& pane) { PaintRuler(pane); });
    paintPane(DrawPoint{0, CRuler::kHeight}, DrawSize{header, ChartHeight()},
              [this](IDrawContext& pane) { PaintRowHeader(pane); });
    paintPane(DrawPoint{header, CRuler::kHeight}, DrawSize{ChartWidth(), ChartHeight()},
              [this](IDrawContext& pane) { PaintChart(pane); });
    dc.SetPen(DrawPen{kPenSolid, 1, kPaneLineColour});
    dc.DrawLine(DrawPoint{header - 1, 0}, DrawPoint{header - 1, height_});
    dc.DrawLine(DrawPoint{0, CRuler::kHeight - 1}, DrawPoint{width_, CRuler::kHeight - 1});
}

ChartHint ChartScene::HintAt(DrawPoint point, bool pointShape) const {
    const bool inClient =
        point.x >= 0 && point.y >= 0 && point.x < ChartWidth() && point.y < ChartHeight();
    const DrawPoint chartPoint{point.x + ruler_->GetScrollPosition(), point.y + top_};
    return ChartHint::At(Context(), inClient, chartPoint, pointShape);
}

std::string ChartScene::RowHeaderHintAt(DrawPoint point) const {
    if (project_ == nullptr || point.x < 0 || point.y < 0 || point.x >= HeaderWidth() ||
        point.y >= ChartHeight())
        return std::string();
    const CGuiRow* row = model_->HitTestRow(DrawPoint{point.x, point.y + top_});
    return row != nullptr ? ChartHint::OneLine(row->GetCaption()) : std::string();
}

bool ChartScene::ClickRowHeader(DrawPoint point) {
    if (project_ == nullptr)
        return false;
    const DrawPoint chart{point.x, point.y + top_};
    CGuiRow* row = model_->HitTestRow(chart);
    if (row == nullptr)
        return false;
    const std::int32_t id = row->GetObjectId();
    if (model_->CanFold(id) && IsOnFoldIcon(*row, chart)) {
        model_->ToggleFold(id);
        Relayout();
        return true;
    }
    return SelectRowAt(point);
}

bool ChartScene::SelectRowAt(DrawPoint point) {
    if (project_ == nullptr)
        return false;
    const CGuiRow* row = model_->HitTestRow(DrawPoint{point.x, point.y + top_});
    if (row == nullptr)
        return false;
    model_->Select(row->GetObjectId(), false);
    return true;
}

// The icon sits 3 pixels in and 5 down; the whole icon space before the
// caption takes the click, which is easier to hit than the 9-pixel box.
bool ChartScene::IsOnFoldIcon(const CGuiRow& row, DrawPoint chart) const {
    const GuiRect rect = row.GetRect();
    const int indent = model_->GetRenban() != 3 ? row.GetLevel() * model_->GetIndent() : 0;
    const int left = rect.left + indent;
    return chart.x >= left && chart.x < left + CGuiRow::kIconSpace && chart.y >= rect.top &&
           chart.y < rect.top + 5 + RowIcons::kFoldSize + 3;
}

void ChartScene::PaintColumnHeader(IDrawContext& dc, int width) {
    const DrawRect pane{0, 0, width, CRuler::kHeight};
    dc.FillRect(pane, kPaper);
    if (project_ == nullptr)
        return;
    const ChartContext chart = Context();
    ColumnPanePainter::PaintHeader(dc, *model_, GuiDrawArgs{chart, pane});
}

void ChartScene::PaintColumnCells(IDrawContext& dc, int width, int height) {
    dc.FillRect(DrawRect{0, 0, width, height}, kPaper);
    if (project_ == nullptr)
        return;
    OffsetDrawContext cells(dc, DrawPoint{0, top_});
    const ChartContext chart = Context();
    ColumnPanePainter::PaintCells(cells, *model_,
                                  GuiDrawArgs{chart, DrawRect{0, top_, width, top_ + height}});
}

CGuiColumn* ChartScene::ColumnAt(DrawPoint point) const {
    return model_->GetColumns().ColumnAt(point.x);
}

CGuiRow* ChartScene::CellRowAt(DrawPoint point) const {
    return model_->RowAt(point.y + top_);
}

}  // namespace qb
