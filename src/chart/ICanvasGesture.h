#pragma once

#include "DrawTypes.h"

namespace qb {

class IDrawContext;
struct CanvasInput;
struct CanvasReply;
struct GuiDrawArgs;

// One gesture of the chart, started by a button press: it moves with the
// mouse (phase 1), writes its result when the button comes up (phase 2) or
// is cancelled with nothing written (phase 3). Points are chart points,
// snapped as the gesture's snapping wants.
class ICanvasGesture {
public:
    virtual ~ICanvasGesture() = default;

    virtual void Move(DrawPoint point, const CanvasInput& input) = 0;
    virtual void Finish(DrawPoint point, const CanvasInput& input, CanvasReply& reply) = 0;
    // Drops the temporary objects and shows the sources as they were.
    virtual void Cancel() = 0;
    // The temporary objects, over the chart.
    virtual void Draw(IDrawContext& dc, const GuiDrawArgs& args) = 0;
    // The time axis got a new origin while scrolling, and every chart x
    // moved by dx: the points the gesture keeps move with them.
    virtual void OriginMoved(int /*dx*/) {}
    // Ctrl pressed or released while the gesture runs.
    virtual void CopyChanged(bool /*copy*/) {}
    // Finishes on a button press rather than on its release (a link ends on
    // the click at its target) and may go on after finishing.
    virtual bool FinishesOnPress() const { return false; }
    virtual bool IsDone() const { return true; }
    // The pointer has moved far enough for the gesture to show its result;
    // until then a press and release is a plain click.
    virtual bool IsDragging() const { return true; }
    // The gesture takes the pointer snapped; one that snaps its own objects
    // takes it as it lies.
    virtual bool SnapsPointer() const { return true; }
};

}  // namespace qb
