#pragma once

#include "DrawTypes.h"

namespace qb {

class IDrawContext;

// The small icons of the row-header pane, drawn as shapes.
class RowIcons {
public:
    enum class Fold { allHidden, folded, expanded };
    static constexpr int kFoldSize = 9;

    // topLeft is the icon's top-left corner.
    static void DrawFold(IDrawContext& dc, DrawPoint topLeft, Fold state);
    // Markers are centred on their positions.
    static void DrawFilterMarker(IDrawContext& dc, DrawPoint at);
    static void DrawSummaryMarker(IDrawContext& dc, DrawPoint at);
};

}  // namespace qb
