#pragma once

#include <cstdint>

#include "DrawTypes.h"

namespace qb {

// One mouse or key event as the chart pane sees it.
struct CanvasInput {
    // In chart-pane pixels (the window point); the canvas adds the scroll.
    DrawPoint point;
    bool ctrl = false;
    bool shift = false;
    bool alt = false;
    // Monotonic milliseconds of the event.
    std::int64_t timeMs = 0;
};

// The mouse cursor the chart asks for.
enum class CanvasCursor {
    kArrow,
    kSizeHorizontal,
    kSizeVertical,
    // Top-left and bottom-right corners.
    kSizeDiagonalDown,
    // Top-right and bottom-left corners.
    kSizeDiagonalUp,
    kMemo,
};

// The keys the chart acts on.
enum class CanvasKey { kControl, kPageUp, kPageDown, kLeft, kRight, kEscape };

}  // namespace qb
