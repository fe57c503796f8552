#include "MainWindow.h"

#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabBar>
#include <QVBoxLayout>
#include <algorithm>

#include "CProject.h"
#include "CProjectFile.h"
#include "HorizontalScroll.h"
#include "VerticalScroll.h"

namespace qb {

namespace {

// Pixels per day of the day, month and year charts.
constexpr double kTabScales[] = {0.0, 20.0, 4.0, 0.5};
// Days shown before today when the project sets no display period.
constexpr int kDaysBeforeToday = 7;
constexpr int kRulerSettings[] = {0, 1, 2, 3};
// Pixels moved by the arrows of the horizontal scroll bar.
constexpr int kHorizontalLineStep = 20;

QString ProgramName() {
    return QStringLiteral("Quellbrandiren");
}

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    scene_.SetToday(COleDateTime::GetCurrentTime().DatePart());
    setWindowTitle(ProgramName());
    BuildMenus();

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    tabs_ = new QTabBar(central);
    for (const char* title : {"プロジェクト情報", "日", "月", "年"}) {
        tabs_->addTab(QString::fromUtf8(title));
    }
    pages_ = new QStackedWidget(central);
    information_ = new QLabel(pages_);
    information_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    information_->setMargin(12);
    pages_->addWidget(information_);
    pages_->addWidget(BuildChartPage());
    layout->addWidget(tabs_);
    layout->addWidget(pages_, 1);
    setCentralWidget(central);
    statusBar()->showMessage(QString());

    connect(tabs_, &QTabBar::currentChanged, this, [this](int) { ApplyView(); });
    tabs_->setCurrentIndex(kDayTab);
    resize(1024, 640);
    ApplyView();
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildMenus() {
    QMenu* file = menuBar()->addMenu(QString::fromUtf8("ファイル(&F)"));
    QAction* open = file->addAction(QString::fromUtf8("開く(&O)..."));
    open->setShortcut(QKeySequence::Open);
    connect(open, &QAction::triggered, this, &MainWindow::ChooseFile);
    file->addSeparator();
    QAction* exit = file->addAction(QString::fromUtf8("アプリケーションの終了(&X)"));
    connect(exit, &QAction::triggered, this, &QWidget::close);
}

QWidget* MainWindow::BuildChartPage() {
    auto* page = new QWidget(pages_);
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    corner_ = new PaneWidget(page);
    rowHeader_ = new PaneWidget(page);
    rulerPane_ = new PaneWidget(page);
    chart_ = new PaneWidget(page);
    horizontal_ = new QScrollBar(Qt::Horizontal, page);
    vertical_ = new QScrollBar(Qt::Vertical, page);
    corner_->setFixedSize(scene_.HeaderWidth(), CRuler::kHeight);
    rowHeader_->setFixedWidth(scene_.HeaderWidth());
    rulerPane_->setFixedHeight(CRuler::kHeight);
    grid->addWidget(corner_, 0, 0);
    grid->addWidget(rulerPane_, 0, 1);
    grid->addWidget(rowHeader_, 1, 0);
    grid->addWidget(chart_, 1, 1);
    grid->addWidget(vertical_, 0, 2, 2, 1);
    grid->addWidget(horizontal_, 2, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(1, 1);

    rulerPane_->SetPainter([this](IDrawContext& dc, const QRect&) { scene_.PaintRuler(dc); });
    rowHeader_->SetPainter([this](IDrawContext& dc, const QRect&) { scene_.PaintRowHeader(dc); });
    rowHeader_->SetPressHandler([this](QPoint point) { PressRowHeader(point); });
    rowHeader_->SetHintSource([this](QPoint point) {
        return scene_.RowHeaderHintAt(DrawPoint{point.x(), point.y()});
    });
    chart_->SetPainter([this](IDrawContext& dc, const QRect& area) { PaintChart(dc, area); });
    chart_->installEventFilter(this);
    chart_->SetHintSource([this](QPoint point) {
        return scene_.HintAt(DrawPoint{point.x(), point.y()});
    });
    connect(chart_, &PaneWidget::HintChanged, this, &MainWindow::ShowHint);
    for (PaneWidget* pane : {rowHeader_, rulerPane_, chart_})
        pane->SetWheelHandler([this](QPoint angle, bool shift) { Wheel(angle, shift); });
    horizontal_->setSingleStep(kHorizontalLineStep);
    connect(horizontal_, &QScrollBar::actionTriggered, this, &MainWindow::StepHorizontally);
    connect(horizontal_, &QScrollBar::valueChanged, this, &MainWindow::ScrollHorizontally);
    connect(vertical_, &QScrollBar::valueChanged, this, &MainWindow::ScrollVertically);
    return page;
}

void MainWindow::LoadSettings(const ISettingsStore& store) {
    scene_.LoadSettings(store);
    rulerPane_->update();
    chart_->update();
    rowHeader_->update();
}

bool MainWindow::OpenDocument(const QString& path) {
    QString error;
    if (LoadDocument(path, error)) {
        return true;
    }
    QMessageBox::critical(this, ProgramName(), error);
    return false;
}

bool MainWindow::LoadDocument(const QString& path, QString& error) {
    CProjectFile file(path.toStdString());
    std::unique_ptr<CProject> project = file.Load(false);
    if (project == nullptr) {
        error = QString::fromStdString(file.GetError().Describe());
        return false;
    }
    // The scene lets go of the old project before it is freed.
    scene_.Open(*project);
    project_ = std::move(project);
    path_ = path;
    corner_->setFixedWidth(scene_.HeaderWidth());
    rowHeader_->setFixedWidth(scene_.HeaderWidth());
    setWindowTitle(QFileInfo(path).fileName() + QStringLiteral(" - ") + ProgramName());
    ApplyView();
    return true;
}

void MainWindow::ShowTab(Tab tab) {
    tabs_->setCurrentIndex(tab);
}

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
    if (watched == chart_ && event->type() == QEvent::Resize) {
        scene_.SetSize(scene_.HeaderWidth() + chart_->width(), CRuler::kHeight + chart_->height());
        UpdateScrollRanges();
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::ChooseFile() {
    const QString path = QFileDialog::getOpenFileName(
        this, QString::fromUtf8("開く"), QFileInfo(path_).absolutePath(),
        QString::fromUtf8("Quellbrandiren ファイル (*.qbd);;すべてのファイル (*)"));
    if (!path.isEmpty()) {
        OpenDocument(path);
    }
}

// A chart tab shows the project's display period, else the span of its
// schedules, else the days from a week before today, at the tab's scale.
void MainWindow::ApplyView() {
    const int tab = tabs_->currentIndex();
    pages_->setCurrentIndex(tab == kProjectTab ? 0 : 1);
    if (tab == kProjectTab) {
        ShowProjectInformation();
        return;
    }
    if (project_ != nullptr) {
        scene_.SetSize(scene_.HeaderWidth() + chart_->width(), CRuler::kHeight + chart_->height());
        scene_.SetRulerSetting(kRulerSettings[tab]);
        COleDateTime from;
        COleDateTime to;
        if (!scene_.DefaultPeriod(from, to)) {
            from = COleDateTime::GetCurrentTime().DatePart().AddDays(-kDaysBeforeToday);
            to = from;
        }
        scene_.SetPeriod(from, to, kTabScales[tab]);
    }
    UpdateScrollRanges();
    rulerPane_->update();
    chart_->update();
    rowHeader_->update();
}

void MainWindow::UpdateScrollRanges() {
    if (project_ == nullptr) {
        horizontal_->setRange(0, 0);
        vertical_->setRange(0, 0);
        return;
    }
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
    if (project_ == nullptr) {
        information_->setText(QString());
        return;
    }
    information_->setText(QString::fromUtf8("ファイル: ") + path_ + QStringLiteral("\n") +
                          QString::fromUtf8("タイトル: ") +
                          QString::fromStdString(project_->GetTitle()) + QStringLiteral("\n") +
                          QString::fromUtf8("段の数: ") +
                          QString::number(project_->GetRows().GetCount(true)));
}

void MainWindow::PaintChart(IDrawContext& dc, const QRect& area) {
    if (chartPainter_ && project_ != nullptr && project_->GetRows().GetCount(true) != 0) {
        chartPainter_(dc, area);
    } else {
        scene_.PaintChart(dc);
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
    if (project_ != nullptr && scene_.Wheel(angle.x(), angle.y(), shift)) {
        RepaintScrolled();
        rowHeader_->update();
    }
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
}

void MainWindow::PressRowHeader(QPoint point) {
    if (scene_.ClickRowHeader(DrawPoint{point.x(), point.y()})) {
        UpdateScrollRanges();
        rowHeader_->update();
        chart_->update();
    }
}

void MainWindow::ShowHint(const QString& hint) {
    statusBar()->showMessage(hint);
}

}  // namespace qb
