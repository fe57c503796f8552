#include "ColumnHeaderInput.h"

#include <algorithm>

#include "CDisplayModel.h"
#include "CGuiColumn.h"
#include "CGuiColumnArray.h"
#include "CStatus.h"
#include "ChartScene.h"
#include "CommandIds.h"
#include "IPaneEdits.h"

namespace qb {

ColumnHeaderInput::ColumnHeaderInput(CStatus& status, ChartScene& scene, IPaneEdits& edits)
    : status_(status), scene_(scene), edits_(edits) {}

const CGuiColumnArray& ColumnHeaderInput::Columns() const {
    return scene_.GetModel().GetColumns();
}

CGuiColumn* ColumnHeaderInput::Column(int index) const {
    const CGuiColumnArray& columns = Columns();
    if (index < 0 || static_cast<std::size_t>(index) >= columns.Size())
        return nullptr;
    return columns.At(static_cast<std::size_t>(index));
}

bool ColumnHeaderInput::IsReadOnly() const {
    return !status_.HasDocument() || status_.Doc().IsReadOnly();
}

int ColumnHeaderInput::WidthHandleAt(DrawPoint point) const {
    const CGuiColumnArray& columns = Columns();
    for (std::size_t i = 0; i < columns.Size(); ++i) {
        if (columns.At(i)->HitTestHandle(point, true) == CGuiObject::kHandleEnd)
            return static_cast<int>(i);
    }
    return -1;
}

bool ColumnHeaderInput::IsOnWidthHandle(DrawPoint point) const {
    return scene_.IsOpen() && !IsReadOnly() && WidthHandleAt(point) >= 0;
}

int ColumnHeaderInput::DropTarget(int x) const {
    const CGuiColumnArray& columns = Columns();
    if (CGuiColumn* column = columns.ColumnAt(x))
        return column->GetIndex();
    if (columns.Empty() || x < 0)
        return -1;
    const int last = static_cast<int>(columns.Size()) - 1;
    return Column(last)->IsVisible() ? last : columns.NearestVisible(last, -1);
}

std::optional<int> ColumnHeaderInput::DropMarkerX() const {
    if (drag_ != Drag::kMove)
        return std::nullopt;
    const int target = DropTarget(pointerX_);
    if (target < 0 || target == index_)
        return std::nullopt;
    const GuiRect rect = Column(target)->GetRect();
    return target > index_ ? rect.right : rect.left;
}

PaneReply ColumnHeaderInput::LeftDown(const CanvasInput& input) {
    PaneReply reply;
    if (!scene_.IsOpen())
        return reply;
    const int handle = IsReadOnly() ? -1 : WidthHandleAt(input.point);
    CGuiColumn* hit = handle >= 0 ? Column(handle) : Columns().ColumnAt(input.point.x);
    selection_.Press(scene_.GetModel(), hit, input.ctrl);
    reply.repaint = true;
    reply.selection = true;
    if (hit == nullptr || IsReadOnly())
        return reply;
    drag_ = handle >= 0 ? Drag::kResize : Drag::kMove;
    index_ = hit->GetIndex();
    columnId_ = hit->GetObjectId();
    pressWidth_ = hit->GetWidth();
    width_ = pressWidth_;
    pointerX_ = input.point.x;
    pressX_ = input.point.x;
    moved_ = false;
    reply.capture = 1;
    return reply;
}

PaneReply ColumnHeaderInput::MouseMove(const CanvasInput& input) {
    PaneReply reply;
    if (drag_ == Drag::kNone)
        return reply;
    pointerX_ = input.point.x;
    // A press on the border that has not moved yet keeps the width.
    if (drag_ == Drag::kResize && (moved_ || input.point.x != pressX_)) {
        moved_ = true;
        CGuiColumn* column = Column(index_);
        ApplyWidth(std::max(CGuiColumn::kMinWidth, input.point.x - column->GetRect().left));
    }
    reply.repaint = true;
    return reply;
}

// The width shown at once, before it is written: the columns right of it
// move with their borders.
void ColumnHeaderInput::ApplyWidth(int width) {
    width_ = width;
    Column(index_)->SetWidth(width);
    scene_.Relayout();
}

PaneReply ColumnHeaderInput::LeftUp(const CanvasInput& input) {
    PaneReply reply;
    CGuiColumn* hit = drag_ == Drag::kResize ? Column(index_) : Columns().ColumnAt(input.point.x);
    if (scene_.IsOpen())
        selection_.Release(scene_.GetModel(), hit, input.ctrl);
    if (drag_ == Drag::kResize)
        reply = FinishResize();
    else if (drag_ == Drag::kMove)
        reply = FinishMove(input.point.x);
    reply.repaint = true;
    reply.selection = true;
    reply.capture = -1;
    return reply;
}

PaneReply ColumnHeaderInput::FinishResize() {
    const Drag drag = drag_;
    drag_ = Drag::kNone;
    PaneReply reply;
    if (drag != Drag::kResize || width_ == pressWidth_)
        return reply;
    // A refused write leaves the width as the data has it.
    if (!edits_.CommitWidth(columnId_, width_) && Column(index_) != nullptr &&
        Column(index_)->GetObjectId() == columnId_)
        ApplyWidth(pressWidth_);
    return reply;
}

PaneReply ColumnHeaderInput::FinishMove(int x) {
    drag_ = Drag::kNone;
    PaneReply reply;
    const int target = DropTarget(x);
    if (target >= 0 && target != index_)
        edits_.CommitMove(columnId_, target);
    return reply;
}

PaneReply ColumnHeaderInput::Cancel() {
    PaneReply reply;
    if (drag_ == Drag::kNone)
        return reply;
    if (drag_ == Drag::kResize && width_ != pressWidth_)
        ApplyWidth(pressWidth_);
    drag_ = Drag::kNone;
    reply.repaint = true;
    reply.capture = -1;
    return reply;
}

void ColumnHeaderInput::ModelRebuilt() {
    drag_ = Drag::kNone;
    index_ = -1;
}

PaneReply ColumnHeaderInput::LeftDoubleClick(const CanvasInput& input) {
    PaneReply reply;
    if (!scene_.IsOpen())
        return reply;
    if (WidthHandleAt(input.point) < 0 && Columns().ColumnAt(input.point.x) != nullptr)
        reply.command = cmd::kProperties;
    else if (WidthHandleAt(input.point) < 0)
        reply.command = cmd::kInsertColumn;
    return reply;
}

}  // namespace qb
