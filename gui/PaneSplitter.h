#pragma once

#include <QSplitter>

namespace qb {

class PaneLayout;

// The chart page's three columns side by side with handles between them:
// the row header, the column area and the chart. It moves its handles to the
// layout's positions and hands the user's drags back to the layout. Growth
// of the window goes to the chart.
class PaneSplitter : public QSplitter {
    Q_OBJECT

public:
    PaneSplitter(PaneLayout& layout, QWidget* parent);

    void SetColumns(QWidget* rowHeader, QWidget* columnArea, QWidget* chart);
    void ShowColumnArea(bool shown);
    bool IsColumnAreaShown() const;
    // Moves the handles to the layout's positions, again once the splitter
    // is shown if it is hidden now.
    void ApplyLayout();

signals:
    // The user moved a handle; the layout holds the new positions.
    void PanesMoved();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void MoveHandles();
    void TakeSizes();

    PaneLayout& layout_;
    QWidget* columnArea_ = nullptr;
    bool pending_ = true;
};

}  // namespace qb
