#pragma once

#include <memory>

#include "CanvasEnv.h"
#include "ICanvasGesture.h"

namespace qb {

class CGuiObject;
class CTempLink;

// The link command: a line from the selected object follows the mouse until
// a click on a schedule or memo adds the link. A click on empty chart asks
// whether to go on.
class CreateLinkGesture : public ICanvasGesture {
public:
    // The loose end stays this far up and left of the pointer, so that the
    // click lands on the object and not on the line.
    static constexpr int kLooseOffset = 2;

    // Null, with the user told why, when "線なし" is chosen; null when the
    // selection is not one schedule or memo.
    static std::unique_ptr<CreateLinkGesture> Start(const CanvasEnv& env);
    ~CreateLinkGesture() override;

    void Move(DrawPoint point, const CanvasInput& input) override;
    void Finish(DrawPoint point, const CanvasInput& input, CanvasReply& reply) override;
    void Cancel() override {}
    void Draw(IDrawContext& dc, const GuiDrawArgs& args) override;
    bool FinishesOnPress() const override { return true; }
    // Also when the model was rebuilt under it: its source is gone.
    bool IsDone() const override { return done_ || env_.Generation() != generation_; }
    bool SnapsPointer() const override { return false; }
    const CTempLink& Temp() const { return *temp_; }

private:
    CreateLinkGesture(const CanvasEnv& env, std::unique_ptr<CTempLink> temp);

    CanvasEnv env_;
    int generation_;
    std::unique_ptr<CTempLink> temp_;
    bool done_ = false;
};

}  // namespace qb
