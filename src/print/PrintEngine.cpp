#include "PrintEngine.h"

#include <algorithm>
#include <cmath>

#include "CDisplayModel.h"
#include "CGuiColumnArray.h"
#include "CGuiRow.h"
#include "CGuiRowArray.h"
#include "CProject.h"
#include "CRuler.h"
#include "CalendarSettings.h"
#include "ChartScene.h"
#include "DisplaySettings.h"
#include "IDrawContext.h"
#include "OffsetDrawContext.h"
#include "PageTexts.h"
#include "ScaledDrawContext.h"

namespace qb {
namespace {

constexpr DrawColour kPaper = 0xFFFFFF;
constexpr DrawColour kInk = 0x000000;
constexpr DrawColour kPaneLine = ChartScene::kPaneLineColour;
// A range longer than this comes from a damaged period, not from a plan.
constexpr int kMaxDays = 366 * 100;
// Shown when a project has neither a period nor schedules.
constexpr int kDefaultDays = 60;

constexpr const char* kHeader = "_Header";
constexpr const char* kHeaderPos = "_HeaderPos";
constexpr const char* kFooter = "_Footer";
constexpr const char* kFooterPos = "_FooterPos";
constexpr const char* kPrintSigns = "_PrintSigns";
constexpr const char* kPrintSignsP1 = "_PrintSignsP1";
constexpr const char* kSigns = "_Signs";

bool IsSet(const COleDateTime& day) {
    return day.IsValid() && day.GetDays() != 0.0;
}

std::vector<std::string> SplitTabs(const std::string& text) {
    std::vector<std::string> parts;
    if (text.empty())
        return parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = text.find('\t', start);
        parts.push_back(text.substr(start, tab - start));
        if (tab == std::string::npos)
            return parts;
        start = tab + 1;
    }
}

void CollectBottoms(const CGuiRowArray& rows, std::vector<int>& bottoms) {
    for (const auto& row : rows) {
        if (row->IsVisible())
            bottoms.push_back(row->GetRect().bottom);
        CollectBottoms(row->GetChildren(), bottoms);
    }
}

HorizontalAlign AlignOf(PrintLayout::Slot slot) {
    if (slot == PrintLayout::kCentre)
        return HorizontalAlign::centre;
    return slot == PrintLayout::kRight ? HorizontalAlign::right : HorizontalAlign::left;
}

int DayCount(const COleDateTime& from, const COleDateTime& to) {
    return static_cast<int>(std::lround((to.DatePart() - from.DatePart()).GetTotalDays())) + 1;
}

}  // namespace

PrintEngine::PrintEngine() = default;
PrintEngine::~PrintEngine() = default;

void PrintEngine::SetGraph(int height, GraphPainter painter) {
    graphPainter_ = std::move(painter);
    graphHeight_ = graphPainter_ ? std::max(0, height) : 0;
}

void PrintEngine::BuildScene(const Source& source) {
    calendar_ =
        std::make_unique<CalendarSettings>(source.calendar ? *source.calendar : CalendarSettings());
    display_ =
        std::make_unique<DisplaySettings>(source.display ? *source.display : DisplaySettings());
    calendar_->paintHoliday = settings_.holiday;
    calendar_->paintToday = settings_.today;
    display_->paintProgress = settings_.progress;
    scene_ = std::make_unique<ChartScene>(*calendar_, *display_);
    project_ = source.project;
    // Every use of the scene sets the days it shows first, which lays the
    // plan out with the folds, hidden rows and header width below.
    scene_->Open(*project_, ChartScene::Placing::kAtSetPeriod);
    scene_->SetRulerSetting(std::clamp(source.rulerSetting, 1, 3));
    scene_->SetToday(source.today.IsValid() ? source.today.DatePart()
                                            : COleDateTime::GetCurrentTime().DatePart());
    if (source.headerWidth > 0)
        scene_->SetHeaderWidth(source.headerWidth);
    CDisplayModel& model = scene_->GetModel();
    for (const std::int32_t id : source.folded)
        model.SetFolded(id, true);
    for (const std::int32_t id : source.hiddenRows)
        model.HideRow(id);
    for (const std::int32_t id : source.hiddenColumns)
        model.SetColumnHidden(id, true);
    scene_->Relayout();
}

std::optional<std::pair<COleDateTime, COleDateTime>> PrintEngine::ResolveRange(
    const Source& source) {
    if (source.project == nullptr)
        return std::nullopt;
    if (!scene_ || project_ != source.project)
        BuildScene(source);
    COleDateTime wholeFrom;
    COleDateTime wholeTo;
    if (!scene_->DefaultPeriod(wholeFrom, wholeTo)) {
        wholeFrom =
            (source.today.IsValid() ? source.today : COleDateTime::GetCurrentTime()).DatePart();
        wholeTo = wholeFrom.AddDays(kDefaultDays - 1);
    }
    COleDateTime from = wholeFrom;
    COleDateTime to = wholeTo;
    if (settings_.range == PrintSettings::Range::kScreen && IsSet(source.screenFrom) &&
        IsSet(source.screenTo)) {
        from = source.screenFrom.DatePart();
        to = source.screenTo.DatePart();
    } else if (settings_.range == PrintSettings::Range::kDates) {
        if (IsSet(settings_.from))
            from = settings_.from.DatePart();
        if (IsSet(settings_.to))
            to = settings_.to.DatePart();
    }
    if (to < from)
        to = from;
    if (DayCount(from, to) > kMaxDays)
        to = from.AddDays(kMaxDays - 1);
    return std::make_pair(from, to);
}

bool PrintEngine::Layout(const Source& source, bool preview, const COleDateTime& now) {
    layout_.reset();
    if (source.project == nullptr)
        return false;
    BuildScene(source);
    const auto range = ResolveRange(source);
    if (!range)
        return false;
    from_ = range->first;
    to_ = range->second;
    preview_ = preview;
    now_ = now;
    pixelsPerDay_ = source.pixelsPerDay > 0.0 ? source.pixelsPerDay : 20.0;
    headerWidth_ = scene_->HeaderWidth();
    columnWidth_ = ColumnAreaWidth(source);
    shownFirst_ = -1;
    ShowDays(0, DayCount(from_, to_));
    paper_ = DrawSize{settings_.PaperWidth(), settings_.PaperHeight()};
    layout_ = std::make_unique<PrintLayout>(LayoutInput(source));
    return true;
}

PrintLayout::Input PrintEngine::LayoutInput(const Source& source) const {
    PrintLayout::Input in;
    in.paperWidth = paper_.width;
    in.paperHeight = paper_.height;
    in.marginLeft = settings_.marginLeft;
    in.marginTop = settings_.marginTop;
    in.marginRight = settings_.marginRight;
    in.marginBottom = settings_.marginBottom;
    in.headerWidth = headerWidth_;
    in.columnWidth = columnWidth_;
    in.rulerHeight = CRuler::kHeight;
    in.graphHeight = graphHeight_;
    in.dayCount = DayCount(from_, to_);
    in.pixelsPerDay = pixelsPerDay_;
    in.totalHeight = scene_->TotalHeight();
    in.rowBottoms = RowBottoms();
    in.pageFormat = settings_.pageFormat;
    in.pageAlign = settings_.pageAlign;
    const CProject& project = *source.project;
    in.header = !project.GetParam(kHeader).empty();
    in.headerPos = project.GetParamInt(kHeaderPos, 0);
    in.footer = !project.GetParam(kFooter).empty();
    in.footerPos = project.GetParamInt(kFooterPos, 0);
    in.outputDate = settings_.outputDate != PageTexts::kNoDate;
    in.title = settings_.title;
    in.titleSize = settings_.titleSize;
    if (project.GetParamBool(kPrintSigns, false))
        in.stampCount = static_cast<int>(SplitTabs(project.GetParam(kSigns)).size());
    return in;
}

std::vector<int> PrintEngine::RowBottoms() const {
    std::vector<int> bottoms;
    CollectBottoms(scene_->GetModel().GetRows(), bottoms);
    std::sort(bottoms.begin(), bottoms.end());
    bottoms.erase(std::unique(bottoms.begin(), bottoms.end()), bottoms.end());
    return bottoms;
}

int PrintEngine::ColumnAreaWidth(const Source& source) const {
    if (source.columnWidth >= 0)
        return source.columnWidth;
    if (!source.project->IsDisplayColumns())
        return 0;
    const CGuiColumnArray& columns = scene_->GetModel().GetColumns();
    int width = 0;
    for (std::size_t i = 0; i < columns.Size(); ++i)
        if (columns.At(i)->IsVisible())
            width += columns.At(i)->GetWidth();
    return width;
}

// A ruler builds labels for at most CRuler::kMaxSpan pixels; a longer range
// is shown a page's days at a time, which costs a layout per page.
void PrintEngine::ShowDays(int firstDay, int dayCount) {
    const int total = DayCount(from_, to_);
    const bool allFit = total * pixelsPerDay_ < CRuler::kMaxSpan - 2 * pixelsPerDay_;
    if (allFit) {
        if (shownFirst_ != 0 || shownCount_ != total) {
            scene_->SetPeriod(from_, to_, pixelsPerDay_);
            shownFirst_ = 0;
            shownCount_ = total;
        }
        return;
    }
    if (shownFirst_ == firstDay && shownCount_ == dayCount)
        return;
    scene_->SetPeriod(from_.AddDays(firstDay), from_.AddDays(firstDay + dayCount - 1),
                      pixelsPerDay_);
    shownFirst_ = firstDay;
    shownCount_ = dayCount;
}

void PrintEngine::DrawPage(int index, IDrawContext& dc) {
    const PrintLayout::Page& page = layout_->PageAt(index);
    dc.SaveState();
    dc.FillRect(DrawRect{0, 0, paper_.width, paper_.height}, kPaper);
    dc.IntersectClip(layout_->Printable());
    DrawChart(page, dc);
    DrawFurniture(index, dc);
    dc.RestoreState();
}

void PrintEngine::DrawChart(const PrintLayout::Page& page, IDrawContext& dc) {
    ShowDays(page.firstDay, page.dayCount);
    const DrawRect& area = layout_->ChartArea();
    dc.SaveState();
    dc.IntersectClip(area);
    ScaledDrawContext scaled(dc, layout_->Scale(), DrawPoint{area.left, area.top});
    scene_->SetSize(headerWidth_ + page.width, CRuler::kHeight + page.height);
    scene_->SetLeft(shownFirst_ == 0 ? page.left : 0);
    scene_->SetTop(page.top);
    DrawPanes(scaled, page.width, page.height, from_.AddDays(page.firstDay), page.dayCount);
    dc.RestoreState();
}

// The panes as the window places them: row header, column area, chart, with
// the column header and the ruler above and the load graph below.
void PrintEngine::DrawPanes(IDrawContext& dc, int chartWidth, int rowsHeight,
                            const COleDateTime& first, int dayCount) {
    const int header = headerWidth_;
    const int columns = columnWidth_;
    const int chartLeft = header + columns;
    const int ruler = CRuler::kHeight;
    const auto pane = [&dc](int left, int top, int width, int height, auto&& paint) {
        if (width <= 0 || height <= 0)
            return;
        dc.SaveState();
        OffsetDrawContext moved(dc, DrawPoint{-left, -top});
        moved.IntersectClip(DrawRect{0, 0, width, height});
        paint(moved);
        dc.RestoreState();
    };
    ChartScene& scene = *scene_;
    pane(chartLeft, 0, chartWidth, ruler, [&](IDrawContext& p) { scene.PaintRuler(p); });
    pane(header, 0, columns, ruler, [&](IDrawContext& p) { scene.PaintColumnHeader(p, columns); });
    pane(0, ruler, header, rowsHeight, [&](IDrawContext& p) { scene.PaintRowHeader(p); });
    pane(header, ruler, columns, rowsHeight,
         [&](IDrawContext& p) { scene.PaintColumnCells(p, columns, rowsHeight); });
    pane(chartLeft, ruler, chartWidth, rowsHeight, [&](IDrawContext& p) { scene.PaintChart(p); });
    const int bottom = ruler + rowsHeight + graphHeight_;
    if (graphHeight_ > 0) {
        GraphArea area;
        area.strip = DrawRect{chartLeft, ruler + rowsHeight, chartLeft + chartWidth, bottom};
        area.scale = DrawRect{0, ruler + rowsHeight, chartLeft, bottom};
        area.model = &scene.GetModel();
        area.ruler = &scene.GetRuler();
        area.firstX = scene.GetRuler().GetScrollPosition();
        area.from = first;
        area.to = first.AddDays(dayCount - 1);
        area.pixelsPerDay = pixelsPerDay_;
        dc.SaveState();
        dc.IntersectClip(DrawRect{0, ruler + rowsHeight, chartLeft + chartWidth, bottom});
        graphPainter_(dc, area);
        dc.RestoreState();
    }
    dc.SetPen(DrawPen{kPenSolid, 1, kPaneLine});
    dc.DrawLine(DrawPoint{header - 1, 0}, DrawPoint{header - 1, bottom});
    if (columns > 0)
        dc.DrawLine(DrawPoint{chartLeft - 1, 0}, DrawPoint{chartLeft - 1, bottom});
    dc.DrawLine(DrawPoint{0, ruler - 1}, DrawPoint{chartLeft + chartWidth, ruler - 1});
    if (graphHeight_ > 0)
        dc.DrawLine(DrawPoint{0, ruler + rowsHeight},
                    DrawPoint{chartLeft + chartWidth, ruler + rowsHeight});
    dc.FrameRect(DrawRect{0, 0, chartLeft + chartWidth, bottom}, kPaneLine);
}

void PrintEngine::DrawFurniture(int index, IDrawContext& dc) {
    const std::string face = project_->GetDefaultFont().GetFace();
    dc.SetBackgroundMode(BackgroundMode::transparent);
    dc.SetTextColour(kInk);
    dc.SetFont(DrawFont{face, PrintLayout::kTextHeight, 0});
    for (const PrintLayout::Line& line : layout_->Lines()) {
        const std::string text = LineText(line.item, index);
        if (!text.empty())
            dc.DrawText(text, line.rect,
                        TextFormat{AlignOf(line.slot), VerticalAlign::centre, true, false, true});
    }
    if (settings_.title && !layout_->TitleRect().IsEmpty()) {
        dc.SetFont(DrawFont{face, layout_->TitleFontHeight(), kFontBold});
        dc.DrawText(project_->GetTitle(), layout_->TitleRect(), TextFormat::Centred());
    }
    if (!layout_->StampRect().IsEmpty() &&
        (index == 0 || !project_->GetParamBool(kPrintSignsP1, false))) {
        dc.SetFont(DrawFont{face, PrintLayout::kTextHeight, 0});
        DrawStamps(dc);
    }
}

// One box per area, its name in a band at the top and room for the stamp below.
void PrintEngine::DrawStamps(IDrawContext& dc) {
    const DrawRect& all = layout_->StampRect();
    const std::vector<std::string> names = SplitTabs(project_->GetParam(kSigns));
    const int count = static_cast<int>(names.size());
    dc.SetPen(DrawPen{kPenSolid, 2, kInk});
    dc.SetBrush(DrawBrush::Solid(kPaper));
    for (int i = 0; i < count; ++i) {
        const DrawRect box{all.left + all.Width() * i / count, all.top,
                           all.left + all.Width() * (i + 1) / count, all.bottom};
        dc.Rectangle(box);
        const int band = box.top + PrintLayout::kStampLabelHeight;
        dc.DrawLine(DrawPoint{box.left, band}, DrawPoint{box.right, band});
        dc.DrawText(names[static_cast<std::size_t>(i)],
                    DrawRect{box.left, box.top, box.right, band}, TextFormat::Centred());
    }
}

std::string PrintEngine::LineText(PrintLayout::Item item, int index) const {
    switch (item) {
        case PrintLayout::Item::kPageNumber:
            return PageTexts::PageNumber(settings_.pageFormat, index + 1, layout_->PageCount());
        case PrintLayout::Item::kHeader:
            return project_->GetParam(kHeader);
        case PrintLayout::Item::kFooter:
            return project_->GetParam(kFooter);
        case PrintLayout::Item::kOutputDate:
            return preview_ ? PageTexts::kDatePlaceholder
                            : PageTexts::OutputDate(settings_.outputDate, now_);
    }
    return std::string();
}

std::string PrintEngine::Title() const {
    return project_ != nullptr ? project_->GetTitle() : std::string();
}

DrawSize PrintEngine::PictureSize() const {
    if (!layout_)
        return DrawSize{};
    const int days = DayCount(from_, to_);
    const int width =
        std::min(static_cast<int>(std::trunc(days * pixelsPerDay_)), CRuler::kMaxSpan - 1);
    return DrawSize{headerWidth_ + columnWidth_ + width,
                    CRuler::kHeight + scene_->TotalHeight() + graphHeight_};
}

void PrintEngine::DrawPicture(IDrawContext& dc) {
    const DrawSize size = PictureSize();
    if (size.width <= 0)
        return;
    const int days = DayCount(from_, to_);
    shownFirst_ = -1;
    scene_->SetPeriod(from_, to_, pixelsPerDay_);
    shownFirst_ = 0;
    shownCount_ = days;
    const int chartWidth = size.width - headerWidth_ - columnWidth_;
    const int rowsHeight = scene_->TotalHeight();
    scene_->SetSize(headerWidth_ + chartWidth, CRuler::kHeight + rowsHeight);
    scene_->SetLeft(0);
    scene_->SetTop(0);
    dc.FillRect(DrawRect{0, 0, size.width, size.height}, kPaper);
    DrawPanes(dc, chartWidth, rowsHeight, from_, days);
}

}  // namespace qb
