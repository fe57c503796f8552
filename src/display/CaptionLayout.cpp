#include "CaptionLayout.h"

namespace qb {

namespace {

// Room kept clear for the arrowheads and circles at a line's ends.
constexpr int kEdgeRoom = 5;
constexpr int kMarkerMargin = 5;

}  // namespace

DrawRect CaptionLayout::Place(const ScheduleFields& fields, const DrawRect& bar, DrawSize text) {
    if (fields.IsPoint()) {
        return PlaceByMarker(fields.captionPosition, bar, text);
    }
    return PlaceByBar(fields, bar, text);
}

DrawRect CaptionLayout::PlaceByBar(const ScheduleFields& fields, const DrawRect& bar,
                                   DrawSize text) {
    const int edgeRoom = fields.shape.HasEdges() ? kEdgeRoom : 0;
    switch (fields.captionPosition) {
        case kAbove:
            return DrawRect{bar.left, bar.top - 2 - text.height - edgeRoom, bar.right,
                            bar.top - 2 - edgeRoom};
        case kRight:
            return DrawRect{bar.right + 3, bar.top, bar.right + 3 + text.width, bar.bottom};
        case kBelow:
            return DrawRect{bar.left, bar.bottom + 2 + edgeRoom, bar.right,
                            bar.bottom + text.height + edgeRoom};
        case kLeft:
            return DrawRect{bar.left - 3 - text.width, bar.top, bar.left, bar.bottom};
        default:
            return DrawRect{bar.left + 2, bar.top + 1, bar.right - 1, bar.bottom - 1};
    }
}

DrawRect CaptionLayout::PlaceByMarker(int position, const DrawRect& bar, DrawSize text) {
    DrawRect r{bar.left - kMarkerMargin, bar.top - kMarkerMargin, bar.right + kMarkerMargin,
               bar.bottom + kMarkerMargin};
    switch (position) {
        case kAbove:
            r.top = bar.top - text.height - 5;
            r.bottom = bar.top - 5;
            break;
        case kRight:
            r.left = bar.right + 6;
            r.right = r.left + text.width;
            break;
        case kBelow:
            r.top = bar.bottom + 6;
            r.bottom = bar.bottom + text.height + 5;
            break;
        case kLeft:
            r.right = bar.left - 6;
            r.left = r.right - text.width;
            break;
        default:
            break;
    }
    return r;
}

TextFormat CaptionLayout::Format(const ScheduleFields& fields) {
    TextFormat format;
    format.horizontal = fields.captionHAlign == 0   ? HorizontalAlign::left
                        : fields.captionHAlign == 2 ? HorizontalAlign::right
                                                    : HorizontalAlign::centre;
    format.vertical = fields.captionVAlign == 0   ? VerticalAlign::top
                      : fields.captionVAlign == 2 ? VerticalAlign::bottom
                                                  : VerticalAlign::centre;
    const bool inside = fields.captionPosition == kInside;
    format.singleLine = !inside;
    // Captions outside the bar are measured to fit, and may overhang their
    // box by the few pixels the layout leaves short.
    format.clip = inside;
    return format;
}

}  // namespace qb
