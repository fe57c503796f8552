#pragma once

#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "CanvasEnv.h"
#include "CanvasInput.h"
#include "CanvasReply.h"
#include "CanvasSelection.h"

namespace qb {

class CData;
class CGuiObject;
class ICanvasGesture;
class IDrawContext;

// The chart pane's behaviour without the window: it turns mouse and key
// events into selections and gestures, paints the chart with the gesture's
// temporary objects over it, and tells the window what to repaint, whether
// to hold the mouse and which timers to run. Changes reach the data through
// the chart's edits only, once, when a gesture ends.
class CCanvas {
public:
    static constexpr int kHorizontalTimer = 101;
    static constexpr int kVerticalTimer = 102;
    static constexpr int kTimerMs = 200;
    // A press this soon after a double-click belongs to it.
    static constexpr std::int64_t kDoubleClickGuardMs = 100;
    // Pixels Left and Right scroll the time axis.
    static constexpr int kArrowStep = 60;

    CCanvas(CStatus& status, ChartScene& scene, IChartEdits& edits);
    ~CCanvas();
    CCanvas(const CCanvas&) = delete;
    CCanvas& operator=(const CCanvas&) = delete;

    CanvasReply LeftDown(const CanvasInput& input);
    CanvasReply LeftUp(const CanvasInput& input);
    CanvasReply LeftDoubleClick(const CanvasInput& input);
    // With or without a button held.
    CanvasReply MouseMove(const CanvasInput& input);
    // Selects as a left click does; ContextCommands tells the menu.
    CanvasReply RightDown(const CanvasInput& input);
    CanvasReply KeyDown(CanvasKey key, const CanvasInput& modifiers);
    CanvasReply KeyUp(CanvasKey key, const CanvasInput& modifiers);
    // Focus or mouse capture lost: a running gesture is cancelled and
    // nothing written.
    CanvasReply FocusLost();
    // pointer may lie outside the pane.
    CanvasReply Timer(int id, const CanvasInput& pointer);
    // The link command with one object selected.
    CanvasReply BeginLink();
    // A property dialog's values shown in place of their object; null ends it.
    void Preview(const CData* values);
    // The window rebuilt the scene's model: what a gesture or preview held
    // of the old one is gone, so they end without touching it.
    void ModelRebuilt();

    // The whole chart pane: the scene, then what the gesture shows.
    void Paint(IDrawContext& dc);
    CanvasCursor CursorAt(const CanvasInput& input) const;
    std::string HintAt(DrawPoint point) const;
    // The context menu after RightDown; 0 stands for a separator.
    std::vector<int> ContextCommands() const;
    bool IsGestureRunning() const { return gesture_ != nullptr; }
    const ICanvasGesture* Gesture() const { return gesture_.get(); }

private:
    void StartGesture(DrawPoint chart, CGuiObject* hit, const CanvasInput& input);
    DrawPoint GesturePoint(const CanvasInput& input) const;
    void EndGesture(CanvasReply& reply);
    void FollowPointer(const CanvasInput& input, CanvasReply& reply);
    void StopScrolling(CanvasReply& reply);
    void FinishGesture(DrawPoint point, const CanvasInput& input, CanvasReply& reply);
    void ScrollTime(int pixels);
    void DrawSelection(IDrawContext& dc, const struct GuiDrawArgs& args) const;

    // Counts model rebuilds; before env_, which points at it.
    int generation_ = 0;
    CanvasEnv env_;
    // A gesture is writing its result and may be asking the user: the
    // window's reactions to the message box must not end it under itself.
    bool finishing_ = false;
    CanvasSelection selection_;
    std::unique_ptr<ICanvasGesture> gesture_;
    bool buttonDown_ = false;
    // Per axis: 0 idle, 1 button held, 2 timer running.
    int scrollX_ = 0;
    int scrollY_ = 0;
    std::int64_t lastDoubleClick_ = std::numeric_limits<std::int64_t>::min() / 2;
    // The type of the object the last right press hit, -1 for none.
    int contextType_ = -1;
    std::unique_ptr<CData> previewData_;
    std::unique_ptr<CGuiObject> preview_;
    CGuiObject* previewSource_ = nullptr;
};

}  // namespace qb
