#pragma once

#include "COleDateTime.h"
#include "ViewStatus.h"

namespace qb {

class CProject;

// What the document commands ask of the window: rebuild the display model
// after the project changed, refresh title and panes, scroll, and hand over
// the view state that is kept per file.
class IDocumentView {
public:
    virtual ~IDocumentView() = default;

    // The current project was replaced or its content changed: rebuild the
    // display model, restore the selection by id and repaint.
    virtual void DocumentChanged() = 0;
    // Title, tab bar boxes, menus and panes.
    virtual void RefreshFrame() = 0;
    virtual void ViewModeChanged(int mode) = 0;
    virtual void ScrollToDate(const COleDateTime& day) = 0;
    virtual void ClearSelection() = 0;
    // The per-file view state: scales, left position, folded and hidden rows.
    virtual ViewStatus CollectViewStatus() const = 0;
    virtual void ApplyViewStatus(const ViewStatus& status) = 0;
    // The project information page's fields that have not reached the project.
    virtual bool HasUnappliedPageInput() const { return false; }
    virtual void ApplyPageInput(CProject& /*project*/) {}
    // Exit: the window's close request.
    virtual void RequestClose() {}
};

}  // namespace qb
