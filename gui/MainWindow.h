#pragma once

#include <QMainWindow>
#include <QString>
#include <memory>
#include <string>

#include "CRuler.h"
#include "CalendarSettings.h"
#include "HolidayCache.h"
#include "PaneWidget.h"

class QLabel;
class QScrollBar;
class QStackedWidget;
class QTabBar;

namespace qb {

class CProject;

// The main window: tabs for the project information page and the day, month
// and year charts; under them the row header, the ruler and the chart with
// their scroll bars. Read-only for now: it opens documents and shows them.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    // The tabs in their order; the three charts are the project's ruler
    // settings 1 to 3.
    enum Tab { kProjectTab = 0, kDayTab = 1, kMonthTab = 2, kYearTab = 3 };

    static constexpr int kRowHeaderWidth = 200;

    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

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

    const CRuler& GetRuler() const { return ruler_; }
    PaneWidget* ChartPane() const { return chart_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void BuildMenus();
    QWidget* BuildChartPage();
    void ChooseFile();
    void ApplyView();
    void UpdateScrollRanges();
    void ShowProjectInformation();
    void PaintChart(IDrawContext& dc, const QRect& area);
    void ScrollHorizontally(int position);
    void ScrollVertically(int position);

    CalendarSettings settings_;
    HolidayCache holidays_;
    CRuler ruler_;
    std::unique_ptr<CProject> project_;
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
    int top_ = 0;
};

}  // namespace qb
