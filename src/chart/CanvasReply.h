#pragma once

#include <vector>

namespace qb {

// What the window does after the canvas handled an event.
struct CanvasReply {
    // The chart pane is painted again.
    bool repaint = false;
    // The scroll positions changed: ruler, row header and scroll bars follow.
    bool scrolled = false;
    // 1 take the mouse, -1 let it go, 0 as it is.
    int capture = 0;
    // Timer ids to start and stop, each firing every kTimerMs.
    std::vector<int> startTimers;
    std::vector<int> stopTimers;
    // A menu command the window runs next (0: none).
    int command = 0;
};

}  // namespace qb
