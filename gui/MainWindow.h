#pragma once

#include <QMainWindow>
#include <QString>
#include <memory>
#include <string>

#include "CRuler.h"
#include "ChartScene.h"
#include "PaneWidget.h"

class QLabel;
class QScrollBar;
class QStackedWidget;
class QTabBar;

namespace qb {

class CProject;
class ISettingsStore;

// The main window: tabs for the project information page and the day, month
// and year charts; under them the row header, the ruler and the chart with
// their scroll bars. Read-only for now: it opens documents and shows them.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    // The tabs in their order; the three charts are the project's ruler
    // settings 1 to 3.
    enum Tab { kProjectTab = 0, kDayTab = 1, kMonthTab = 2, kYearTab = 3 };

    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // The user's display and calendar settings, read once at start.
    void LoadSettings(const ISettingsStore& store);
    // Opens a document and tells the user when that fails.
    bool OpenDocument(const QString& path);
    // Opens a document; on failure error gets the text to show and the open
    // document stays.
    bool LoadDocument(const QString& path, QString& error);
    bool HasDocument() const { return project_ != nullptr; }

    void ShowTab(Tab tab);
    // The display model paints through these once it is there.
    void SetRowHeaderPainter(PaneWidget::Painter painter);
    void SetChartPainter(PaneWidget::Painter painter);
    void SetChartHintSource(PaneWidget::HintSource source);

    const CRuler& GetRuler() const { return scene_.GetRuler(); }
    ChartScene& Scene() { return scene_; }
    PaneWidget* ChartPane() const { return chart_; }
    PaneWidget* RowHeaderPane() const { return rowHeader_; }
    QScrollBar* HorizontalScrollBar() const { return horizontal_; }
    QScrollBar* VerticalScrollBar() const { return vertical_; }

protected:
    // The chart pane's own resizes size the scene; the window's come before
    // its layout has placed the panes.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildMenus();
    QWidget* BuildChartPage();
    void ChooseFile();
    void ApplyView();
    void UpdateScrollRanges();
    void ShowProjectInformation();
    void PaintChart(IDrawContext& dc, const QRect& area);
    void ScrollHorizontally(int position);
    void StepHorizontally(int action);
    void Wheel(QPoint angle, bool shift);
    void RepaintScrolled();
    void ScrollVertically(int position);
    void PressRowHeader(QPoint point);
    void ShowHint(const QString& hint);

    // The scene's model points into the project, so the project goes last.
    std::unique_ptr<CProject> project_;
    ChartScene scene_;
    QString path_;
    PaneWidget::Painter chartPainter_;

    QTabBar* tabs_ = nullptr;
    QStackedWidget* pages_ = nullptr;
    QLabel* information_ = nullptr;
    PaneWidget* rowHeader_ = nullptr;
    PaneWidget* rulerPane_ = nullptr;
    PaneWidget* chart_ = nullptr;
    QScrollBar* horizontal_ = nullptr;
    QScrollBar* vertical_ = nullptr;
    PaneWidget* corner_ = nullptr;
};

}  // namespace qb
