#include "ChartController.h"

#include <QContextMenuEvent>
#include <QCursor>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <algorithm>

#include "CCanvas.h"
#include "CCommandHandler.h"
#include "CDisplayModel.h"
#include "CGuiMemo.h"
#include "CMemo.h"
#include "CProject.h"
#include "CRuler.h"
#include "CStatus.h"
#include "CanvasInput.h"
#include "ChartHint.h"
#include "ChartScene.h"
#include "CommandMenu.h"
#include "IChartEdits.h"
#include "MemoTextEditor.h"
#include "PaneWidget.h"

namespace qb {
namespace {

constexpr int kMinEditorWidth = 120;
constexpr int kMinEditorHeight = 48;

Qt::CursorShape ShapeOf(CanvasCursor cursor) {
    switch (cursor) {
        case CanvasCursor::kSizeHorizontal:
            return Qt::SizeHorCursor;
        case CanvasCursor::kSizeVertical:
            return Qt::SizeVerCursor;
        case CanvasCursor::kSizeDiagonalDown:
            return Qt::SizeFDiagCursor;
        case CanvasCursor::kSizeDiagonalUp:
            return Qt::SizeBDiagCursor;
        case CanvasCursor::kMemo:
            return Qt::IBeamCursor;
        case CanvasCursor::kArrow:
            break;
    }
    return Qt::ArrowCursor;
}

std::optional<CanvasKey> KeyOf(int key) {
    switch (key) {
        case Qt::Key_Control:
            return CanvasKey::kControl;
        case Qt::Key_PageUp:
            return CanvasKey::kPageUp;
        case Qt::Key_PageDown:
            return CanvasKey::kPageDown;
        case Qt::Key_Left:
            return CanvasKey::kLeft;
        case Qt::Key_Right:
            return CanvasKey::kRight;
        case Qt::Key_Escape:
            return CanvasKey::kEscape;
        default:
            return std::nullopt;
    }
}

}  // namespace

ChartController::ChartController(PaneWidget& pane, CStatus& status, ChartScene& scene,
                                 IChartEdits& edits, Follower follower)
    : QObject(&pane),
      pane_(pane),
      status_(status),
      scene_(scene),
      edits_(edits),
      follower_(std::move(follower)),
      canvas_(std::make_unique<CCanvas>(status, scene, edits)) {
    clock_.start();
    pane.setFocusPolicy(Qt::ClickFocus);
    pane.setContextMenuPolicy(Qt::DefaultContextMenu);
    pane.installEventFilter(this);
    for (auto [timer, id] : {std::pair{&horizontalTimer_, CCanvas::kHorizontalTimer},
                             std::pair{&verticalTimer_, CCanvas::kVerticalTimer}}) {
        timer->setInterval(CCanvas::kTimerMs);
        connect(timer, &QTimer::timeout, this, [this, chosen = id] { TimerFired(chosen); });
    }
}

ChartController::~ChartController() = default;

void ChartController::Paint(IDrawContext& dc) {
    canvas_->Paint(dc);
}

std::string ChartController::HintAt(QPoint point) const {
    return ChartHint::OneLine(canvas_->HintAt(DrawPoint{point.x(), point.y()}));
}

MemoTextEditor* ChartController::Editor() const {
    return editor_.data();
}

bool ChartController::BeginLink() {
    const CanvasReply reply = canvas_->BeginLink();
    Follow(reply);
    return canvas_->IsGestureRunning();
}

void ChartController::ModelRebuilt() {
    canvas_->ModelRebuilt();
}

void ChartController::Preview(const CData* values) {
    canvas_->Preview(values);
    pane_.update();
}

CanvasInput ChartController::InputAt(QPoint point, Qt::KeyboardModifiers modifiers) const {
    CanvasInput input;
    input.point = DrawPoint{point.x(), point.y()};
    input.ctrl = modifiers.testFlag(Qt::ControlModifier);
    input.shift = modifiers.testFlag(Qt::ShiftModifier);
    input.alt = modifiers.testFlag(Qt::AltModifier);
    input.timeMs = clock_.elapsed();
    return input;
}

bool ChartController::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &pane_)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
            return MouseEvent(event);
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            return KeyEvent(event);
        case QEvent::FocusOut:
        case QEvent::UngrabMouse:
            if (canvas_->IsGestureRunning())
                Follow(canvas_->FocusLost());
            horizontalTimer_.stop();
            verticalTimer_.stop();
            return false;
        case QEvent::ContextMenu:
            ShowMenu(static_cast<QContextMenuEvent*>(event)->pos());
            return true;
        default:
            return false;
    }
}

bool ChartController::MouseEvent(QEvent* event) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    const CanvasInput input = InputAt(mouse->position().toPoint(), mouse->modifiers());
    const bool left = mouse->button() == Qt::LeftButton;
    switch (event->type()) {
        case QEvent::MouseButtonPress:
            pane_.setFocus(Qt::MouseFocusReason);
            if (left)
                Follow(canvas_->LeftDown(input));
            else if (mouse->button() == Qt::RightButton)
                Follow(canvas_->RightDown(input));
            return left;
        case QEvent::MouseButtonRelease:
            if (!left)
                return false;
            Follow(canvas_->LeftUp(input));
            return true;
        case QEvent::MouseButtonDblClick:
            if (!left)
                return false;
            Follow(canvas_->LeftDoubleClick(input));
            return true;
        default:
            Follow(canvas_->MouseMove(input), false);
            ShowCursor(input);
            // The pane still shows the hint at the mouse.
            return false;
    }
}

bool ChartController::KeyEvent(QEvent* event) {
    auto* keyEvent = static_cast<QKeyEvent*>(event);
    const std::optional<CanvasKey> key = KeyOf(keyEvent->key());
    if (!key || (keyEvent->isAutoRepeat() && *key == CanvasKey::kControl))
        return false;
    const CanvasInput input = InputAt(pane_.mapFromGlobal(QCursor::pos()), keyEvent->modifiers());
    const CanvasReply reply = event->type() == QEvent::KeyPress ? canvas_->KeyDown(*key, input)
                                                                : canvas_->KeyUp(*key, input);
    Follow(reply);
    return reply.repaint || reply.scrolled;
}

void ChartController::ShowCursor(const CanvasInput& input) {
    pane_.setCursor(ShapeOf(canvas_->CursorAt(input)));
}

void ChartController::TimerFired(int id) {
    const CanvasInput input = InputAt(pane_.mapFromGlobal(QCursor::pos()), Qt::NoModifier);
    Follow(canvas_->Timer(id, input), false);
}

void ChartController::Follow(const CanvasReply& reply, bool settled) {
    for (const int id : reply.startTimers) {
        QTimer& timer = id == CCanvas::kHorizontalTimer ? horizontalTimer_ : verticalTimer_;
        if (!timer.isActive())
            timer.start();
    }
    for (const int id : reply.stopTimers)
        (id == CCanvas::kHorizontalTimer ? horizontalTimer_ : verticalTimer_).stop();
    if (reply.repaint)
        pane_.update();
    if (follower_)
        follower_(reply, settled);
}

QMenu* ChartController::BuildMenu(QWidget* parent) {
    return CommandMenu::Build(canvas_->ContextCommands(), status_, parent,
                              [this](int id) { RunCommand(id); });
}

void ChartController::RunCommand(int id) {
    status_.Commands().Execute(id);
    CanvasReply after;
    after.repaint = true;
    Follow(after);
}

void ChartController::ShowMenu(QPoint at) {
    QMenu* menu = BuildMenu(&pane_);
    if (menu->isEmpty()) {
        delete menu;
        return;
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(pane_.mapToGlobal(at));
}

// The editor covers the memo as the chart shows it now.
void ChartController::EditMemoText(std::int32_t id) {
    auto* memo = dynamic_cast<CGuiMemo*>(scene_.GetModel().FindObject(id));
    const auto* data = memo ? dynamic_cast<const CMemo*>(memo->GetData()) : nullptr;
    if (data == nullptr || !memo->IsVisible() || status_.Doc().IsReadOnly())
        return;
    if (editor_)
        editor_->Commit();
    const GuiRect box = memo->GetRect();
    const int left = static_cast<int>(scene_.GetRuler().GetScrollPosition());
    // A small memo still gets room for a few lines while its text is typed.
    const QRect area(box.left - left, box.top - scene_.GetTop(),
                     std::max(box.Width(), kMinEditorWidth),
                     std::max(box.Height(), kMinEditorHeight));
    const MemoTextEditor::Look look{data->GetTextFont(), data->GetTextColor(), data->GetBgColor(),
                                    data->IsBgPaint()};
    editor_ = new MemoTextEditor(
        &pane_, area, data->GetText(), look,
        [this, id](std::optional<std::string> result) { FinishMemoText(id, result); });
    editor_->show();
}

// The editor deletes itself once it has reported.
void ChartController::FinishMemoText(std::int32_t id, const std::optional<std::string>& text) {
    editor_ = nullptr;
    pane_.setFocus(Qt::OtherFocusReason);
    const CProject* project = status_.GetProject();
    const auto* memo = project ? dynamic_cast<const CMemo*>(project->FindObject(id)) : nullptr;
    if (!text || memo == nullptr || memo->GetText() == *text)
        return;
    CMemo values;
    values.CopyFrom(*memo);
    values.SetText(*text);
    const EditResult result = edits_.ChangeObjects({&values});
    if (result.message)
        status_.Services().Prompt().Show(*result.message);
    CanvasReply after;
    after.repaint = true;
    Follow(after);
}

}  // namespace qb
