#include "PaneSplitter.h"

#include <QList>
#include <QResizeEvent>
#include <algorithm>

#include "PaneLayout.h"

namespace qb {

namespace {

enum Column { kRowHeader = 0, kColumnArea = 1, kChart = 2 };

// A column area dragged narrow keeps a strip wide enough to grab again.
constexpr int kMinColumnArea = 16;

}  // namespace

PaneSplitter::PaneSplitter(PaneLayout& layout, QWidget* parent)
    : QSplitter(Qt::Horizontal, parent), layout_(layout) {
    setChildrenCollapsible(false);
    connect(this, &QSplitter::splitterMoved, this, &PaneSplitter::TakeSizes);
}

void PaneSplitter::SetColumns(QWidget* rowHeader, QWidget* columnArea, QWidget* chart) {
    rowHeader->setMinimumWidth(PaneLayout::kMinRowHeader);
    addWidget(rowHeader);
    columnArea->setMinimumWidth(kMinColumnArea);
    addWidget(columnArea);
    addWidget(chart);
    columnArea_ = columnArea;
    setStretchFactor(kRowHeader, 0);
    setStretchFactor(kColumnArea, 0);
    setStretchFactor(kChart, 1);
    ApplyLayout();
}

void PaneSplitter::ShowColumnArea(bool shown) {
    if (columnArea_ == nullptr || IsColumnAreaShown() == shown)
        return;
    columnArea_->setVisible(shown);
    ApplyLayout();
}

bool PaneSplitter::IsColumnAreaShown() const {
    return columnArea_ != nullptr && !columnArea_->isHidden();
}

void PaneSplitter::ApplyLayout() {
    pending_ = !isVisible();
    MoveHandles();
}

// QSplitter scales sizes that do not add up to its width, so the chart takes
// exactly what the other two leave.
void PaneSplitter::MoveHandles() {
    const int area = IsColumnAreaShown() ? layout_.ColumnAreaWidth() : 0;
    const int handles = handleWidth() * (IsColumnAreaShown() ? 2 : 1);
    const int chart = std::max(1, width() - layout_.RowHeaderWidth() - area - handles);
    setSizes(QList<int>{layout_.RowHeaderWidth(), area, chart});
}

// A splitter learns its width only as it is shown: until then every resize
// moves the handles to the layout again.
void PaneSplitter::resizeEvent(QResizeEvent* event) {
    QSplitter::resizeEvent(event);
    if (pending_)
        MoveHandles();
}

void PaneSplitter::showEvent(QShowEvent* event) {
    QSplitter::showEvent(event);
    if (pending_)
        MoveHandles();
    pending_ = false;
}

void PaneSplitter::TakeSizes() {
    pending_ = false;
    const QList<int> widths = sizes();
    layout_.PanesMoved(widths.value(kRowHeader), widths.value(kColumnArea), IsColumnAreaShown());
    emit PanesMoved();
}

}  // namespace qb
