#include "PlaceMemoGesture.h"

#include <algorithm>
#include <cstdlib>

#include "AppSettings.h"
#include "CDisplayModel.h"
#include "CGuiRow.h"
#include "CStatus.h"
#include "CTempMemo.h"
#include "CanvasInput.h"
#include "CanvasReply.h"
#include "ChartMessages.h"
#include "CommandIds.h"
#include "IChartEdits.h"
#include "Palette.h"

namespace qb {

std::unique_ptr<PlaceMemoGesture> PlaceMemoGesture::Start(const CanvasEnv& env, DrawPoint point) {
    if (!env.HasRows())
        return nullptr;
    CGuiRow* row = env.TargetRow(point.y);
    if (row == nullptr)
        return nullptr;
    auto data = std::make_unique<CMemo>(CData::kNoObject);
    env.Status().GetPalette().ApplyTo(*data);
    data->SetYRowId(row->GetObjectId());
    const int width = data->GetWidth();
    const int height = data->GetHeight();
    auto temp = std::make_unique<CTempMemo>(std::move(data), nullptr, row);
    std::unique_ptr<PlaceMemoGesture> gesture(new PlaceMemoGesture(env, point, std::move(temp)));
    gesture->width_ = width;
    gesture->height_ = height;
    gesture->temp_->RectToData(gesture->Span(point), env.Context(), false);
    gesture->temp_->ShowTemp(true);
    return gesture;
}

PlaceMemoGesture::PlaceMemoGesture(const CanvasEnv& env, DrawPoint press,
                                   std::unique_ptr<CTempMemo> temp)
    : env_(env), press_(press), temp_(std::move(temp)) {}

PlaceMemoGesture::~PlaceMemoGesture() = default;

GuiRect PlaceMemoGesture::Span(DrawPoint point) const {
    if (std::abs(point.x - press_.x) < kClick && std::abs(point.y - press_.y) < kClick)
        return GuiRect{press_.x, press_.y, press_.x + width_, press_.y + height_};
    const int left = std::min(point.x, press_.x);
    const int top = std::min(point.y, press_.y);
    return GuiRect{left, top, std::max({point.x, press_.x, left + kMinWidth}),
                   std::max({point.y, press_.y, top + kMinHeight})};
}

void PlaceMemoGesture::Move(DrawPoint point, const CanvasInput& /*input*/) {
    temp_->RectToData(Span(point), env_.Context(), false);
}

void PlaceMemoGesture::Finish(DrawPoint point, const CanvasInput& /*input*/, CanvasReply& reply) {
    reply.repaint = true;
    temp_->RectToData(Span(point), env_.Context(), false);
    if (env_.Model().RowAt(temp_->GetRect().top) == nullptr) {
        env_.Tell(ChartMessages::kRowDeleted);
        return;
    }
    const EditResult result = env_.Edits().AddObject(temp_->GetTempData());
    if (!env_.Check(result))
        return;
    env_.Rebuild();
    env_.Model().ClearSelection();
    env_.Model().Select(result.id, false);
    CStatus& status = env_.Status();
    if (status.Services().Settings().memoModeOneTime)
        status.SetEditMode(CStatus::kNormalMode);
    reply.command = cmd::kEditText;
}

void PlaceMemoGesture::Cancel() {
    temp_->ShowTemp(false);
}

void PlaceMemoGesture::Draw(IDrawContext& dc, const GuiDrawArgs& args) {
    temp_->DrawTemp(dc, args);
}

}  // namespace qb
