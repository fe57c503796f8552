#pragma once

#include <memory>

#include "CanvasEnv.h"
#include "ICanvasGesture.h"

namespace qb {

class CTempSchedule;

// Drags out a new bar on a row (the edge under the pointer moves), or puts
// a point-type mark where a double-click landed.
class CreateScheduleGesture : public ICanvasGesture {
public:
    // Pixels the pointer must leave the press before a bar shows.
    static constexpr int kJitter = 3;

    // Null when the point cannot take a schedule: outside the display period,
    // below the rows, on a row that takes no objects.
    static std::unique_ptr<CreateScheduleGesture> Start(const CanvasEnv& env, DrawPoint point,
                                                        const CanvasInput& input);
    ~CreateScheduleGesture() override;

    void Move(DrawPoint point, const CanvasInput& input) override;
    void Finish(DrawPoint point, const CanvasInput& input, CanvasReply& reply) override;
    void Cancel() override;
    void Draw(IDrawContext& dc, const GuiDrawArgs& args) override;
    void OriginMoved(int dx) override { press_.x += dx; }
    const CTempSchedule& Temp() const { return *temp_; }

private:
    CreateScheduleGesture(const CanvasEnv& env, DrawPoint press,
                          std::unique_ptr<CTempSchedule> temp);

    CanvasEnv env_;
    DrawPoint press_;
    int top_ = 0;
    std::unique_ptr<CTempSchedule> temp_;
};

}  // namespace qb
