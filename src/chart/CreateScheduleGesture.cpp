#include "CreateScheduleGesture.h"

#include <algorithm>
#include <cstdlib>

#include "CDisplayModel.h"
#include "CGuiRow.h"
#include "CStatus.h"
#include "CTempSchedule.h"
#include "CanvasInput.h"
#include "CanvasReply.h"
#include "ChartMessages.h"
#include "IChartEdits.h"
#include "Palette.h"

namespace qb {

std::unique_ptr<CreateScheduleGesture> CreateScheduleGesture::Start(const CanvasEnv& env,
                                                                    DrawPoint point,
                                                                    const CanvasInput& input) {
    if (!env.HasRows() || !env.InDisplayPeriod(point.x))
        return nullptr;
    CGuiRow* row = env.TargetRow(point.y);
    if (row == nullptr)
        return nullptr;
    auto data = std::make_unique<CSchedule>(CData::kNoObject);
    env.Status().GetPalette().ApplyTo(*data);
    data->SetRowObjectId(row->GetObjectId());
    auto temp = std::make_unique<CTempSchedule>(std::move(data), nullptr, row,
                                                CTempSchedule::Mode::kCreate);
    std::unique_ptr<CreateScheduleGesture> gesture(
        new CreateScheduleGesture(env, point, std::move(temp)));
    const CTempSchedule& made = *gesture->temp_;
    // A bar hangs centred on the press; a point mark sits on it.
    const int height = made.Schedule().GetHeight();
    gesture->top_ = made.GetFields().IsPoint() ? point.y : point.y - height / 2;
    gesture->temp_->RectToData(GuiRect{point.x, gesture->top_, point.x, gesture->top_ + height},
                               env.Context(), env.Snap(input).SnapsX());
    if (made.GetFields().IsPoint())
        gesture->temp_->ShowTemp(true);
    return gesture;
}

CreateScheduleGesture::CreateScheduleGesture(const CanvasEnv& env, DrawPoint press,
                                             std::unique_ptr<CTempSchedule> temp)
    : env_(env), press_(press), temp_(std::move(temp)) {}

CreateScheduleGesture::~CreateScheduleGesture() = default;

void CreateScheduleGesture::Move(DrawPoint point, const CanvasInput& input) {
    if (temp_->GetFields().IsPoint())
        return;
    if (!temp_->IsShown() && std::abs(point.x - press_.x) <= kJitter)
        return;
    temp_->ShowTemp(true);
    const int height = temp_->Schedule().GetHeight();
    const GuiRect rect{std::min(point.x, press_.x), top_, std::max(point.x, press_.x),
                       top_ + height};
    temp_->RectToData(rect, env_.Context(), env_.Snap(input).SnapsX());
}

void CreateScheduleGesture::Finish(DrawPoint /*point*/, const CanvasInput& /*input*/,
                                   CanvasReply& reply) {
    if (!temp_->IsShown())
        return;
    const CSchedule& data = temp_->Schedule();
    const bool point = temp_->GetFields().IsPoint();
    if (!point && !(DateOffset(data.GetStartDate().DatePart(), data.GetStartOffset()) <
                    DateOffset(data.GetEndDate().DatePart(), data.GetEndOffset())))
        return;
    if (env_.Model().RowAt(temp_->GetRect().top) == nullptr) {
        env_.Tell(ChartMessages::kNoRowHere);
        return;
    }
    const EditResult result = env_.Edits().AddObject(data);
    if (env_.Check(result)) {
        env_.Rebuild();
        reply.repaint = true;
    }
}

void CreateScheduleGesture::Cancel() {
    temp_->ShowTemp(false);
}

void CreateScheduleGesture::Draw(IDrawContext& dc, const GuiDrawArgs& args) {
    temp_->DrawTemp(dc, args);
}

}  // namespace qb
