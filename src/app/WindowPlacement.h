#pragma once

#include <vector>

#include "DrawTypes.h"

namespace qb {

// Where the main window opens: the stored rectangle when it is usable, else
// the desktop less a margin on every side.
class WindowPlacement {
public:
    static constexpr int kMargin = 100;

    // monitors: every screen's rectangle; when none can be listed the desktop
    // stands for the primary screen. The stored rectangle is used when it is
    // not empty and its top-left corner lies on one of them.
    static DrawRect Choose(const DrawRect& stored, const std::vector<DrawRect>& monitors,
                           const DrawRect& desktop);
    // The desktop shrunk by kMargin on every side (the desktop itself when
    // that would leave nothing).
    static DrawRect DefaultFor(const DrawRect& desktop);

private:
    static bool Contains(const DrawRect& area, const DrawPoint& point);
};

}  // namespace qb
