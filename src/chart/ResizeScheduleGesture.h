#pragma once

#include <memory>

#include "CanvasEnv.h"
#include "ICanvasGesture.h"
#include "LinkFollower.h"

namespace qb {

class CGuiSchedule;
class CTempSchedule;

// Drags the start or end edge of a selected bar; the edge never passes the
// other one.
class ResizeScheduleGesture : public ICanvasGesture {
public:
    // Pixels the pointer must lie from the press and from the edge.
    static constexpr int kReach = 4;

    // Null unless handle is the start or end edge of a bar.
    static std::unique_ptr<ResizeScheduleGesture> Start(const CanvasEnv& env,
                                                        CGuiSchedule& schedule, int handle,
                                                        DrawPoint press);
    ~ResizeScheduleGesture() override;

    void Move(DrawPoint point, const CanvasInput& input) override;
    void Finish(DrawPoint point, const CanvasInput& input, CanvasReply& reply) override;
    void Cancel() override;
    void Draw(IDrawContext& dc, const GuiDrawArgs& args) override;
    void OriginMoved(int dx) override { press_.x += dx; }
    bool IsDragging() const override { return started_; }
    const CTempSchedule& Temp() const { return *temp_; }

private:
    ResizeScheduleGesture(const CanvasEnv& env, CGuiSchedule& source, int handle, DrawPoint press,
                          std::unique_ptr<CTempSchedule> temp);

    CanvasEnv env_;
    // The model generation the sources belong to.
    int generation_;
    CGuiSchedule& source_;
    int handle_;
    DrawPoint press_;
    std::unique_ptr<CTempSchedule> temp_;
    bool started_ = false;
    LinkFollower links_;
};

}  // namespace qb
