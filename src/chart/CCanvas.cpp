#include "CCanvas.h"

#include "CDisplayModel.h"
#include "CGuiLink.h"
#include "CGuiMemo.h"
#include "CGuiSchedule.h"
#include "CRuler.h"
#include "CStatus.h"
#include "CTempMemo.h"
#include "CTempSchedule.h"
#include "CanvasHint.h"
#include "ChartScene.h"
#include "CommandIds.h"
#include "CreateLinkGesture.h"
#include "CreateScheduleGesture.h"
#include "GuiDrawArgs.h"
#include "ICanvasGesture.h"
#include "MoveObjectsGesture.h"
#include "OffsetDrawContext.h"
#include "Palette.h"
#include "PlaceMemoGesture.h"
#include "ResizeMemoGesture.h"
#include "ResizeScheduleGesture.h"
#include "RubberBandGesture.h"

namespace qb {

namespace {

// Selection marks reach a little beyond their objects.
constexpr int kMarkMargin = 8;

// How far a point lies outside [0, size): negative before, positive after.
int Outside(int value, int size) {
    if (value < 0)
        return value;
    if (value >= size)
        return value - size + 1;
    return 0;
}

template <class T>
std::unique_ptr<T> CopyOf(const CData& data) {
    return std::unique_ptr<T>(static_cast<T*>(data.Clone().release()));
}

}  // namespace

CCanvas::CCanvas(CStatus& status, ChartScene& scene, IChartEdits& edits)
    : env_(status, scene, edits, &generation_) {}

CCanvas::~CCanvas() = default;

CanvasReply CCanvas::LeftDown(const CanvasInput& input) {
    CanvasReply reply;
    if (!env_.HasRows())
        return reply;
    const DrawPoint chart = env_.ToChart(input.point);
    if (finishing_)
        return reply;
    if (gesture_ && gesture_->FinishesOnPress()) {
        FinishGesture(chart, input, reply);
        if (gesture_->IsDone())
            gesture_.reset();
        return reply;
    }
    if (gesture_) {
        // A release the window never passed on: the old gesture ends unwritten.
        gesture_->Cancel();
        gesture_.reset();
    }
    buttonDown_ = true;
    scrollX_ = scrollY_ = 1;
    reply.repaint = true;
    if (env_.Status().GetEditMode() == CStatus::kDragSelectMode) {
        gesture_ = std::make_unique<RubberBandGesture>(env_, chart);
    } else {
        CGuiObject* hit = selection_.Down(env_.Model(), chart, input.ctrl);
        StartGesture(chart, hit, input);
    }
    if (gesture_)
        reply.capture = 1;
    return reply;
}

void CCanvas::StartGesture(DrawPoint chart, CGuiObject* hit, const CanvasInput& input) {
    if (env_.IsReadOnly())
        return;
    if (hit == nullptr) {
        if (input.timeMs - lastDoubleClick_ < kDoubleClickGuardMs)
            return;
        const DrawPoint snapped = env_.Snap(input).Snap(chart, env_.Model(), env_.Ruler());
        if (env_.Status().GetEditMode() == CStatus::kMemoInputMode)
            gesture_ = PlaceMemoGesture::Start(env_, snapped);
        else if (!env_.Status().GetPalette().IsPointShape())
            gesture_ = CreateScheduleGesture::Start(env_, snapped, input);
        return;
    }
    // The press that selects an object grabs it whole; its handles are for
    // objects already selected.
    const bool justSelected = selection_.JustSelected() == hit->GetObjectId();
    const int handle = justSelected ? CGuiObject::kHandleBody : hit->HitTestHandle(chart);
    if (hit->GetObjectType() == CGuiObject::kSchedule)
        gesture_ =
            ResizeScheduleGesture::Start(env_, static_cast<CGuiSchedule&>(*hit), handle, chart);
    if (!gesture_ && hit->GetObjectType() == CGuiObject::kMemo)
        gesture_ = ResizeMemoGesture::Start(env_, static_cast<CGuiMemo&>(*hit), handle, chart);
    if (!gesture_ && handle == CGuiObject::kHandleBody)
        gesture_ = MoveObjectsGesture::Start(env_, *hit, chart);
}

DrawPoint CCanvas::GesturePoint(const CanvasInput& input) const {
    const DrawPoint chart = env_.ToChart(input.point);
    if (!gesture_ || !gesture_->SnapsPointer())
        return chart;
    return env_.Snap(input).Snap(chart, env_.Model(), env_.Ruler());
}

CanvasReply CCanvas::LeftUp(const CanvasInput& input) {
    CanvasReply reply;
    const bool clicked = !gesture_ || !gesture_->IsDragging();
    if (finishing_)
        return reply;
    if (gesture_ && !gesture_->FinishesOnPress()) {
        FinishGesture(GesturePoint(input), input, reply);
        gesture_.reset();
    }
    if (clicked && env_.HasRows())
        selection_.Up(env_.Model(), env_.ToChart(input.point), input.ctrl);
    if (buttonDown_) {
        buttonDown_ = false;
        StopScrolling(reply);
        reply.capture = -1;
        reply.repaint = true;
    }
    return reply;
}

CanvasReply CCanvas::LeftDoubleClick(const CanvasInput& input) {
    CanvasReply reply;
    if (finishing_)
        return reply;
    lastDoubleClick_ = input.timeMs;
    if (!env_.HasRows())
        return reply;
    const DrawPoint chart = env_.ToChart(input.point);
    CDisplayModel& model = env_.Model();
    if (model.GetSelection().empty()) {
        if (env_.IsReadOnly() || !env_.Status().GetPalette().IsPointShape() ||
            env_.Status().GetEditMode() != CStatus::kNormalMode)
            return reply;
        if (gesture_) {
            gesture_->Cancel();
            gesture_.reset();
        }
        const DrawPoint snapped = env_.Snap(input).Snap(chart, model, env_.Ruler());
        gesture_ = CreateScheduleGesture::Start(env_, snapped, input);
        if (gesture_) {
            buttonDown_ = true;
            scrollX_ = scrollY_ = 1;
            reply.capture = 1;
            reply.repaint = true;
        }
        return reply;
    }
    CGuiObject* hit = CanvasSelection::Hit(model, chart);
    if (hit == nullptr || !model.IsSelectedId(hit->GetObjectId()))
        return reply;
    if (gesture_) {
        gesture_->Cancel();
        gesture_.reset();
    }
    reply.command = hit->GetObjectType() == CGuiObject::kMemo ? cmd::kEditText : cmd::kProperties;
    return reply;
}

CanvasReply CCanvas::MouseMove(const CanvasInput& input) {
    CanvasReply reply;
    if (finishing_)
        return reply;
    if (gesture_) {
        gesture_->Move(GesturePoint(input), input);
        reply.repaint = true;
    }
    if (buttonDown_)
        FollowPointer(input, reply);
    return reply;
}

// Leaving the pane with the button held starts the axis's timer; coming
// back stops it.
void CCanvas::FollowPointer(const CanvasInput& input, CanvasReply& reply) {
    const ChartScene& scene = env_.Scene();
    const bool outX = Outside(input.point.x, scene.ChartWidth()) != 0;
    const bool outY = Outside(input.point.y, scene.ChartHeight()) != 0;
    if (outX && scrollX_ == 1) {
        scrollX_ = 2;
        reply.startTimers.push_back(kHorizontalTimer);
    } else if (!outX && scrollX_ == 2) {
        scrollX_ = 1;
        reply.stopTimers.push_back(kHorizontalTimer);
    }
    if (outY && scrollY_ == 1) {
        scrollY_ = 2;
        reply.startTimers.push_back(kVerticalTimer);
    } else if (!outY && scrollY_ == 2) {
        scrollY_ = 1;
        reply.stopTimers.push_back(kVerticalTimer);
    }
}

void CCanvas::StopScrolling(CanvasReply& reply) {
    if (scrollX_ == 2)
        reply.stopTimers.push_back(kHorizontalTimer);
    if (scrollY_ == 2)
        reply.stopTimers.push_back(kVerticalTimer);
    scrollX_ = scrollY_ = 0;
}

CanvasReply CCanvas::Timer(int id, const CanvasInput& pointer) {
    CanvasReply reply;
    if (finishing_)
        return reply;
    ChartScene& scene = env_.Scene();
    if (id == kHorizontalTimer && scrollX_ == 2) {
        const int dx = Outside(pointer.point.x, scene.ChartWidth());
        if (dx != 0)
            ScrollTime(dx);
    } else if (id == kVerticalTimer && scrollY_ == 2) {
        const int dy = Outside(pointer.point.y, scene.ChartHeight());
        if (dy != 0)
            scene.SetTop(scene.GetTop() + dy);
    } else {
        return reply;
    }
    reply.scrolled = true;
    reply.repaint = true;
    if (gesture_)
        gesture_->Move(GesturePoint(pointer), pointer);
    return reply;
}

// Scrolling past the built days gives the ruler a new origin, which moves
// every x; a running gesture moves what it keeps along.
void CCanvas::ScrollTime(int pixels) {
    const COleDateTime origin = env_.Ruler().GetTimeScale().GetOrigin();
    env_.Scene().ScrollHorizontally(pixels);
    const int moved = env_.Ruler().DateToX(origin);
    if (moved != 0 && gesture_)
        gesture_->OriginMoved(moved);
}

CanvasReply CCanvas::RightDown(const CanvasInput& input) {
    CanvasReply reply;
    if (finishing_)
        return reply;
    contextType_ = -1;
    if (!env_.HasRows())
        return reply;
    if (gesture_ && !gesture_->FinishesOnPress())
        EndGesture(reply);
    CGuiObject* hit = selection_.Down(env_.Model(), env_.ToChart(input.point), input.ctrl);
    if (hit != nullptr)
        contextType_ = hit->GetObjectType();
    reply.repaint = true;
    return reply;
}

std::vector<int> CCanvas::ContextCommands() const {
    switch (contextType_) {
        case CGuiObject::kSchedule:
            return {cmd::kProperties, 0, cmd::kDelete, 0, cmd::kInsertLink, cmd::kSelectLinked};
        case CGuiObject::kMemo:
            return {cmd::kEditText,   cmd::kProperties,  0, cmd::kDelete, 0,
                    cmd::kInsertLink, cmd::kSelectLinked};
        case CGuiObject::kLink:
            return {cmd::kProperties, 0, cmd::kDelete};
        default:
            return {cmd::kInsertSchedule, cmd::kMemoMode, cmd::kDragSelect, 0, cmd::kSelectAll};
    }
}

void CCanvas::FinishGesture(DrawPoint point, const CanvasInput& input, CanvasReply& reply) {
    finishing_ = true;
    gesture_->Finish(point, input, reply);
    finishing_ = false;
}

void CCanvas::EndGesture(CanvasReply& reply) {
    if (gesture_ && !finishing_) {
        gesture_->Cancel();
        gesture_.reset();
        reply.repaint = true;
    }
    if (buttonDown_) {
        buttonDown_ = false;
        reply.capture = -1;
    }
    StopScrolling(reply);
}

CanvasReply CCanvas::KeyDown(CanvasKey key, const CanvasInput& modifiers) {
    CanvasReply reply;
    if (finishing_)
        return reply;
    ChartScene& scene = env_.Scene();
    const bool plain = !modifiers.shift && !modifiers.ctrl;
    switch (key) {
        case CanvasKey::kControl:
            if (gesture_) {
                gesture_->CopyChanged(true);
                reply.repaint = true;
            }
            return reply;
        case CanvasKey::kEscape:
            EndGesture(reply);
            return reply;
        case CanvasKey::kPageUp:
        case CanvasKey::kPageDown:
            if (!plain || !scene.IsOpen())
                return reply;
            scene.SetTop(scene.GetTop() +
                         (key == CanvasKey::kPageUp ? -1 : 1) * scene.ChartHeight());
            break;
        case CanvasKey::kLeft:
        case CanvasKey::kRight:
            if (!plain || !scene.IsOpen())
                return reply;
            ScrollTime(key == CanvasKey::kLeft ? -kArrowStep : kArrowStep);
            break;
    }
    reply.scrolled = true;
    reply.repaint = true;
    return reply;
}

CanvasReply CCanvas::KeyUp(CanvasKey key, const CanvasInput& /*modifiers*/) {
    CanvasReply reply;
    if (finishing_)
        return reply;
    if (key == CanvasKey::kControl && gesture_) {
        gesture_->CopyChanged(false);
        reply.repaint = true;
    }
    return reply;
}

CanvasReply CCanvas::FocusLost() {
    CanvasReply reply;
    EndGesture(reply);
    return reply;
}

CanvasReply CCanvas::BeginLink() {
    CanvasReply reply;
    if (finishing_)
        return reply;
    if (!env_.HasRows() || env_.IsReadOnly())
        return reply;
    EndGesture(reply);
    gesture_ = CreateLinkGesture::Start(env_);
    reply.repaint = true;
    return reply;
}

void CCanvas::ModelRebuilt() {
    ++generation_;
    if (finishing_) {
        // The gesture ends when its finish returns; it checks the generation
        // before it touches what it took from the old model.
        previewSource_ = nullptr;
        preview_.reset();
        previewData_.reset();
        return;
    }
    gesture_.reset();
    buttonDown_ = false;
    scrollX_ = scrollY_ = 0;
    preview_.reset();
    previewData_.reset();
    previewSource_ = nullptr;
}

void CCanvas::Preview(const CData* values) {
    if (previewSource_ != nullptr)
        previewSource_->SetHidden(false);
    preview_.reset();
    previewData_.reset();
    previewSource_ = nullptr;
    if (values == nullptr || !env_.HasRows())
        return;
    CGuiObject* source = env_.Model().FindObject(values->GetObjectId());
    if (source == nullptr || source->GetObjectType() == CGuiObject::kRow)
        return;
    const ChartContext chart = env_.Context();
    switch (source->GetObjectType()) {
        case CGuiObject::kSchedule: {
            auto& schedule = static_cast<CGuiSchedule&>(*source);
            auto temp =
                std::make_unique<CTempSchedule>(CopyOf<CSchedule>(*values), &schedule,
                                                schedule.GetRow(), CTempSchedule::Mode::kMove);
            temp->Recalc(chart);
            temp->ShowTemp(true);
            preview_ = std::move(temp);
            break;
        }
        case CGuiObject::kMemo: {
            auto& memo = static_cast<CGuiMemo&>(*source);
            auto temp = std::make_unique<CTempMemo>(CopyOf<CMemo>(*values), &memo, memo.GetRow());
            temp->Recalc(chart);
            temp->ShowTemp(true);
            preview_ = std::move(temp);
            break;
        }
        case CGuiObject::kLink: {
            auto& link = static_cast<CGuiLink&>(*source);
            previewData_ = values->Clone();
            auto shown = std::make_unique<CGuiLink>(static_cast<CLink&>(*previewData_),
                                                    link.GetFrom(), link.GetTo());
            shown->CalcLayout(chart);
            preview_ = std::move(shown);
            break;
        }
        default:
            return;
    }
    previewSource_ = source;
    source->SetHidden(true);
}

void CCanvas::Paint(IDrawContext& dc) {
    ChartScene& scene = env_.Scene();
    scene.PaintChart(dc);
    if (!env_.HasRows())
        return;
    const DrawPoint scroll{env_.Ruler().GetScrollPosition(), scene.GetTop()};
    OffsetDrawContext offset(dc, scroll);
    const ChartContext chart = env_.Context();
    const GuiDrawArgs args{chart, DrawRect{scroll.x, scroll.y, scroll.x + scene.ChartWidth(),
                                           scroll.y + scene.ChartHeight()}};
    if (preview_)
        preview_->Draw(offset, args);
    if (gesture_)
        gesture_->Draw(offset, args);
    DrawSelection(offset, args);
}

void CCanvas::DrawSelection(IDrawContext& dc, const GuiDrawArgs& args) const {
    const CDisplayModel& model = env_.Model();
    const DrawRect near{args.visible.left - kMarkMargin, args.visible.top - kMarkMargin,
                        args.visible.right + kMarkMargin, args.visible.bottom + kMarkMargin};
    for (std::uint32_t id : model.GetSelection()) {
        CGuiObject* object = model.FindObject(static_cast<std::int32_t>(id));
        if (object == nullptr || object->GetObjectType() == CGuiObject::kRow ||
            object->GetObjectType() == CGuiObject::kColumn || !object->IsVisible())
            continue;
        const GuiRect rect = object->GetRect();
        if (rect.right < near.left || rect.left > near.right || rect.bottom < near.top ||
            rect.top > near.bottom)
            continue;
        object->DrawSelection(dc, args);
    }
}

CanvasCursor CCanvas::CursorAt(const CanvasInput& input) const {
    const bool memoMode = env_.Status().GetEditMode() == CStatus::kMemoInputMode;
    if (!env_.HasRows())
        return CanvasCursor::kArrow;
    return CanvasHint::Cursor(env_.Model(), env_.ToChart(input.point), memoMode);
}

std::string CCanvas::HintAt(DrawPoint point) const {
    return CanvasHint::Text(env_.Scene(), env_.Status().GetPalette(), point);
}

}  // namespace qb
