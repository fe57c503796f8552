#include "ColumnCellInput.h"

#include <algorithm>
#include <vector>

#include "CDisplayModel.h"
#include "CGuiColumnArray.h"
#include "CGuiRow.h"
#include "ChartScene.h"
#include "CommandIds.h"

namespace qb {

ColumnCellInput::ColumnCellInput(ChartScene& scene) : scene_(scene) {}

PaneReply ColumnCellInput::LeftDown(const CanvasInput& input) {
    PaneReply reply;
    if (!scene_.IsOpen())
        return reply;
    CDisplayModel& model = scene_.GetModel();
    if (const CGuiColumn* column = model.GetColumns().ColumnAt(input.point.x))
        model.SetCurrentColumn(column->GetIndex());
    if (const CGuiRow* row = scene_.CellRowAt(input.point))
        model.Select(row->GetObjectId(), false);
    else if (!input.ctrl)
        model.ClearSelection();
    reply.repaint = true;
    reply.selection = true;
    return reply;
}

PaneReply ColumnCellInput::LeftDoubleClick(const CanvasInput& input) {
    PaneReply reply = LeftDown(input);
    if (scene_.IsOpen() && scene_.CellRowAt(input.point) != nullptr &&
        scene_.GetModel().GetCurrentColumn() >= 0)
        reply.command = cmd::kEditText;
    return reply;
}

PaneReply ColumnCellInput::KeyDown(CellKey key, const CanvasInput& modifiers) {
    PaneReply reply;
    if (!scene_.IsOpen() || modifiers.shift || modifiers.ctrl)
        return reply;
    const int page = std::max(1, scene_.ChartHeight());
    switch (key) {
        case CellKey::kEnter:
            reply.command = cmd::kProperties;
            return reply;
        case CellKey::kPageUp:
        case CellKey::kPageDown:
            scene_.SetTop(scene_.GetTop() + (key == CellKey::kPageUp ? -page : page));
            reply.scrolled = true;
            reply.repaint = true;
            return reply;
        case CellKey::kLeft:
            return MoveColumn(-1);
        case CellKey::kRight:
            return MoveColumn(1);
        case CellKey::kUp:
            return MoveRow(-1);
        case CellKey::kDown:
            return MoveRow(1);
    }
    return reply;
}

// The current column walks over the visible ones and stays at either end;
// without one, the first visible column becomes current.
PaneReply ColumnCellInput::MoveColumn(int step) {
    PaneReply reply;
    CDisplayModel& model = scene_.GetModel();
    const CGuiColumnArray& columns = model.GetColumns();
    const int current = model.GetCurrentColumn();
    int next = current < 0 ? columns.NearestVisible(-1, 1) : columns.NearestVisible(current, step);
    if (next < 0)
        next = current;
    if (next != current) {
        model.SetCurrentColumn(next);
        reply.repaint = true;
    }
    return reply;
}

CGuiRow* ColumnCellInput::SelectedRow() const {
    const CDisplayModel& model = scene_.GetModel();
    for (std::uint32_t id : model.GetSelection()) {
        if (CGuiRow* row = model.FindRow(static_cast<std::int32_t>(id)))
            return row;
    }
    return nullptr;
}

// Up and Down go over the rows that show cells, in the order they are drawn.
PaneReply ColumnCellInput::MoveRow(int step) {
    PaneReply reply;
    CDisplayModel& model = scene_.GetModel();
    std::vector<CGuiRow*> rows;
    for (CGuiRow* row : model.GetLineRows()) {
        if (row->IsVisible() && row->CanTakeObjects(model.IsIndentMode()))
            rows.push_back(row);
    }
    if (rows.empty())
        return reply;
    const auto at = std::find(rows.begin(), rows.end(), SelectedRow());
    std::ptrdiff_t index = at == rows.end() ? 0 : (at - rows.begin()) + step;
    index = std::clamp<std::ptrdiff_t>(index, 0, static_cast<std::ptrdiff_t>(rows.size()) - 1);
    CGuiRow* next = rows[static_cast<std::size_t>(index)];
    model.Select(next->GetObjectId(), false);
    reply.scrolled = ScrollTo(*next);
    reply.repaint = true;
    reply.selection = true;
    return reply;
}

bool ColumnCellInput::ScrollTo(const CGuiRow& row) {
    const int top = scene_.GetTop();
    const GuiRect rect = row.GetRect();
    int wanted = top;
    if (rect.top < top)
        wanted = rect.top;
    else if (rect.bottom > top + scene_.ChartHeight())
        wanted = std::min(rect.top, rect.bottom - scene_.ChartHeight());
    if (wanted == top)
        return false;
    scene_.SetTop(wanted);
    return scene_.GetTop() != top;
}

}  // namespace qb
