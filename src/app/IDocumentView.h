#pragma once

#include <cstdint>
#include <optional>

#include "COleDateTime.h"
#include "DrawTypes.h"
#include "ViewStatus.h"

namespace qb {

class CData;
class CProject;
class ChartScene;

// What the commands ask of the window beyond the document's own changes,
// which it hears as the document's observer: show the display switches and
// the view mode, scroll, and hand over the view state that is kept per file.
class IDocumentView {
public:
    virtual ~IDocumentView() = default;

    // The display switches of the settings changed: redraw with them.
    virtual void DisplaySettingsChanged() = 0;
    // The master holiday rules were read again: take them.
    virtual void SystemHolidaysChanged() {}
    virtual void ViewModeChanged(int mode) = 0;
    virtual void ScrollToDate(const COleDateTime& day) = 0;
    virtual void ClearSelection() = 0;
    // The per-file view state. Collecting fills in what the window shows
    // (scales, left position, folded and hidden rows and columns, splitter
    // positions) and leaves the rest of status as it is.
    virtual void CollectViewStatus(ViewStatus& status) const = 0;
    virtual void ApplyViewStatus(const ViewStatus& status) = 0;
    // The project information page's fields that have not reached the project.
    virtual bool HasUnappliedPageInput() const { return false; }
    virtual void ApplyPageInput(CProject& /*project*/) {}
    // False, after telling the user why, when the page's input cannot be
    // taken as it stands (a date that names no day).
    virtual bool CheckPageInput() { return true; }
    // The window's tool bars by their command ids.
    virtual bool IsToolBarShown(int /*id*/) const { return false; }
    virtual void ShowToolBar(int /*id*/, bool /*show*/) {}
    // The chart the view commands fold, hide and scroll; none without a
    // window.
    virtual ChartScene* GetChartScene() { return nullptr; }
    // The chart's rows or position changed: scroll bars and panes follow.
    virtual void ChartViewChanged() {}
    // The link command: the chart starts drawing a link from the one
    // selected object. False when the chart cannot.
    virtual bool BeginLink() { return false; }
    // The text editing command: the chart opens its in-place editor on a memo.
    virtual void EditMemoText(std::int32_t /*id*/) {}
    // The text editing command on a row or a cell: the window opens its
    // in-place editor on the row's caption (columnId kNoObject) or on the
    // cell of the row in the column.
    virtual void EditCellText(std::int32_t /*rowId*/, std::int32_t /*columnId*/) {}
    // A property dialog's values shown on the chart in place of the object
    // with their id while the dialog is open; null ends the preview.
    virtual void PreviewObject(const CData* /*values*/) {}
    // Where pasted objects go, in chart pixels: the mouse when it is over
    // the chart, otherwise the top-left corner of the visible chart.
    virtual std::optional<DrawPoint> PastePoint() const { return std::nullopt; }
    // Exit: the window's close request.
    virtual void RequestClose() {}
};

}  // namespace qb
