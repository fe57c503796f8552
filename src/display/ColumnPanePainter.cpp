#include "ColumnPanePainter.h"

#include <algorithm>

#include "CColumn.h"
#include "CDisplayModel.h"
#include "CGuiColumnArray.h"
#include "CGuiRow.h"
#include "CRuler.h"
#include "GuiDrawArgs.h"
#include "IDrawContext.h"

namespace qb {

namespace {

// The bands in display order that reach into the rows in view.
template <class F>
void ForEachBandInView(const CDisplayModel& model, const DrawRect& visible, F&& f) {
    // The line under a band lies on its bottom, which may be the top of the
    // view.
    const auto& bands = model.GetLineRows();
    auto it = std::partition_point(bands.begin(), bands.end(), [&](const CGuiRow* row) {
        return row->GetRect().bottom < visible.top;
    });
    for (; it != bands.end(); ++it) {
        if ((*it)->GetRect().top >= visible.bottom)
            break;
        f(**it, static_cast<std::size_t>(it - bands.begin()));
    }
}

const CGuiRow* SelectedRow(const CDisplayModel& model) {
    for (const std::uint32_t id : model.GetSelection()) {
        if (const CGuiRow* row = model.FindRow(static_cast<std::int32_t>(id)))
            return row;
    }
    return nullptr;
}

}  // namespace

void ColumnPanePainter::PaintHeader(IDrawContext& dc, const CDisplayModel& model,
                                    const GuiDrawArgs& args) {
    dc.FillRect(args.visible, kPaper);
    const CGuiColumnArray& columns = model.GetColumns();
    for (std::size_t i = 0; i < columns.Size(); ++i)
        columns.At(i)->Draw(dc, args);
}

void ColumnPanePainter::PaintCells(IDrawContext& dc, const CDisplayModel& model,
                                   const GuiDrawArgs& args) {
    dc.FillRect(args.visible, kPaper);
    PaintBands(dc, model, args);
    PaintBorders(dc, model.GetColumns(), args.visible.top,
                 std::min(model.TotalHeight(), args.visible.bottom));
    PaintTexts(dc, model, args);
    PaintCurrentCell(dc, model);
}

// Backgrounds first, then the lines, so that no band covers the line above.
void ColumnPanePainter::PaintBands(IDrawContext& dc, const CDisplayModel& model,
                                   const GuiDrawArgs& args) {
    const DrawRect& visible = args.visible;
    ForEachBandInView(model, visible, [&](const CGuiRow& row, std::size_t) {
        const GuiRect rect = row.GetRect();
        row.FillBackground(dc, DrawRect{visible.left, rect.top, visible.right, rect.bottom});
    });
    const auto& pens = model.GetLinePens();
    ForEachBandInView(model, visible, [&](const CGuiRow& row, std::size_t band) {
        const int y = row.GetRect().bottom;
        dc.SetPen(pens[band]);
        dc.DrawLine(DrawPoint{visible.left, y}, DrawPoint{visible.right, y});
    });
}

void ColumnPanePainter::PaintBorders(IDrawContext& dc, const CGuiColumnArray& columns, int top,
                                     int bottom) {
    if (bottom <= top)
        return;
    for (const auto& [x, pen] : columns.Borders()) {
        dc.SetPen(pen);
        dc.DrawLine(DrawPoint{x, top}, DrawPoint{x, bottom});
    }
}

// Column by column, so that each font is chosen once.
void ColumnPanePainter::PaintTexts(IDrawContext& dc, const CDisplayModel& model,
                                   const GuiDrawArgs& args) {
    const CGuiColumnArray& columns = model.GetColumns();
    const bool indentMode = model.IsIndentMode();
    TextFormat format;
    format.singleLine = false;
    dc.SetBackgroundMode(BackgroundMode::transparent);
    for (std::size_t i = 0; i < columns.Size(); ++i) {
        const CGuiColumn& column = *columns.At(i);
        if (column.IsHidden())
            continue;
        const GuiRect box = column.GetRect();
        if (box.right <= args.visible.left || box.left >= args.visible.right)
            continue;
        dc.SetFont(CGuiColumn::ToDrawFont(column.Shown().GetDataFont()));
        dc.SetTextColour(column.Shown().GetDataFontColor());
        ForEachBandInView(model, args.visible, [&](const CGuiRow& row, std::size_t) {
            const auto& cells = row.GetCellTexts();
            const GuiRect rect = row.GetRect();
            if (i >= cells.size() || cells[i].empty() || rect.bottom <= args.visible.top ||
                !row.CanTakeObjects(indentMode))
                return;
            dc.DrawText(cells[i], DrawRect{box.left + 5, rect.top + 5, box.right, rect.bottom},
                        format);
        });
    }
}

void ColumnPanePainter::PaintCurrentCell(IDrawContext& dc, const CDisplayModel& model) {
    const int current = model.GetCurrentColumn();
    const CGuiColumnArray& columns = model.GetColumns();
    if (current < 0 || current >= static_cast<int>(columns.Size()))
        return;
    const CGuiRow* row = SelectedRow(model);
    if (row == nullptr || !row->IsVisible())
        return;
    const GuiRect box = columns.At(static_cast<std::size_t>(current))->GetRect();
    const GuiRect rect = row->GetRect();
    dc.DrawFocusRect(DrawRect{box.left + 2, rect.top + 2, box.right - 2, rect.bottom - 2});
}

}  // namespace qb
