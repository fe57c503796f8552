#include "CGuiLink.h"

#include <algorithm>
#include <cmath>

#include "CGuiSchedule.h"
#include "CLink.h"
#include "GuiDrawArgs.h"
#include "IDrawContext.h"
#include "LinkRoute.h"
#include "ScheduleShape.h"
#include "ShapePainter.h"

namespace qb {

namespace {

bool Inside(const DrawRect& r, DrawPoint p) {
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

}  // namespace

CGuiLink::CGuiLink(CLink& data, CGuiObject* from, CGuiObject* to)
    : CGuiLink(data, from, to, from != nullptr ? from->GetData() : nullptr,
               to != nullptr ? to->GetData() : nullptr) {}

CGuiLink::CGuiLink(CLink& data, CGuiObject* from, CGuiObject* to, const CData* fromData,
                   const CData* toData)
    : CGuiObject(data.GetObjectId()),
      data_(&data),
      stamp_(data.GetChangeStamp()),
      from_(from),
      to_(to),
      fromData_(fromData),
      toData_(toData) {}

bool CGuiLink::Joins(const CLink& data, const CGuiObject* from, const CGuiObject* to) const {
    return stamp_ == data.GetChangeStamp() && from == from_ && to == to_;
}

void CGuiLink::Renew(CLink& data, const CData* fromData, const CData* toData) {
    ResetViewState();
    data_ = &data;
    fromData_ = fromData;
    toData_ = toData;
    moving_ = false;
}

CGuiLink::EndPlace CGuiLink::PlaceOf(const CGuiObject* end) {
    if (end == nullptr)
        return {};
    if (end->GetObjectType() == kMemo)
        return EndPlace{-1, 0, true};
    if (end->GetObjectType() != kSchedule)
        return {};
    return EndPlace{end->GetIndex(), static_cast<const CGuiSchedule*>(end)->GetPlaceVersion(),
                    false};
}

bool CGuiLink::MemoEndStays(bool from) const {
    if (from)
        return from_->AnchorPoint(data_->GetFromHorzPosition(), data_->GetFromVertPosition()) ==
               fromPoint_;
    return to_->AnchorPoint(data_->GetToHorzPosition(), data_->GetToVertPosition()) == toPoint_;
}

CData* CGuiLink::GetData() const {
    return data_;
}

bool CGuiLink::IsGone(const CGuiObject* end, const CData* data) {
    return end == nullptr || (data != nullptr && data->IsDeleted());
}

void CGuiLink::CalcLayout(const ChartContext& chart) {
    const bool broken = IsGone(from_, fromData_) || IsGone(to_, toData_);
    // A link being created has no data yet and may lack its loose end.
    laid_ = false;
    if (broken && GetObjectId() != -1 && !moving_) {
        SetHidden(true);
        return;
    }
    for (CGuiObject* end : {from_, to_}) {
        if (end != nullptr && !end->GetRect().IsLaidOut()) {
            end->CalcLayout(chart);
        }
    }
    if (from_ != nullptr) {
        fromPoint_ = from_->AnchorPoint(data_->GetFromHorzPosition(), data_->GetFromVertPosition());
        fromStub_ = LinkRoute::StubPoint(fromPoint_, data_->GetFromHorzPosition());
        fromStubHit_ = LinkRoute::StubHitRect(fromPoint_, fromStub_);
    }
    if (to_ != nullptr) {
        toPoint_ = to_->AnchorPoint(data_->GetToHorzPosition(), data_->GetToVertPosition());
        toStub_ = LinkRoute::StubPoint(toPoint_, data_->GetToHorzPosition());
        toStubHit_ = LinkRoute::StubHitRect(toPoint_, toStub_);
    }
    fromPlace_ = PlaceOf(from_);
    toPlace_ = PlaceOf(to_);
    laid_ = !moving_;
    moving_ = false;
}

GuiRect CGuiLink::GetRect() const {
    return GuiRect{std::min(fromPoint_.x, toPoint_.x), std::min(fromPoint_.y, toPoint_.y),
                   std::max(fromPoint_.x, toPoint_.x), std::max(fromPoint_.y, toPoint_.y)};
}

bool CGuiLink::IsVisible() const {
    if (IsHidden()) {
        return false;
    }
    return (from_ == nullptr || from_->IsVisible()) && (to_ == nullptr || to_->IsVisible());
}

bool CGuiLink::HitTest(DrawPoint point) const {
    if (!IsVisible()) {
        return false;
    }
    return Inside(fromStubHit_, point) || Inside(toStubHit_, point) ||
           LinkRoute::HitsSegment(point, fromStub_, toStub_);
}

void CGuiLink::Draw(IDrawContext& dc, const GuiDrawArgs& args) {
    if (!IsVisible()) {
        return;
    }
    const CPenInfo& pen = data_->GetLinePen();
    dc.SaveState();
    dc.SetPen(DrawPen{pen.GetStyle(), pen.GetWidth(), pen.GetColour()});
    dc.SetBrush(DrawBrush::Solid(pen.GetColour()));
    const int left = args.visible.left;
    const int right = args.visible.right;
    DrawPoint a = fromStub_;
    DrawPoint b = toStub_;
    if (LinkRoute::ClipToX(a, b, left, right)) {
        dc.DrawLine(a, b);
    }
    // End decorations reach no further than a stub's length beyond the range.
    auto near = [&](DrawPoint stub) {
        return stub.x >= left - LinkRoute::kStubLength && stub.x <= right + LinkRoute::kStubLength;
    };
    if (near(fromStub_)) {
        DrawEnd(dc, fromPoint_, fromStub_, data_->GetFromHorzPosition(), data_->GetFromEndStyle(),
                true);
    }
    if (near(toStub_)) {
        DrawEnd(dc, toPoint_, toStub_, data_->GetToHorzPosition(), data_->GetToEndStyle(), false);
    }
    dc.RestoreState();
}

// The stub is drawn as a schedule line whose decorated end is the anchor.
// A centred end has no stub: its decoration lies on the main segment, turned
// to its direction, as if the segment were a line from the from end to the
// to end.
void CGuiLink::DrawEnd(IDrawContext& dc, DrawPoint anchor, DrawPoint stub, int horz, int style,
                       bool isFrom) const {
    ScheduleShape shape;
    shape.size = data_->GetLinePen().GetWidth();
    if (horz == 0) {
        shape.endEdgeType = style;
        ShapePainter().Draw(dc, shape, stub.x, anchor.x, anchor.y);
    } else if (horz == 2) {
        shape.startEdgeType = style;
        ShapePainter().Draw(dc, shape, anchor.x, stub.x, anchor.y);
    } else {
        (isFrom ? shape.startEdgeType : shape.endEdgeType) = style;
        const double angle = std::atan2(static_cast<double>(toStub_.y) - fromStub_.y,
                                        static_cast<double>(toStub_.x) - fromStub_.x);
        ShapePainter(1.0, angle).Draw(dc, shape, anchor.x, anchor.x, anchor.y);
    }
}

}  // namespace qb
