#include "MainWindow.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QCursor>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QStatusBar>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "AppMessages.h"
#include "CCanvas.h"
#include "CCommandHandler.h"
#include "CDisplayModel.h"
#include "CGuiColumn.h"
#include "CGuiRow.h"
#include "CHolidayArray.h"
#include "CPenInfo.h"
#include "CProject.h"
#include "CRow.h"
#include "CStatus.h"
#include "CanvasReply.h"
#include "CellTextEditor.h"
#include "ChartController.h"
#include "ChartTexts.h"
#include "ColumnAreaController.h"
#include "CommandIds.h"
#include "DisplaySettings.h"
#include "DocumentCommands.h"
#include "GestureLoad.h"
#include "HorizontalScroll.h"
#include "IDrawContext.h"
#include "LoadGraphForm.h"
#include "LoadGraphPanel.h"
#include "MenuBuilder.h"
#include "ModeTabBar.h"
#include "PaneEdits.h"
#include "PaneReply.h"
#include "PaneSplitter.h"
#include "ProjectPage.h"
#include "QtClipboard.h"
#include "RowCommands.h"
#include "RowHeaderDrag.h"
#include "RowHeaderMenu.h"
#include "RulerMenu.h"
#include "ToolBars.h"
#include "VerticalScroll.h"

namespace qb {

namespace {

// A pane under its header, with room left at the bottom.
void StackPanes(QWidget* column, QWidget* header, QWidget* body, int bottom) {
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, bottom);
    layout->setSpacing(0);
    layout->addWidget(header);
    layout->addWidget(body, 1);
}

// The caption editor's least size, for narrow or low rows.
constexpr int kMinCaptionEditorWidth = 120;
constexpr int kMinCaptionEditorHeight = 28;

// Pixels per day of the day, month and year charts until a file's view
// state says otherwise.
constexpr double kDefaultScales[] = {0.0, 20.0, 4.0, 0.5};
// Scales from a view state outside these are taken for damage.
constexpr double kMinScale = 0.1;
constexpr double kMaxScale = 500.0;
// Days shown before today when the project sets no display period.
constexpr int kDaysBeforeToday = 7;
// Pixels moved by the arrows of the horizontal scroll bar.
constexpr int kHorizontalLineStep = 20;

QString ProgramName() {
    return QStringLiteral("Quellbrandiren");
}

QString FromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

int ValidMode(int mode) {
    return std::clamp(mode, static_cast<int>(MainWindow::kProjectTab),
                      static_cast<int>(MainWindow::kYearTab));
}

template <class Visit>
void ForEachRow(const CGuiRowArray& rows, const Visit& visit) {
    for (const auto& row : rows) {
        visit(*row);
        ForEachRow(row->GetChildren(), visit);
    }
}

// The first dropped file of this machine; empty when there is none.
QString FirstLocalFile(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls())
        return {};
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile())
            return url.toLocalFile();
    }
    return {};
}

}  // namespace

MainWindow::MainWindow(CStatus& status, QWidget* parent)
    : QMainWindow(parent),
      status_(status),
      scene_(status.Services().Settings().calendar, status.Services().Settings().display),
      model_(&scene_.GetModel()),
      pageInput_(status.Services()) {
    std::copy(std::begin(kDefaultScales), std::end(kDefaultScales), scales_);
    scene_.SetToday(COleDateTime::GetCurrentTime().DatePart());
    ChartTexts::Install(scene_);
    setWindowTitle(ProgramName());
    setAcceptDrops(true);
    menus_ = new MenuBuilder(*menuBar(), status_);
    toolBars_ = new ToolBars(*this, *menus_, status_.GetPalette());
    toolBars_->RestoreLayout(status_.Services().Store());
    layout_ = PaneLayout::FromSettings(status_.Services().Settings());

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    tabs_ = new ModeTabBar(central);
    pages_ = new QStackedWidget(central);
    pages_->addWidget(BuildInformationPage());
    pages_->addWidget(BuildChartPage());
    layout->addWidget(tabs_);
    layout->addWidget(pages_, 1);
    setCentralWidget(central);
    statusBar()->showMessage(QString());

    connect(tabs_, &ModeTabBar::TabChosen, this, &MainWindow::ChooseTab);
    connect(tabs_, &ModeTabBar::RightClicked, this, &MainWindow::ShowModeOnPage);
    mode_ = ValidMode(status_.GetViewMode());
    tabs_->SelectTab(mode_);
    menus_->SetPageMode(mode_ == kProjectTab);
    resize(1024, 640);
    status_.SetView(this);
    clipboard_ = std::make_unique<QtClipboard>();
    status_.Services().SetClipboard(clipboard_.get());
    // Another window's copy enables paste here without a click first.
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, menus_,
            &MenuBuilder::UpdateAll);
    status_.Doc().AddObserver(this);
    pageInput_.Fill(status_.GetProject());
    projectPage_->ShowInput();
    DocumentChanged();
}

MainWindow::~MainWindow() {
    status_.Doc().RemoveObserver(this);
    status_.Services().SetClipboard(nullptr);
    status_.SetView(nullptr);
}

QWidget* MainWindow::BuildInformationPage() {
    projectPage_ = new ProjectPage(pageInput_, pages_);
    connect(projectPage_, &ProjectPage::ModeSwitchRequested, this,
            [this] { status_.Commands().Execute(cmd::kFileMode); });
    connect(projectPage_, &ProjectPage::Edited, this, &MainWindow::PageEdited);
    connect(projectPage_, &ProjectPage::ApplyRequested, this, &MainWindow::ApplyPage);
    return projectPage_;
}

QLabel* MainWindow::ModeStatus() const {
    return projectPage_->ModeStatus();
}

QPushButton* MainWindow::ModeSwitch() const {
    return projectPage_->ModeSwitch();
}

// Three columns a splitter divides: the corner over the row header, the
// column area, and the ruler over the chart with the scroll bars. The first
// two leave room at the bottom for the horizontal bar, so that their rows
// line up with the chart's.
QWidget* MainWindow::BuildChartPage() {
    panes_ = new PaneSplitter(layout_, pages_);
    paneEdits_ = std::make_unique<PaneEdits>(status_);
    rowDrag_ = std::make_unique<RowHeaderDrag>(status_, scene_, *paneEdits_);
    auto* rowColumn = new QWidget(panes_);
    auto* chartColumn = new QWidget(panes_);
    corner_ = new PaneWidget(rowColumn);
    rowHeader_ = new PaneWidget(rowColumn);
    rulerPane_ = new PaneWidget(chartColumn);
    chart_ = new PaneWidget(chartColumn);
    horizontal_ = new QScrollBar(Qt::Horizontal, chartColumn);
    vertical_ = new QScrollBar(Qt::Vertical, chartColumn);
    corner_->setFixedHeight(CRuler::kHeight);
    rulerPane_->setFixedHeight(CRuler::kHeight);
    StackPanes(rowColumn, corner_, rowHeader_, horizontal_->sizeHint().height());
    auto* grid = new QGridLayout(chartColumn);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    grid->addWidget(rulerPane_, 0, 0);
    grid->addWidget(chart_, 1, 0);
    grid->addWidget(vertical_, 0, 1, 2, 1);
    grid->addWidget(horizontal_, 2, 0);
    grid->setRowStretch(1, 1);
    panes_->SetColumns(rowColumn, BuildColumnArea(panes_), chartColumn);
    chartPage_ = new QWidget(pages_);
    auto* pageLayout = new QVBoxLayout(chartPage_);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    pageLayout->setSpacing(0);
    panes_->setParent(chartPage_);
    pageLayout->addWidget(panes_, 1);
    graph_ = new LoadGraphPanel(scene_, chartPage_);
    graph_->SetExtraSpans([this] {
        return GestureLoad::Spans(chartController_->Canvas().Gesture(),
                                  scene_.GetRuler().GetTimeScale(), graph_->Settings().shownOnly);
    });
    pageLayout->addWidget(graph_);
    scene_.SetHeaderWidth(layout_.RowHeaderWidth());
    rowHeader_->installEventFilter(this);
    connect(panes_, &PaneSplitter::PanesMoved, this, &MainWindow::FollowPanes);

    rulerPane_->SetPainter([this](IDrawContext& dc, const QRect&) { scene_.PaintRuler(dc); });
    new RulerMenu(*rulerPane_, status_);
    new RowHeaderMenu(*rowHeader_, status_, scene_);
    rowHeader_->SetPainter([this](IDrawContext& dc, const QRect&) { PaintRowHeader(dc); });
    rowHeader_->setFocusPolicy(Qt::ClickFocus);
    rowHeader_->SetPressHandler([this](QPoint point) { PressRowHeader(point); });
    rowHeader_->SetHintSource([this](QPoint point) {
        return scene_.RowHeaderHintAt(DrawPoint{point.x(), point.y()});
    });
    chartController_ = new ChartController(
        *chart_, status_, scene_, status_.ChartEdit(),
        [this](const CanvasReply& reply, bool settled) { FollowChart(reply, settled); });
    chart_->SetPainter([this](IDrawContext& dc, const QRect& area) { PaintChart(dc, area); });
    chart_->installEventFilter(this);
    // The splitter moves the chart's column, and the graph goes with it.
    chartColumn->installEventFilter(this);
    chart_->SetHintSource([this](QPoint point) { return chartController_->HintAt(point); });
    connect(chart_, &PaneWidget::HintChanged, this, &MainWindow::ShowHint);
    for (PaneWidget* pane : {rowHeader_, rulerPane_, chart_, columnCells_})
        pane->SetWheelHandler([this](QPoint angle, bool shift) { Wheel(angle, shift); });
    horizontal_->setSingleStep(kHorizontalLineStep);
    connect(horizontal_, &QScrollBar::actionTriggered, this, &MainWindow::StepHorizontally);
    connect(horizontal_, &QScrollBar::valueChanged, this, &MainWindow::ScrollHorizontally);
    connect(vertical_, &QScrollBar::valueChanged, this, &MainWindow::ScrollVertically);
    return chartPage_;
}

// The column area's header over its cells, which scroll with the chart.
QWidget* MainWindow::BuildColumnArea(QWidget* parent) {
    auto* column = new QWidget(parent);
    columnHeader_ = new PaneWidget(column);
    columnCells_ = new PaneWidget(column);
    columnHeader_->setFixedHeight(CRuler::kHeight);
    StackPanes(column, columnHeader_, columnCells_, horizontal_->sizeHint().height());
    columnArea_ =
        new ColumnAreaController(*columnHeader_, *columnCells_, status_, scene_, *paneEdits_,
                                 [this](const PaneReply& reply) { FollowColumns(reply); });
    return column;
}

// The row header's width as the splitter left it: the scene draws and hit
// tests the rows at it, and the chart takes the rest.
void MainWindow::FollowPanes() {
    scene_.SetHeaderWidth(rowHeader_->width());
    scene_.SetSize(scene_.HeaderWidth() + chart_->width(), CRuler::kHeight + chart_->height());
    UpdateScrollRanges();
    PlaceGraph();
    RepaintPanes();
}

void MainWindow::LoadSettings() {
    std::unique_ptr<CHolidayArray> rules;
    if (const CHolidayArray* master = status_.Services().MasterHolidays()) {
        rules = std::make_unique<CHolidayArray>();
        rules->AssignElements(*master);
    }
    scene_.UseSystemRules(std::move(rules));
    scene_.SettingsChanged();
    RepaintPanes();
}

bool MainWindow::HasDocument() const {
    return status_.HasDocument();
}

// The document view -----------------------------------------------------

// Another document: the page shows its values, whatever was typed for the
// one before (the question that protects unsaved changes has been asked).
void MainWindow::DocumentReplaced() {
    pageInput_.Fill(status_.GetProject());
    projectPage_->ShowInput();
    DocumentChanged();
}

// The same document changed, perhaps reloaded from its shared file: what the
// user typed on the page stays.
void MainWindow::ContentChanged() {
    if (const CProject* project = status_.GetProject()) {
        pageInput_.Refresh(*project);
        projectPage_->ShowInput();
    }
    DocumentChanged();
}

void MainWindow::ApplyPageInput(CProject& project) {
    pageInput_.Apply(project);
    projectPage_->ShowInput();
}

void MainWindow::PageEdited() {
    UpdateTitle();
}

void MainWindow::ApplyPage() {
    if (status_.HasDocument() && !status_.Doc().IsReadOnly())
        status_.Commands().Documents().CommitPageInput();
    projectPage_->ShowInput();
}

void MainWindow::DocumentChanged() {
    // The scene reads the state's settings, where the menu's display
    // switches live; showing the project again lays it out with them.
    scene_.SetShowLightning(status_.IsShowingLightning());
    scene_.SetLightningDate(status_.Session().LightningDate());
    for (int setting = kDayTab; setting <= kYearTab; ++setting)
        scene_.SetRulerBands(setting, status_.Session().TemporaryBands(setting));
    panes_->ShowColumnArea(status_.Services().Settings().showColumns);
    ShowProject();
    ShowGraph();
    RefreshFrame();
}

void MainWindow::ShowGraph() {
    const CProject* project = status_.GetProject();
    const LoadGraphStyle style =
        LoadGraphForm::StyleOf(status_.Services().Settings().display, project);
    const LoadGraphSettings settings = LoadGraphForm::SettingsOf(status_.Doc().GetViewStatus());
    graph_->Apply(settings, style, project != nullptr && settings.shown);
    PlaceGraph();
}

// Under the chart, as wide: the strip's columns are the chart's.
void MainWindow::PlaceGraph() {
    if (graph_ == nullptr || chart_ == nullptr)
        return;
    graph_->Place(chart_->mapTo(chartPage_, QPoint(0, 0)).x(), chart_->width());
}

void MainWindow::RefreshFrame() {
    UpdateTitle();
    tabs_->ShowMode(status_.HasDocument(), status_.IsShared(), status_.Doc().IsReadOnly());
    menus_->UpdateAll();
    if (mode_ == kProjectTab)
        ShowProjectInformation();
    RepaintPanes();
}

void MainWindow::ViewModeChanged(int mode) {
    mode_ = ValidMode(mode);
    tabs_->SelectTab(mode_);
    menus_->SetPageMode(mode_ == kProjectTab);
    ApplyView();
    RefreshFrame();
}

void MainWindow::ScrollToDate(const COleDateTime& day) {
    if (shown_ == nullptr || !day.IsValid())
        return;
    if (!periodSet_) {
        pendingLeft_ = day;
        return;
    }
    ScrollChartTo(day);
    RepaintScrolled();
}

void MainWindow::ClearSelection() {
    model_->ClearSelection();
    chart_->update();
    rowHeader_->update();
}

void MainWindow::CollectViewStatus(ViewStatus& view) const {
    if (shown_ == nullptr || shown_ != status_.GetProject())
        return;
    layout_.StoreTo(view);
    view.folded.clear();
    view.rowHidden.clear();
    view.columnHidden.clear();
    view.leftPos = periodSet_ ? LeftDate() : pendingLeft_;
    view.scale1 = scales_[kDayTab];
    view.scale2 = scales_[kMonthTab];
    view.scale3 = scales_[kYearTab];
    ForEachRow(model_->GetRows(), [this, &view](const CGuiRow& row) {
        const std::int32_t id = row.GetObjectId();
        if (model_->IsFoldedId(id))
            view.folded.push_back(id);
        if (model_->IsRowHiddenId(id))
            view.rowHidden.push_back(id);
    });
    const CGuiColumnArray& columns = model_->GetColumns();
    for (std::size_t i = 0; i < columns.Size(); ++i) {
        if (columns.At(i)->IsHidden())
            view.columnHidden.push_back(columns.At(i)->GetObjectId());
    }
}

void MainWindow::ApplyViewStatus(const ViewStatus& status) {
    const double scales[] = {0.0, status.scale1, status.scale2, status.scale3};
    for (int mode = kDayTab; mode <= kYearTab; ++mode) {
        // Negative keeps the current scale; nonsense from a damaged entry too.
        if (std::isfinite(scales[mode]) && scales[mode] > 0.0)
            scales_[mode] = std::clamp(scales[mode], kMinScale, kMaxScale);
    }
    layout_.ApplySplits(status.split1, status.split2);
    panes_->ApplyLayout();
    // The file's own graph settings arrive with its view status.
    ShowGraph();
    // A hidden splitter moves its handles when it is shown.
    scene_.SetHeaderWidth(panes_->isVisible() ? rowHeader_->width() : layout_.RowHeaderWidth());
    if (shown_ == nullptr)
        return;
    for (const std::int32_t id : status.folded)
        model_->SetFolded(id, true);
    for (const std::int32_t id : status.rowHidden)
        model_->HideRow(id);
    for (const std::int32_t id : status.columnHidden)
        model_->SetColumnHidden(id, true);
    // The chart starts again from the project's period at the new scale.
    pendingLeft_ = status.leftPos.IsValid() ? status.leftPos : COleDateTime::Null();
    periodSet_ = false;
    ApplyView();
}

bool MainWindow::IsToolBarShown(int id) const {
    return toolBars_->IsShown(id);
}

void MainWindow::ShowToolBar(int id, bool show) {
    toolBars_->Show(id, show);
}

void MainWindow::RequestClose() {
    // Posted, so that the command that asked has ended when the window asks
    // to save.
    QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

// The scene -----------------------------------------------------------------

void MainWindow::ShowProject() {
    CProject* project = status_.GetProject();
    if (project == nullptr) {
        ModelRebuilt();
        scene_.Close();
        shown_ = nullptr;
        periodSet_ = false;
        pendingLeft_ = COleDateTime::Null();
        ApplyView();
        return;
    }
    if (project == shown_) {
        // The same document changed: keep where the chart stands.
        const int top = scene_.GetTop();
        scene_.Open(*project);
        ModelRebuilt();
        if (mode_ != kProjectTab)
            scene_.SetRulerSetting(mode_);
        scene_.SetTop(top);
        UpdateScrollRanges();
        RepaintPanes();
        return;
    }
    // A chart tab sets the period next, which lays the plan out.
    scene_.Open(*project, mode_ == kProjectTab ? ChartScene::Placing::kAtOnce
                                               : ChartScene::Placing::kAtSetPeriod);
    ModelRebuilt();
    shown_ = project;
    ForgetViewStates();
    periodSet_ = false;
    pendingLeft_ = COleDateTime::Null();
    ApplyView();
}

// Folds, hidden rows and columns and the selection are kept by object id,
// and ids mean nothing in another document.
void MainWindow::ForgetViewStates() {
    std::vector<std::int32_t> folded;
    ForEachRow(model_->GetRows(), [this, &folded](const CGuiRow& row) {
        if (model_->IsFoldedId(row.GetObjectId()))
            folded.push_back(row.GetObjectId());
    });
    for (const std::int32_t id : folded)
        model_->SetFolded(id, false);
    model_->ShowAll();
    const CGuiColumnArray& columns = model_->GetColumns();
    for (std::size_t i = 0; i < columns.Size(); ++i)
        model_->SetColumnHidden(columns.At(i)->GetObjectId(), false);
    model_->ClearSelection();
    model_->ClearFilter();
}

void MainWindow::ChooseTab(int index) {
    if (index == mode_)
        return;
    status_.Commands().Execute(cmd::kViewProject + index);
    // The command tells the window through ViewModeChanged; a refused switch
    // leaves the tab where it was.
    if (ValidMode(status_.GetViewMode()) != mode_)
        ViewModeChanged(status_.GetViewMode());
    else
        tabs_->SelectTab(mode_);
    menus_->UpdateAll();
}

void MainWindow::ShowModeOnPage() {
    if (status_.HasDocument())
        status_.Services().Prompt().Show(messages::kModeOnPage.Plain());
}

void MainWindow::ApplyView() {
    pages_->setCurrentIndex(mode_ == kProjectTab ? 0 : 1);
    if (mode_ == kProjectTab) {
        ShowProjectInformation();
        return;
    }
    if (shown_ != nullptr)
        ShowChart();
    UpdateScrollRanges();
    RepaintPanes();
}

// A chart shows the project's display period, else the span of its
// schedules, else the days from a week before today, at the mode's scale;
// the day at its left edge stays there across modes.
void MainWindow::ShowChart() {
    const COleDateTime left = periodSet_ ? LeftDate() : pendingLeft_;
    pendingLeft_ = COleDateTime::Null();
    scene_.SetSize(scene_.HeaderWidth() + chart_->width(), CRuler::kHeight + chart_->height());
    scene_.SetRulerSetting(mode_);
    COleDateTime from;
    COleDateTime to;
    if (!scene_.DefaultPeriod(from, to)) {
        from = COleDateTime::GetCurrentTime().DatePart().AddDays(-kDaysBeforeToday);
        to = from;
    }
    scene_.SetPeriod(from, to, scales_[mode_]);
    periodSet_ = true;
    if (left.IsValid())
        ScrollChartTo(left);
}

void MainWindow::ScrollChartTo(const COleDateTime& day) {
    const CRuler& ruler = scene_.GetRuler();
    scene_.ScrollHorizontally(ruler.DateToX(day.DatePart()) - ruler.GetScrollPosition());
}

COleDateTime MainWindow::LeftDate() const {
    const CRuler& ruler = scene_.GetRuler();
    return ruler.XToDate(ruler.GetScrollPosition());
}

// "name - Quellbrandiren" with the project's name, else the file's path;
// the program's name alone without either. The project page shows the name
// as it is being typed.
void MainWindow::UpdateTitle() {
    QString name;
    if (mode_ == kProjectTab && status_.HasDocument())
        name = FromUtf8(pageInput_.Typed().title);
    else if (const CProject* project = status_.GetProject())
        name = FromUtf8(project->GetTitle());
    if (name.isEmpty())
        name = FromUtf8(status_.Doc().Path());
    setWindowTitle(name.isEmpty() ? ProgramName() : name + QStringLiteral(" - ") + ProgramName());
}

// Panes -----------------------------------------------------------------

void MainWindow::SetRowHeaderPainter(PaneWidget::Painter painter) {
    rowHeader_->SetPainter(std::move(painter));
}

void MainWindow::SetChartPainter(PaneWidget::Painter painter) {
    chartPainter_ = std::move(painter);
    chart_->update();
}

void MainWindow::SetChartHintSource(PaneWidget::HintSource source) {
    chart_->SetHintSource(std::move(source));
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == chart_ && (event->type() == QEvent::Resize || event->type() == QEvent::Move)) {
        scene_.SetSize(scene_.HeaderWidth() + chart_->width(), CRuler::kHeight + chart_->height());
        UpdateScrollRanges();
        PlaceGraph();
    }
    if (watched == chart_->parentWidget() && event->type() == QEvent::Move)
        PlaceGraph();
    if (watched == rowHeader_ && event->type() == QEvent::Resize)
        FollowPanes();
    if (watched == rowHeader_ && RowHeaderEvent(event))
        return true;
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::UpdateScrollRanges() {
    if (shown_ == nullptr) {
        horizontal_->setRange(0, 0);
        vertical_->setRange(0, 0);
        return;
    }
    // A linked group reads the months that came into view.
    if (periodSet_ && mode_ != kProjectTab)
        status_.Commands().Documents().ShowPeriod(
            LeftDate(), scene_.GetRuler().XToDate(scene_.GetRuler().GetScrollPosition() +
                                                  chart_->width()));
    // The scene already holds the positions the bars show.
    const QSignalBlocker blockHorizontal(horizontal_);
    const QSignalBlocker blockVertical(vertical_);
    // Qt's maximum is the last position, the range's end less one page.
    const HorizontalScroll across = scene_.HorizontalRange();
    horizontal_->setRange(0, std::max({0, across.maximum - across.page, across.position}));
    horizontal_->setPageStep(std::max(1, across.page));
    horizontal_->setValue(across.position);
    const VerticalScroll scroll = scene_.ScrollRange();
    vertical_->setRange(0, std::max(0, scroll.maximum - scroll.page));
    vertical_->setPageStep(std::max(1, scroll.page));
    vertical_->setValue(scroll.position);
}

void MainWindow::ShowProjectInformation() {
    projectPage_->ShowDocument(status_.HasDocument(), status_.IsShared(),
                               status_.Doc().IsReadOnly(), FromUtf8(status_.Doc().Path()));
    projectPage_->EnableModeSwitch(status_.Commands().State(cmd::kFileMode).enabled);
}

// The graph shows what the chart shows: every repaint of the chart (a
// scroll, a zoom, an edit, a bar being dragged) has it sum again.
void MainWindow::PaintChart(IDrawContext& dc, const QRect& area) {
    graph_->Refresh();
    if (chartPainter_ && shown_ != nullptr && shown_->GetRows().GetCount(true) != 0) {
        chartPainter_(dc, area);
    } else {
        chartController_->Paint(dc);
    }
}

// Drags and jumps of the bar; near its end the ruler builds further days and
// the bar's range grows with them.
void MainWindow::ScrollHorizontally(int position) {
    scene_.ScrollHorizontally(position - scene_.GetRuler().GetScrollPosition());
    RepaintScrolled();
}

// The arrows and the page areas also work at the bar's ends, where Qt would
// not move the value: they scroll past the built period.
void MainWindow::StepHorizontally(int action) {
    int pixels = 0;
    switch (action) {
        case QAbstractSlider::SliderSingleStepAdd:
            pixels = horizontal_->singleStep();
            break;
        case QAbstractSlider::SliderSingleStepSub:
            pixels = -horizontal_->singleStep();
            break;
        case QAbstractSlider::SliderPageStepAdd:
            pixels = horizontal_->pageStep();
            break;
        case QAbstractSlider::SliderPageStepSub:
            pixels = -horizontal_->pageStep();
            break;
        default:
            return;
    }
    // Qt sets the value to the slider position after this; the bar then
    // already shows the scene's position, so no second scroll follows.
    scene_.ScrollHorizontally(pixels);
    RepaintScrolled();
}

void MainWindow::Wheel(QPoint angle, bool shift) {
    if (shown_ != nullptr && scene_.Wheel(angle.x(), angle.y(), shift)) {
        RepaintScrolled();
        rowHeader_->update();
        columnArea_->Repaint();
    }
}

void MainWindow::RepaintPanes() {
    rulerPane_->update();
    chart_->update();
    rowHeader_->update();
    corner_->update();
    columnArea_->Repaint();
}

void MainWindow::RepaintScrolled() {
    UpdateScrollRanges();
    rulerPane_->update();
    chart_->update();
}

void MainWindow::ScrollVertically(int position) {
    scene_.SetTop(position);
    rowHeader_->update();
    chart_->update();
    columnArea_->Repaint();
}

void MainWindow::PressRowHeader(QPoint point) {
    rowHeader_->setFocus(Qt::MouseFocusReason);
    if (scene_.ClickRowHeader(DrawPoint{point.x(), point.y()})) {
        rowDrag_->Press(DrawPoint{point.x(), point.y()});
        UpdateScrollRanges();
        rowHeader_->update();
        chart_->update();
        columnArea_->Repaint();
        // The selection decides which commands the shortcuts reach.
        menus_->UpdateAll();
    }
}

void MainWindow::ChartViewChanged() {
    UpdateScrollRanges();
    RepaintPanes();
    menus_->UpdateAll();
}

// What a gesture or key on the chart asks of the rest of the window.
void MainWindow::FollowChart(const CanvasReply& reply, bool settled) {
    if (reply.scrolled) {
        UpdateScrollRanges();
        RepaintPanes();
    }
    if (settled)
        menus_->UpdateAll();
    if (reply.command != 0)
        RunLater(reply.command);
}

// After the event that asked for it has ended: the command may open a
// dialog.
void MainWindow::RunLater(int command) {
    QMetaObject::invokeMethod(
        this,
        [this, command] {
            status_.Commands().Execute(command);
            menus_->UpdateAll();
        },
        Qt::QueuedConnection);
}

// What the column area asks of the rest of the window.
void MainWindow::FollowColumns(const PaneReply& reply) {
    if (reply.scrolled) {
        UpdateScrollRanges();
        RepaintPanes();
    }
    if (reply.selection) {
        rowHeader_->update();
        chart_->update();
        menus_->UpdateAll();
    }
    if (reply.command != 0)
        RunLater(reply.command);
}

void MainWindow::ModelRebuilt() {
    chartController_->ModelRebuilt();
    if (columnArea_ != nullptr)
        columnArea_->ModelRebuilt();
    if (rowDrag_ != nullptr && rowDrag_->Cancel())
        rowHeader_->update();
}

// The row header: the scene's rows, and the place a dragged row would go.
void MainWindow::PaintRowHeader(IDrawContext& dc) {
    scene_.PaintRowHeader(dc);
    if (const auto& drop = rowDrag_->CurrentDrop()) {
        if (drop->onto) {
            dc.FrameRect(drop->marker, 0x000000);
            dc.FrameRect(DrawRect{drop->marker.left + 1, drop->marker.top + 1,
                                  drop->marker.right - 1, drop->marker.bottom - 1},
                         0x000000);
        } else {
            dc.FillRect(drop->marker, 0x000000);
        }
    }
}

// The press itself comes through the pane's press handler.
bool MainWindow::RowHeaderEvent(QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseMove: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            const QPoint at = mouse->position().toPoint();
            if ((mouse->buttons() & Qt::LeftButton) && rowDrag_->Move(DrawPoint{at.x(), at.y()}))
                rowHeader_->update();
            return false;
        }
        case QEvent::MouseButtonRelease: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            const QPoint at = mouse->position().toPoint();
            if (mouse->button() == Qt::LeftButton && rowDrag_->Release(DrawPoint{at.x(), at.y()})) {
                rowHeader_->update();
                menus_->UpdateAll();
            }
            return false;
        }
        case QEvent::MouseButtonDblClick: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            const QPoint at = mouse->position().toPoint();
            rowDrag_->Cancel();
            if (mouse->button() != Qt::LeftButton || !status_.HasDocument())
                return true;
            // On a row its properties; the margin below the rows makes a new
            // row, as the empty chart tells.
            if (scene_.SelectRowAt(DrawPoint{at.x(), at.y()})) {
                RepaintPanes();
                RunLater(cmd::kProperties);
            } else if (at.y() + scene_.GetTop() >= scene_.TotalHeight()) {
                RunLater(cmd::kInsertRowBelow);
            }
            return true;
        }
        case QEvent::KeyPress:
            if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && rowDrag_->Cancel()) {
                rowHeader_->update();
                return true;
            }
            return false;
        case QEvent::FocusOut:
        case QEvent::UngrabMouse:
            if (rowDrag_->Cancel())
                rowHeader_->update();
            return false;
        default:
            return false;
    }
}

bool MainWindow::BeginLink() {
    return chartController_ != nullptr && chartController_->BeginLink();
}

void MainWindow::EditMemoText(std::int32_t id) {
    if (chartController_ != nullptr)
        chartController_->EditMemoText(id);
}

void MainWindow::PreviewObject(const CData* values) {
    if (chartController_ != nullptr)
        chartController_->Preview(values);
}

void MainWindow::EditCellText(std::int32_t rowId, std::int32_t columnId) {
    if (columnId == CData::kNoObject)
        EditCaption(rowId);
    else if (columnArea_ != nullptr)
        columnArea_->EditCellText(rowId, columnId);
}

CellTextEditor* MainWindow::TextEditor() const {
    if (captionEditor_)
        return captionEditor_.data();
    return columnArea_ != nullptr ? columnArea_->Editor() : nullptr;
}

// The caption typed over the row's box in the row header.
void MainWindow::EditCaption(std::int32_t rowId) {
    const CGuiRow* row = scene_.GetModel().FindRow(rowId);
    if (row == nullptr || !row->IsVisible() || status_.Doc().IsReadOnly())
        return;
    if (captionEditor_)
        captionEditor_->Commit();
    const GuiRect box = row->GetRect();
    const QRect area(box.left, box.top - scene_.GetTop(),
                     std::max(rowHeader_->width() - box.left, kMinCaptionEditorWidth),
                     std::max(box.Height(), kMinCaptionEditorHeight));
    captionEditor_ = new CellTextEditor(
        rowHeader_, area, row->GetRow().GetCaption(), row->GetRow().GetTextFont(),
        [this, rowId](std::optional<std::string> text) {
            captionEditor_ = nullptr;
            rowHeader_->setFocus(Qt::OtherFocusReason);
            const CGuiRow* edited = scene_.GetModel().FindRow(rowId);
            if (text && edited != nullptr && edited->GetRow().GetCaption() != *text)
                status_.Commands().Rows().CommitCaption(rowId, *text);
            RepaintPanes();
        });
}

void MainWindow::ShowHint(const QString& hint) {
    statusBar()->showMessage(hint);
}

// Closing and dropped files ----------------------------------------------

void MainWindow::closeEvent(QCloseEvent* event) {
    DocumentCommands& documents = status_.Commands().Documents();
    if (documents.AskSaveChanges() == DocumentCommands::Answer::kCancel) {
        event->ignore();
        return;
    }
    documents.CloseDocument(true);
    StoreWindowRectangle();
    layout_.StoreTo(status_.Services().Settings());
    toolBars_->SaveLayout(status_.Services().Store());
    event->accept();
}

// The rectangle of the window's own area, which the next start gives back
// to it unchanged; a maximised or minimised window keeps the last one.
void MainWindow::StoreWindowRectangle() {
    if (isMaximized() || isMinimized())
        return;
    const QRect area = geometry();
    AppSettings& settings = status_.Services().Settings();
    settings.wndLeft = area.x();
    settings.wndTop = area.y();
    settings.wndRight = area.x() + area.width();
    settings.wndBottom = area.y() + area.height();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!FirstLocalFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QString path = FirstLocalFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    // The drag source waits for the drop to end; the questions and messages
    // of the open come after it.
    QMetaObject::invokeMethod(
        this, [this, file = path.toStdString()] { status_.Commands().Documents().DropFile(file); },
        Qt::QueuedConnection);
}

}  // namespace qb

namespace qb {

// The mouse when it is over the chart, in chart pixels.
std::optional<DrawPoint> MainWindow::PastePoint() const {
    if (chart_ == nullptr || !chart_->isVisible())
        return std::nullopt;
    const QPoint at = chart_->mapFromGlobal(QCursor::pos());
    if (!chart_->rect().contains(at))
        return std::nullopt;
    return DrawPoint{at.x() + scene_.GetRuler().GetScrollPosition(), at.y() + scene_.GetTop()};
}

}  // namespace qb
