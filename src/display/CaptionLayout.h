#pragma once

#include "DrawTypes.h"
#include "ScheduleFields.h"

namespace qb {

// Where a schedule's caption goes, around or inside its bar or marker, and how
// it is aligned there.
class CaptionLayout {
public:
    enum Position { kInside = 0, kAbove = 1, kRight = 2, kBelow = 3, kLeft = 4 };

    // text: the caption's measured size as one block.
    static DrawRect Place(const ScheduleFields& fields, const DrawRect& bar, DrawSize text);
    // Only inside captions run over several lines.
    static TextFormat Format(const ScheduleFields& fields);

private:
    static DrawRect PlaceByBar(const ScheduleFields& fields, const DrawRect& bar, DrawSize text);
    static DrawRect PlaceByMarker(int position, const DrawRect& bar, DrawSize text);
};

}  // namespace qb
