#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "CanvasReply.h"

class QMenu;

namespace qb {

class CCanvas;
class CData;
class CStatus;
class ChartScene;
class IChartEdits;
class IDrawContext;
class MemoTextEditor;
class PaneWidget;
struct CanvasInput;

// Turns the chart pane's mouse, key and focus events into the chart's
// gestures, runs the chart's timers, shows its context menu and the in-place
// memo editor, and passes on what the chart asks of the window.
class ChartController : public QObject {
    Q_OBJECT

public:
    // After each event: the window follows the reply (scroll bars, panes,
    // a command to run); after a click or a key the selection may have
    // changed (settled), and with it what the menus offer.
    using Follower = std::function<void(const CanvasReply&, bool settled)>;

    ChartController(PaneWidget& pane, CStatus& status, ChartScene& scene, IChartEdits& edits,
                    Follower follower);
    ~ChartController() override;

    CCanvas& Canvas() { return *canvas_; }
    void Paint(IDrawContext& dc);
    std::string HintAt(QPoint point) const;

    // The link command.
    bool BeginLink();
    // The text editing command: an editor over the memo's text.
    void EditMemoText(std::int32_t id);
    MemoTextEditor* Editor() const;
    // The window rebuilt the scene's model.
    void ModelRebuilt();
    // A property dialog's values shown in place of their object.
    void Preview(const CData* values);
    // The chart's context menu as it would be shown now.
    QMenu* BuildMenu(QWidget* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool MouseEvent(QEvent* event);
    bool KeyEvent(QEvent* event);
    CanvasInput InputAt(QPoint point, Qt::KeyboardModifiers modifiers) const;
    void Follow(const CanvasReply& reply, bool settled = true);
    void TimerFired(int id);
    void ShowMenu(QPoint at);
    void RunCommand(int id);
    void FinishMemoText(std::int32_t id, const std::optional<std::string>& text);
    void ShowCursor(const CanvasInput& input);

    PaneWidget& pane_;
    CStatus& status_;
    ChartScene& scene_;
    IChartEdits& edits_;
    Follower follower_;
    std::unique_ptr<CCanvas> canvas_;
    QTimer horizontalTimer_;
    QTimer verticalTimer_;
    QElapsedTimer clock_;
    QPointer<MemoTextEditor> editor_;
};

}  // namespace qb
