#pragma once

#include <vector>

#include "LoadBuffer.h"

namespace qb {

class ICanvasGesture;
class TimeScale;

// What a drag under way does to the load graph: a moved or resized bar
// counts where it would land instead of where it lies, a bar being drawn
// counts already, and a copy leaves its original counted. The spans go to
// the graph beside the model's (a negative weight takes a source out).
class GestureLoad {
public:
    static std::vector<LoadSpan> Spans(const ICanvasGesture* gesture, const TimeScale& scale,
                                       bool shownOnly);
};

}  // namespace qb
