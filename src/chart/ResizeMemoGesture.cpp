#include "ResizeMemoGesture.h"

#include <algorithm>
#include <cstdlib>

#include "CGuiMemo.h"
#include "CTempMemo.h"
#include "CanvasInput.h"
#include "CanvasReply.h"
#include "IChartEdits.h"

namespace qb {

namespace {

bool MovesLeft(int handle) {
    return handle == CGuiObject::kHandleStart || handle == CGuiObject::kHandleTopLeft ||
           handle == CGuiObject::kHandleBottomLeft;
}
bool MovesRight(int handle) {
    return handle == CGuiObject::kHandleEnd || handle == CGuiObject::kHandleTopRight ||
           handle == CGuiObject::kHandleBottomRight;
}
bool MovesTop(int handle) {
    return handle == CGuiObject::kHandleTop || handle == CGuiObject::kHandleTopLeft ||
           handle == CGuiObject::kHandleTopRight;
}
bool MovesBottom(int handle) {
    return handle == CGuiObject::kHandleBottom || handle == CGuiObject::kHandleBottomLeft ||
           handle == CGuiObject::kHandleBottomRight;
}
bool IsCorner(int handle) {
    return handle >= CGuiObject::kHandleTopLeft && handle <= CGuiObject::kHandleBottomRight;
}

}  // namespace

std::unique_ptr<ResizeMemoGesture> ResizeMemoGesture::Start(const CanvasEnv& env, CGuiMemo& memo,
                                                            int handle, DrawPoint press) {
    if (handle < CGuiObject::kHandleTop || handle > CGuiObject::kHandleBottomRight || handle == 6)
        return nullptr;
    std::unique_ptr<CMemo> copy(static_cast<CMemo*>(memo.GetData()->Clone().release()));
    auto temp = std::make_unique<CTempMemo>(std::move(copy), &memo, memo.GetRow());
    temp->Recalc(env.Context());
    return std::unique_ptr<ResizeMemoGesture>(
        new ResizeMemoGesture(env, memo, handle, press, std::move(temp)));
}

ResizeMemoGesture::ResizeMemoGesture(const CanvasEnv& env, CGuiMemo& source, int handle,
                                     DrawPoint press, std::unique_ptr<CTempMemo> temp)
    : env_(env),
      generation_(env.Generation()),
      source_(source),
      handle_(handle),
      press_(press),
      temp_(std::move(temp)) {
    links_.Attach(env.Model(), {{&source, temp_.get()}});
}

ResizeMemoGesture::~ResizeMemoGesture() = default;

bool ResizeMemoGesture::FarEnough(DrawPoint point) const {
    const int dx = point.x - press_.x;
    const int dy = point.y - press_.y;
    if (IsCorner(handle_))
        return dx * dx + dy * dy > kJitter * kJitter;
    if (MovesLeft(handle_) || MovesRight(handle_))
        return std::abs(dx) >= kEdgeReach;
    return std::abs(dy) >= kEdgeReach;
}

void ResizeMemoGesture::Move(DrawPoint point, const CanvasInput& /*input*/) {
    if (!started_) {
        if (!FarEnough(point))
            return;
        started_ = true;
        source_.SetHidden(true);
        temp_->ShowTemp(true);
        links_.SetFollowing(true);
    }
    // The grabbed edges move as far as the pointer has moved, so that the
    // grab a few pixels outside the box does not jump.
    const int dx = point.x - press_.x;
    const int dy = point.y - press_.y;
    const GuiRect from = source_.GetRect();
    GuiRect rect = from;
    if (MovesLeft(handle_))
        rect.left = std::min(from.left + dx, from.right - kMinSize);
    if (MovesRight(handle_))
        rect.right = std::max(from.right + dx, from.left + kMinSize);
    if (MovesTop(handle_))
        rect.top = std::min(from.top + dy, from.bottom - kMinSize);
    if (MovesBottom(handle_))
        rect.bottom = std::max(from.bottom + dy, from.top + kMinSize);
    // The grabbed edges follow the pointer as it lies; x snapping would
    // shift the whole box.
    temp_->RectToData(rect, env_.Context(), false);
    links_.Update(env_.Context());
}

void ResizeMemoGesture::Finish(DrawPoint /*point*/, const CanvasInput& /*input*/,
                               CanvasReply& reply) {
    if (!started_)
        return;
    reply.repaint = true;
    if (env_.Check(env_.Edits().ChangeObjects({&temp_->GetTempData()})))
        env_.Rebuild({temp_->GetTempData().GetObjectId()});
    else
        Cancel();
}

void ResizeMemoGesture::Cancel() {
    if (env_.Generation() != generation_)
        return;
    if (started_)
        source_.SetHidden(false);
    temp_->ShowTemp(false);
    links_.SetFollowing(false);
}

void ResizeMemoGesture::Draw(IDrawContext& dc, const GuiDrawArgs& args) {
    temp_->DrawTemp(dc, args);
    links_.Draw(dc, args);
}

}  // namespace qb
