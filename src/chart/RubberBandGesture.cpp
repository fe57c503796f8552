#include "RubberBandGesture.h"

#include <algorithm>

#include "AppSettings.h"
#include "CRuler.h"
#include "CStatus.h"
#include "CanvasInput.h"
#include "CanvasReply.h"
#include "CanvasSelection.h"
#include "GuiDrawArgs.h"
#include "IDrawContext.h"

namespace qb {

RubberBandGesture::RubberBandGesture(const CanvasEnv& env, DrawPoint press)
    : env_(env),
      anchorX_(env.Ruler().XToDateOffset(press.x)),
      anchorY_(press.y),
      pointerX_(anchorX_),
      pointerY_(press.y) {}

void RubberBandGesture::Move(DrawPoint point, const CanvasInput& /*input*/) {
    pointerX_ = env_.Ruler().XToDateOffset(point.x);
    pointerY_ = point.y;
}

DrawRect RubberBandGesture::Band() const {
    const int a = env_.Ruler().DateOffsetToX(anchorX_);
    const int b = env_.Ruler().DateOffsetToX(pointerX_);
    return DrawRect{std::min(a, b), std::min(anchorY_, pointerY_), std::max(a, b),
                    std::max(anchorY_, pointerY_)};
}

void RubberBandGesture::Finish(DrawPoint point, const CanvasInput& input, CanvasReply& reply) {
    Move(point, input);
    CanvasSelection::SelectInside(env_.Model(), Band());
    CStatus& status = env_.Status();
    if (status.Services().Settings().selectModeOneTime)
        status.SetEditMode(CStatus::kNormalMode);
    reply.repaint = true;
}

void RubberBandGesture::Draw(IDrawContext& dc, const GuiDrawArgs& args) {
    DrawRect band = Band();
    const int low = args.visible.left - kDrawLimit;
    const int high = args.visible.left + kDrawLimit;
    band.left = std::clamp(band.left, low, high);
    band.right = std::clamp(band.right, low, high);
    dc.DrawFocusRect(band);
}

}  // namespace qb
