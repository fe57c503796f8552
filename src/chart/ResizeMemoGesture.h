#pragma once

#include <memory>

#include "CanvasEnv.h"
#include "ICanvasGesture.h"
#include "LinkFollower.h"

namespace qb {

class CGuiMemo;
class CTempMemo;

// Drags an edge or a corner of a selected memo.
class ResizeMemoGesture : public ICanvasGesture {
public:
    // An edge must move this far from where it was, a corner more than kJitter.
    static constexpr int kEdgeReach = 4;
    static constexpr int kJitter = 3;
    // The smallest memo a drag leaves, in pixels either way.
    static constexpr int kMinSize = 8;

    // Null unless handle is one of the memo's edges or corners.
    static std::unique_ptr<ResizeMemoGesture> Start(const CanvasEnv& env, CGuiMemo& memo,
                                                    int handle, DrawPoint press);
    ~ResizeMemoGesture() override;

    void Move(DrawPoint point, const CanvasInput& input) override;
    void Finish(DrawPoint point, const CanvasInput& input, CanvasReply& reply) override;
    void Cancel() override;
    void Draw(IDrawContext& dc, const GuiDrawArgs& args) override;
    void OriginMoved(int dx) override { press_.x += dx; }
    bool IsDragging() const override { return started_; }
    const CTempMemo& Temp() const { return *temp_; }

private:
    ResizeMemoGesture(const CanvasEnv& env, CGuiMemo& source, int handle, DrawPoint press,
                      std::unique_ptr<CTempMemo> temp);
    bool FarEnough(DrawPoint point) const;

    CanvasEnv env_;
    // The model generation the sources belong to.
    int generation_;
    CGuiMemo& source_;
    int handle_;
    DrawPoint press_;
    std::unique_ptr<CTempMemo> temp_;
    bool started_ = false;
    LinkFollower links_;
};

}  // namespace qb
