#pragma once

#include "DrawTypes.h"

namespace qb {

class CRuler;
class CDisplayModel;
class DisplaySettings;

// What drawing needs besides the draw context. Objects draw in chart
// coordinates; the painter hands them a context that applies the scroll.
struct GuiDrawArgs {
    const CDisplayModel* model = nullptr;
    const CRuler* ruler = nullptr;
    const DisplaySettings* settings = nullptr;
    // The part of the chart being painted, in chart coordinates: objects
    // outside it are skipped.
    DrawRect visible;
    bool summaryMode = false;
    // Rows write their object id after the caption.
    bool showObjectId = false;
    // A cell of the column area is current: rows draw no focus rectangle.
    bool cellCurrent = false;
};

}  // namespace qb
