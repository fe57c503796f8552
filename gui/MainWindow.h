#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <memory>
#include <string>

#include "CRuler.h"
#include "ChartScene.h"
#include "IDocumentObserver.h"
#include "IDocumentView.h"
#include "PaneLayout.h"
#include "PaneWidget.h"
#include "ProjectPageInput.h"

class QEvent;
class QLabel;
class QPushButton;
class QScrollBar;
class QStackedWidget;

namespace qb {

class CDisplayModel;
class CellTextEditor;
class LoadGraphPanel;
class ChartController;
class ColumnAreaController;
class PaneEdits;
class RowHeaderDrag;
struct PaneReply;
struct CanvasReply;
class CProject;
class CStatus;
class ISettingsStore;
class MenuBuilder;
class ModeTabBar;
class ProjectPage;
class PaneSplitter;
class QtClipboard;
class ToolBars;

// The main window: tabs for the project information page and the day, month
// and year charts; under them the row header, the ruler and the chart with
// their scroll bars. The document lives in the application state; the menus,
// the tabs and dropped files go to its commands. The window observes the
// document and hears the rest through the document view.
class MainWindow : public QMainWindow, public IDocumentView, public IDocumentObserver {
    Q_OBJECT

public:
    // The tabs in their order, the view modes 0 to 3; the three charts are
    // the project's ruler settings 1 to 3.
    enum Tab { kProjectTab = 0, kDayTab = 1, kMonthTab = 2, kYearTab = 3 };

    // Registers itself as the state's view and the document's observer for
    // its lifetime.
    explicit MainWindow(CStatus& status, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The display and calendar settings and the system holiday rules, as the
    // application state read them at start.
    void LoadSettings();
    bool HasDocument() const;

    // The document's observer.
    void DocumentReplaced() override;
    void ContentChanged() override;
    void FlagsChanged() override { RefreshFrame(); }

    // The document view.
    void SystemHolidaysChanged() override { LoadSettings(); }
    void DisplaySettingsChanged() override { DocumentChanged(); }
    void ViewModeChanged(int mode) override;
    void ScrollToDate(const COleDateTime& day) override;
    void ClearSelection() override;
    void CollectViewStatus(ViewStatus& status) const override;
    void ApplyViewStatus(const ViewStatus& status) override;
    void RequestClose() override;
    bool HasUnappliedPageInput() const override { return pageInput_.HasUnappliedInput(); }
    void ApplyPageInput(CProject& project) override;
    bool CheckPageInput() override { return pageInput_.Check(); }
    bool IsToolBarShown(int id) const override;
    void ShowToolBar(int id, bool show) override;
    ChartScene* GetChartScene() override { return &scene_; }
    void ChartViewChanged() override;
    bool BeginLink() override;
    void EditMemoText(std::int32_t id) override;
    void PreviewObject(const CData* values) override;
    void EditCellText(std::int32_t rowId, std::int32_t columnId) override;
    std::optional<DrawPoint> PastePoint() const override;

    // The display model paints through these once it is there.
    void SetRowHeaderPainter(PaneWidget::Painter painter);
    void SetChartPainter(PaneWidget::Painter painter);
    void SetChartHintSource(PaneWidget::HintSource source);

    int ShownMode() const { return mode_; }
    const CRuler& GetRuler() const { return scene_.GetRuler(); }
    ChartScene& Scene() { return scene_; }
    PaneWidget* ChartPane() const { return chart_; }
    ChartController* Chart() const { return chartController_; }
    PaneWidget* RowHeaderPane() const { return rowHeader_; }
    PaneWidget* ColumnHeaderPane() const { return columnHeader_; }
    PaneWidget* ColumnCellPane() const { return columnCells_; }
    ColumnAreaController* ColumnArea() const { return columnArea_; }
    // The in-place editor of a row's caption or a cell's text, while open.
    CellTextEditor* TextEditor() const;
    QScrollBar* HorizontalScrollBar() const { return horizontal_; }
    QScrollBar* VerticalScrollBar() const { return vertical_; }
    ModeTabBar* TabBar() const { return tabs_; }
    MenuBuilder* Menus() const { return menus_; }
    ToolBars* Bars() const { return toolBars_; }
    PaneSplitter* Panes() const { return panes_; }
    const PaneLayout& Layout() const { return layout_; }
    ProjectPage* InformationPage() const { return projectPage_; }
    LoadGraphPanel* Graph() const { return graph_; }
    QLabel* ModeStatus() const;
    QPushButton* ModeSwitch() const;

protected:
    // The chart pane's own resizes size the scene; the window's come before
    // its layout has placed the panes.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QWidget* BuildInformationPage();
    QWidget* BuildChartPage();
    void ChooseTab(int index);
    // The settings' display switches, then the project, then the frame.
    void DocumentChanged();
    // Title, tab bar boxes, menus and panes.
    void RefreshFrame();
    void ShowProject();
    void ForgetViewStates();
    void ShowModeOnPage();
    void ApplyView();
    void ShowChart();
    void ScrollChartTo(const COleDateTime& day);
    COleDateTime LeftDate() const;
    void UpdateTitle();
    void FollowPanes();
    QWidget* BuildColumnArea(QWidget* parent);
    void UpdateScrollRanges();
    void ShowProjectInformation();
    void PageEdited();
    void ApplyPage();
    void PaintChart(IDrawContext& dc, const QRect& area);
    void ScrollHorizontally(int position);
    void StepHorizontally(int action);
    void Wheel(QPoint angle, bool shift);
    void RepaintPanes();
    void RepaintScrolled();
    void ScrollVertically(int position);
    void PressRowHeader(QPoint point);
    // A row dragged in the row header, and the double-click on its margin.
    bool RowHeaderEvent(QEvent* event);
    void PaintRowHeader(IDrawContext& dc);
    void FollowColumns(const PaneReply& reply);
    void RunLater(int command);
    void ModelRebuilt();
    void EditCaption(std::int32_t rowId);
    void ShowHint(const QString& hint);
    void FollowChart(const CanvasReply& reply, bool settled);
    void StoreWindowRectangle();
    // The load graph takes the file's settings and follows the chart's place.
    void ShowGraph();
    void PlaceGraph();

    CStatus& status_;
    ChartScene scene_;
    // The scene's model, reachable from the const view-status query.
    CDisplayModel* model_ = nullptr;
    // The project the scene shows; it belongs to the document, which tells
    // the window when it replaces it.
    CProject* shown_ = nullptr;
    int mode_ = kMonthTab;
    // Pixels per day of each view mode, the project page's unused.
    double scales_[4];
    // Whether the chart has a period for the shown project yet, and the day
    // to put at its left edge once it has.
    bool periodSet_ = false;
    COleDateTime pendingLeft_ = COleDateTime::Null();
    PaneWidget::Painter chartPainter_;

    MenuBuilder* menus_ = nullptr;
    ToolBars* toolBars_ = nullptr;
    // Where the column area and the chart begin, from the settings; the
    // splitter shows it.
    PaneLayout layout_{0, 0};
    PaneSplitter* panes_ = nullptr;
    // The chart page: the panes over the load graph.
    QWidget* chartPage_ = nullptr;
    LoadGraphPanel* graph_ = nullptr;
    ModeTabBar* tabs_ = nullptr;
    QStackedWidget* pages_ = nullptr;
    // The project information page's typed values and the page that edits them.
    ProjectPageInput pageInput_;
    ProjectPage* projectPage_ = nullptr;
    PaneWidget* rowHeader_ = nullptr;
    PaneWidget* rulerPane_ = nullptr;
    PaneWidget* chart_ = nullptr;
    QScrollBar* horizontal_ = nullptr;
    QScrollBar* vertical_ = nullptr;
    PaneWidget* corner_ = nullptr;
    ChartController* chartController_ = nullptr;
    PaneWidget* columnHeader_ = nullptr;
    PaneWidget* columnCells_ = nullptr;
    ColumnAreaController* columnArea_ = nullptr;
    std::unique_ptr<PaneEdits> paneEdits_;
    std::unique_ptr<RowHeaderDrag> rowDrag_;
    QPointer<CellTextEditor> captionEditor_;
    // The desktop's clipboard, which the commands use while the window lives.
    std::unique_ptr<QtClipboard> clipboard_;
};

}  // namespace qb
