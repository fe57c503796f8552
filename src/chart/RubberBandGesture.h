#pragma once

#include <memory>

#include "CanvasEnv.h"
#include "DateOffset.h"
#include "ICanvasGesture.h"

namespace qb {

// Drag-select mode: a band from the press to the pointer; on release every
// visible object wholly inside it becomes the selection. Its sides are kept
// as dates so that the band stays on them while the chart scrolls.
class RubberBandGesture : public ICanvasGesture {
public:
    // How far the band may reach beyond the pane when it is drawn.
    static constexpr int kDrawLimit = 32000;

    RubberBandGesture(const CanvasEnv& env, DrawPoint press);

    void Move(DrawPoint point, const CanvasInput& input) override;
    void Finish(DrawPoint point, const CanvasInput& input, CanvasReply& reply) override;
    void Cancel() override {}
    void Draw(IDrawContext& dc, const GuiDrawArgs& args) override;
    // In chart coordinates, normalised.
    DrawRect Band() const;

private:
    CanvasEnv env_;
    DateOffset anchorX_;
    int anchorY_;
    DateOffset pointerX_;
    int pointerY_;
};

}  // namespace qb
