#pragma once

namespace qb {

// What the window does after the column area or the row header handled an
// event.
struct PaneReply {
    // The column header and cell panes are painted again.
    bool repaint = false;
    // The selection or the layout changed: the chart, the row header and the
    // menus follow.
    bool selection = false;
    // The vertical scroll position changed.
    bool scrolled = false;
    // 1 take the mouse, -1 let it go, 0 as it is.
    int capture = 0;
    // A menu command the window runs next (0: none).
    int command = 0;
};

}  // namespace qb
