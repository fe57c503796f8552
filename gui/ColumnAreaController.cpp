#include "ColumnAreaController.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <algorithm>

#include "CColumn.h"
#include "CCommandHandler.h"
#include "CDisplayModel.h"
#include "CGuiColumn.h"
#include "CGuiColumnArray.h"
#include "CGuiRow.h"
#include "CRow.h"
#include "CStatus.h"
#include "CanvasInput.h"
#include "CellTextEditor.h"
#include "ChartScene.h"
#include "ColumnCellInput.h"
#include "ColumnCommands.h"
#include "ColumnEdits.h"
#include "ColumnHeaderInput.h"
#include "CommandIds.h"
#include "CommandMenu.h"
#include "IDrawContext.h"
#include "PaneWidget.h"

namespace qb {
namespace {

constexpr int kMinEditorWidth = 120;
constexpr int kMinEditorHeight = 28;
constexpr DrawColour kDropMarkerColour = 0x000000;

// The header's menu: showing and hiding, the filter, the column itself.
constexpr int kHeaderMenu[] = {
    cmd::kHide,
    cmd::kShowLeftColumn,
    cmd::kShowRightColumn,
    cmd::kShowAllColumns,
    0,
    cmd::kFilterColumn,
    cmd::kFilterColumnClear,
    0,
    cmd::kInsertColumn,
    cmd::kDelete,
    0,
    cmd::kProperties,
};

CanvasInput InputAt(QPoint point, Qt::KeyboardModifiers modifiers) {
    CanvasInput input;
    input.point = DrawPoint{point.x(), point.y()};
    input.ctrl = modifiers.testFlag(Qt::ControlModifier);
    input.shift = modifiers.testFlag(Qt::ShiftModifier);
    input.alt = modifiers.testFlag(Qt::AltModifier);
    return input;
}

std::optional<qb::CellKey> CellKeyOf(int key) {
    switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return CellKey::kEnter;
        case Qt::Key_PageUp:
            return CellKey::kPageUp;
        case Qt::Key_PageDown:
            return CellKey::kPageDown;
        case Qt::Key_Left:
            return CellKey::kLeft;
        case Qt::Key_Right:
            return CellKey::kRight;
        case Qt::Key_Up:
            return CellKey::kUp;
        case Qt::Key_Down:
            return CellKey::kDown;
        default:
            return std::nullopt;
    }
}

}  // namespace

ColumnAreaController::ColumnAreaController(PaneWidget& header, PaneWidget& cells, CStatus& status,
                                           ChartScene& scene, IPaneEdits& edits, Follower follower)
    : QObject(&header),
      header_(header),
      cells_(cells),
      status_(status),
      scene_(scene),
      follower_(std::move(follower)),
      headerInput_(std::make_unique<ColumnHeaderInput>(status, scene, edits)),
      cellInput_(std::make_unique<ColumnCellInput>(scene)) {
    header.setMouseTracking(true);
    header.setContextMenuPolicy(Qt::DefaultContextMenu);
    cells.setFocusPolicy(Qt::ClickFocus);
    header.installEventFilter(this);
    cells.installEventFilter(this);
    header.SetPainter([this](IDrawContext& dc, const QRect&) { PaintHeader(dc); });
    cells.SetPainter([this](IDrawContext& dc, const QRect&) {
        scene_.PaintColumnCells(dc, cells_.width(), cells_.height());
    });
}

ColumnAreaController::~ColumnAreaController() = default;

void ColumnAreaController::Repaint() {
    header_.update();
    cells_.update();
}

void ColumnAreaController::ModelRebuilt() {
    headerInput_->ModelRebuilt();
}

CellTextEditor* ColumnAreaController::Editor() const {
    return editor_.data();
}

// The header, and while a column is dragged the place it would land.
void ColumnAreaController::PaintHeader(IDrawContext& dc) {
    scene_.PaintColumnHeader(dc, header_.width());
    if (const std::optional<int> x = headerInput_->DropMarkerX())
        dc.FillRect(DrawRect{*x - 1, 0, *x + 2, header_.height()}, kDropMarkerColour);
}

bool ColumnAreaController::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &header_) {
        switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick:
            case QEvent::MouseMove:
                return HeaderMouse(event);
            case QEvent::UngrabMouse:
                Follow(headerInput_->Cancel());
                return false;
            case QEvent::ContextMenu:
                ShowHeaderMenu(static_cast<QContextMenuEvent*>(event)->pos());
                return true;
            default:
                return false;
        }
    }
    if (watched == &cells_) {
        switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick:
                return CellMouse(event);
            case QEvent::KeyPress:
                return CellKey(event);
            default:
                return false;
        }
    }
    return QObject::eventFilter(watched, event);
}

bool ColumnAreaController::HeaderMouse(QEvent* event) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    const CanvasInput input = InputAt(mouse->position().toPoint(), mouse->modifiers());
    const bool left = mouse->button() == Qt::LeftButton;
    switch (event->type()) {
        case QEvent::MouseButtonPress:
            if (mouse->button() == Qt::RightButton && !headerInput_->IsDragging()) {
                // The menu is the column's under the mouse, as a left click
                // would select it.
                Follow(headerInput_->LeftDown(input));
                Follow(headerInput_->LeftUp(input));
                return false;
            }
            if (left)
                Follow(headerInput_->LeftDown(input));
            return left;
        case QEvent::MouseButtonRelease:
            if (left)
                Follow(headerInput_->LeftUp(input));
            return left;
        case QEvent::MouseButtonDblClick:
            if (left)
                Follow(headerInput_->LeftDoubleClick(input));
            return left;
        default:
            Follow(headerInput_->MouseMove(input));
            header_.setCursor(headerInput_->IsOnWidthHandle(input.point) ||
                                      headerInput_->IsDragging()
                                  ? Qt::SplitHCursor
                                  : Qt::ArrowCursor);
            return false;
    }
}

bool ColumnAreaController::CellMouse(QEvent* event) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton)
        return false;
    cells_.setFocus(Qt::MouseFocusReason);
    const CanvasInput input = InputAt(mouse->position().toPoint(), mouse->modifiers());
    Follow(event->type() == QEvent::MouseButtonDblClick ? cellInput_->LeftDoubleClick(input)
                                                        : cellInput_->LeftDown(input));
    return true;
}

bool ColumnAreaController::CellKey(QEvent* event) {
    auto* keyEvent = static_cast<QKeyEvent*>(event);
    const std::optional<qb::CellKey> key = CellKeyOf(keyEvent->key());
    if (!key)
        return false;
    const PaneReply reply = cellInput_->KeyDown(*key, InputAt(QPoint(), keyEvent->modifiers()));
    Follow(reply);
    return reply.repaint || reply.scrolled || reply.command != 0;
}

void ColumnAreaController::Follow(const PaneReply& reply) {
    if (reply.capture > 0)
        header_.grabMouse();
    else if (reply.capture < 0 && QWidget::mouseGrabber() == &header_)
        header_.releaseMouse();
    if (reply.repaint)
        Repaint();
    if (follower_)
        follower_(reply);
}

QMenu* ColumnAreaController::BuildHeaderMenu(QWidget* parent) {
    return CommandMenu::Build(kHeaderMenu, status_, parent, [this](int id) {
        status_.Commands().Execute(id);
        PaneReply after;
        after.repaint = true;
        after.selection = true;
        Follow(after);
    });
}

void ColumnAreaController::ShowHeaderMenu(QPoint at) {
    if (!scene_.IsOpen())
        return;
    QMenu* menu = BuildHeaderMenu(&header_);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(header_.mapToGlobal(at));
}

// The editor covers the cell as the pane shows it now, a little larger
// when the cell is small.
void ColumnAreaController::EditCellText(std::int32_t rowId, std::int32_t columnId) {
    CDisplayModel& model = scene_.GetModel();
    const CGuiRow* row = model.FindRow(rowId);
    const auto* column = dynamic_cast<const CGuiColumn*>(model.FindObject(columnId));
    if (row == nullptr || column == nullptr || !row->IsVisible() || !column->IsVisible() ||
        status_.Doc().IsReadOnly())
        return;
    if (editor_)
        editor_->Commit();
    const GuiRect cell = column->GetRect();
    const GuiRect band = row->GetRect();
    const QRect area(cell.left, band.top - scene_.GetTop(), std::max(cell.Width(), kMinEditorWidth),
                     std::max(band.Height(), kMinEditorHeight));
    const std::string text = row->GetRow().GetParam(ColumnEdits::CellName(columnId));
    editor_ = new CellTextEditor(&cells_, area, text, column->GetColumn().GetDataFont(),
                                 [this, rowId, columnId](std::optional<std::string> result) {
                                     FinishCellText(rowId, columnId, result);
                                 });
}

void ColumnAreaController::FinishCellText(std::int32_t rowId, std::int32_t columnId,
                                          const std::optional<std::string>& text) {
    editor_ = nullptr;
    cells_.setFocus(Qt::OtherFocusReason);
    const CGuiRow* row = scene_.GetModel().FindRow(rowId);
    if (!text || row == nullptr || row->GetRow().GetParam(ColumnEdits::CellName(columnId)) == *text)
        return;
    status_.Commands().Columns().CommitCellText(rowId, columnId, *text);
    PaneReply after;
    after.repaint = true;
    after.selection = true;
    Follow(after);
}

}  // namespace qb
