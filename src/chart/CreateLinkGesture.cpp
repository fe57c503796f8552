#include "CreateLinkGesture.h"

#include "CDisplayModel.h"
#include "CGuiMemo.h"
#include "CGuiSchedule.h"
#include "CStatus.h"
#include "CTempLink.h"
#include "CanvasReply.h"
#include "CanvasSelection.h"
#include "ChartMessages.h"
#include "ChartScene.h"
#include "DisplaySettings.h"
#include "IChartEdits.h"
#include "Palette.h"

namespace qb {

namespace {

// With the link-colour option a link takes its source's colour: a
// schedule's fill (its edge when the fill is white) or a memo's border.
ColorRef SourceColour(const CGuiObject& source) {
    if (source.GetObjectType() == CGuiObject::kSchedule) {
        const auto& data = static_cast<const CSchedule&>(*source.GetData());
        return data.GetBgColor() == kWhite ? data.GetEdgePen().GetColour() : data.GetBgColor();
    }
    return static_cast<const CMemo&>(*source.GetData()).GetBorderPen().GetColour();
}

CGuiObject* OnlySelected(const CDisplayModel& model) {
    if (model.GetSelection().size() != 1)
        return nullptr;
    CGuiObject* object = model.FindObject(static_cast<std::int32_t>(model.GetSelection()[0]));
    if (object == nullptr || !object->IsVisible())
        return nullptr;
    const int type = object->GetObjectType();
    return type == CGuiObject::kSchedule || type == CGuiObject::kMemo ? object : nullptr;
}

}  // namespace

std::unique_ptr<CreateLinkGesture> CreateLinkGesture::Start(const CanvasEnv& env) {
    const Palette& palette = env.Status().GetPalette();
    if (palette.IsNoLine()) {
        env.Tell(ChartMessages::kNoLine);
        return nullptr;
    }
    CGuiObject* source = OnlySelected(env.Model());
    if (source == nullptr)
        return nullptr;
    auto link = std::make_unique<CLink>(CData::kNoObject);
    palette.ApplyTo(*link);
    link->SetFromId(source->GetObjectId());
    if (env.Scene().GetDisplaySettings().linkColor) {
        CPenInfo pen = link->GetLinePen();
        pen.SetColour(SourceColour(*source));
        link->SetLinePen(pen);
    }
    return std::unique_ptr<CreateLinkGesture>(
        new CreateLinkGesture(env, std::make_unique<CTempLink>(std::move(link), source)));
}

CreateLinkGesture::CreateLinkGesture(const CanvasEnv& env, std::unique_ptr<CTempLink> temp)
    : env_(env), generation_(env.Generation()), temp_(std::move(temp)) {}

CreateLinkGesture::~CreateLinkGesture() = default;

void CreateLinkGesture::Move(DrawPoint point, const CanvasInput& /*input*/) {
    temp_->SetLooseEnd(DrawPoint{point.x - kLooseOffset, point.y - kLooseOffset});
}

void CreateLinkGesture::Finish(DrawPoint point, const CanvasInput& /*input*/, CanvasReply& reply) {
    reply.repaint = true;
    const CDisplayModel& model = env_.Model();
    CGuiObject* target = CanvasSelection::HitSchedule(model, point);
    if (target == nullptr)
        target = CanvasSelection::HitMemo(model, point);
    if (target == nullptr || target == temp_->GetFrom()) {
        done_ = !env_.Confirm(ChartMessages::kClickLinkTarget);
        return;
    }
    done_ = true;
    temp_->Link().SetToId(target->GetObjectId());
    if (env_.Check(env_.Edits().AddObject(temp_->Link())))
        env_.Rebuild();
}

void CreateLinkGesture::Draw(IDrawContext& dc, const GuiDrawArgs& args) {
    temp_->Draw(dc, args);
}

}  // namespace qb
