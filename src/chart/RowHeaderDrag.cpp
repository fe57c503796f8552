#include "RowHeaderDrag.h"

#include <cstdlib>

#include "CData.h"
#include "CDisplayModel.h"
#include "CGuiRow.h"
#include "CStatus.h"
#include "ChartScene.h"
#include "IPaneEdits.h"

namespace qb {

RowHeaderDrag::RowHeaderDrag(CStatus& status, ChartScene& scene, IPaneEdits& edits)
    : status_(status), scene_(scene), edits_(edits) {}

bool RowHeaderDrag::Press(DrawPoint point) {
    Cancel();
    if (!scene_.IsOpen() || !status_.HasDocument() || status_.Doc().IsReadOnly())
        return false;
    const CGuiRow* row =
        scene_.GetModel().HitTestRow(DrawPoint{point.x, point.y + scene_.GetTop()});
    if (row == nullptr)
        return false;
    rowId_ = row->GetObjectId();
    pressY_ = point.y;
    return true;
}

bool RowHeaderDrag::Move(DrawPoint point) {
    if (!IsArmed())
        return false;
    if (!dragging_ && std::abs(point.y - pressY_) <= kStartDistance)
        return false;
    dragging_ = true;
    drop_ = DropAt(point);
    return true;
}

bool RowHeaderDrag::Release(DrawPoint point) {
    if (!IsArmed())
        return false;
    const bool dragged = dragging_;
    const std::optional<Drop> drop = dragged ? DropAt(point) : std::nullopt;
    const std::int32_t rowId = rowId_;
    Cancel();
    if (drop)
        edits_.MoveRow(rowId, drop->ownerId, drop->index);
    return dragged;
}

bool RowHeaderDrag::Cancel() {
    const bool dragged = dragging_;
    rowId_ = -1;
    dragging_ = false;
    drop_.reset();
    return dragged;
}

// The dragged row itself or a row of its subtree.
bool RowHeaderDrag::IsInsideDragged(const CGuiRow* row) const {
    for (; row != nullptr; row = row->GetParent()) {
        if (row->GetObjectId() == rowId_)
            return true;
    }
    return false;
}

// The place of sibling (plus offset) once the dragged row has left its list.
int RowHeaderDrag::IndexWithout(const CGuiRow& sibling, int offset) const {
    int index = sibling.GetIndex() + offset;
    const CGuiRow* dragged = scene_.GetModel().FindRow(rowId_);
    if (dragged != nullptr && &dragged->GetHolder() == &sibling.GetHolder() &&
        dragged->GetIndex() < index)
        --index;
    return index;
}

std::optional<RowHeaderDrag::Drop> RowHeaderDrag::DropBelowAll() const {
    const int y = scene_.GetModel().TotalHeight() - scene_.GetTop();
    Drop drop;
    drop.ownerId = CData::kNoObject;
    drop.index = -1;
    drop.marker = DrawRect{0, y - 1, scene_.HeaderWidth(), y + 1};
    const CGuiRowArray& top = scene_.GetModel().GetRows();
    if (!top.Empty() && top.At(top.Size() - 1)->GetObjectId() == rowId_)
        return std::nullopt;
    return drop;
}

std::optional<RowHeaderDrag::Drop> RowHeaderDrag::DropAt(DrawPoint point) const {
    if (!IsArmed())
        return std::nullopt;
    const CDisplayModel& model = scene_.GetModel();
    const int top = scene_.GetTop();
    const CGuiRow* row = model.HitTestRow(DrawPoint{point.x, point.y + top});
    if (row == nullptr)
        return point.y + top >= model.TotalHeight() ? DropBelowAll() : std::nullopt;
    const GuiRect rect = row->GetRect();
    const int quarter = rect.Height() / 4;
    const int y = point.y + top;
    const CGuiRow* parent = row->GetParent();
    Drop drop;
    if (y < rect.top + quarter) {
        drop.ownerId = parent != nullptr ? parent->GetObjectId() : CData::kNoObject;
        drop.index = IndexWithout(*row, 0);
        drop.marker =
            DrawRect{rect.left, rect.top - top - 1, scene_.HeaderWidth(), rect.top - top + 1};
    } else if (y >= rect.bottom - quarter &&
               !(model.IsIndentMode() && row->HasChildren() && !row->IsFolded())) {
        drop.ownerId = parent != nullptr ? parent->GetObjectId() : CData::kNoObject;
        drop.index = IndexWithout(*row, 1);
        drop.marker =
            DrawRect{rect.left, rect.bottom - top - 1, scene_.HeaderWidth(), rect.bottom - top + 1};
    } else {
        // Onto the row, or in indent mode below an open parent: its first
        // child.
        const bool first = y >= rect.bottom - quarter;
        drop.ownerId = row->GetObjectId();
        drop.index = first ? 0 : -1;
        drop.onto = !first;
        drop.marker = first ? DrawRect{rect.left, rect.bottom - top - 1, scene_.HeaderWidth(),
                                       rect.bottom - top + 1}
                            : DrawRect{rect.left, rect.top - top, rect.right, rect.bottom - top};
    }
    // Into its own subtree, or back where it is.
    if (IsInsideDragged(model.FindRow(drop.ownerId)) ||
        (!drop.onto && row->GetObjectId() == rowId_))
        return std::nullopt;
    const CGuiRow* dragged = model.FindRow(rowId_);
    const CGuiRow* oldOwner = dragged != nullptr ? dragged->GetParent() : nullptr;
    const std::int32_t oldOwnerId =
        oldOwner != nullptr ? oldOwner->GetObjectId() : CData::kNoObject;
    if (dragged != nullptr && oldOwnerId == drop.ownerId && drop.index == dragged->GetIndex())
        return std::nullopt;
    return drop;
}

}  // namespace qb
