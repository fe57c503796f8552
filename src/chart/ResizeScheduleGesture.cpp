#include "ResizeScheduleGesture.h"

#include <algorithm>
#include <cstdlib>

#include "CGuiSchedule.h"
#include "CTempSchedule.h"
#include "CanvasInput.h"
#include "CanvasReply.h"
#include "IChartEdits.h"

namespace qb {

std::unique_ptr<ResizeScheduleGesture> ResizeScheduleGesture::Start(const CanvasEnv& env,
                                                                    CGuiSchedule& schedule,
                                                                    int handle, DrawPoint press) {
    if (handle != CGuiObject::kHandleStart && handle != CGuiObject::kHandleEnd)
        return nullptr;
    if (schedule.GetFields().IsPoint())
        return nullptr;
    const auto* data = static_cast<const CSchedule*>(schedule.GetData());
    std::unique_ptr<CSchedule> copy(static_cast<CSchedule*>(data->Clone().release()));
    auto temp = std::make_unique<CTempSchedule>(std::move(copy), &schedule, schedule.GetRow(),
                                                CTempSchedule::Mode::kResize);
    temp->SetGrabbedEdge(handle);
    temp->Recalc(env.Context());
    return std::unique_ptr<ResizeScheduleGesture>(
        new ResizeScheduleGesture(env, schedule, handle, press, std::move(temp)));
}

ResizeScheduleGesture::ResizeScheduleGesture(const CanvasEnv& env, CGuiSchedule& source, int handle,
                                             DrawPoint press, std::unique_ptr<CTempSchedule> temp)
    : env_(env),
      generation_(env.Generation()),
      source_(source),
      handle_(handle),
      press_(press),
      temp_(std::move(temp)) {
    links_.Attach(env.Model(), {{&source, temp_.get()}});
}

ResizeScheduleGesture::~ResizeScheduleGesture() = default;

void ResizeScheduleGesture::Move(DrawPoint point, const CanvasInput& input) {
    const GuiRect source = source_.GetRect();
    if (!started_) {
        const int edge = handle_ == CGuiObject::kHandleStart ? source.left : source.right;
        if (std::abs(point.x - press_.x) < kReach || std::abs(point.x - edge) < kReach)
            return;
        started_ = true;
        source_.SetHidden(true);
        temp_->ShowTemp(true);
        links_.SetFollowing(true);
    }
    GuiRect rect = source;
    if (handle_ == CGuiObject::kHandleStart)
        rect.left = std::min(point.x, source.right - 1);
    else
        rect.right = std::max(point.x, source.left + 1);
    temp_->RectToData(rect, env_.Context(), env_.Snap(input).SnapsX());
    links_.Update(env_.Context());
}

// A start edge is written as dragged; an end edge moved by whole days may
// take the objects linked to the schedule along.
void ResizeScheduleGesture::Finish(DrawPoint /*point*/, const CanvasInput& input,
                                   CanvasReply& reply) {
    if (!started_)
        return;
    const CData& values = temp_->GetTempData();
    const EditResult result = handle_ == CGuiObject::kHandleEnd
                                  ? env_.Edits().MoveSchedule(values, input.shift)
                                  : env_.Edits().ChangeObjects({&values});
    if (env_.Check(result)) {
        env_.Rebuild({temp_->GetTempData().GetObjectId()});
    } else {
        Cancel();
    }
    reply.repaint = true;
}

void ResizeScheduleGesture::Cancel() {
    if (env_.Generation() != generation_)
        return;
    if (started_)
        source_.SetHidden(false);
    temp_->ShowTemp(false);
    links_.SetFollowing(false);
}

void ResizeScheduleGesture::Draw(IDrawContext& dc, const GuiDrawArgs& args) {
    temp_->DrawTemp(dc, args);
    links_.Draw(dc, args);
}

}  // namespace qb
