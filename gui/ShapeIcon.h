#pragma once

#include <QPixmap>
#include <QSize>

namespace qb {

class CPenInfo;
class CScheduleStyle;

// Small pictures of a shape or a link line for lists and the palette bar,
// drawn by the chart's own shape routine so that they look like the chart.
class ShapeIcon {
public:
    static constexpr int kWidth = 56;
    static constexpr int kHeight = 22;

    // The shape across the picture (a point marker in its middle); bars
    // taller than the picture are drawn as tall as it allows.
    static QPixmap OfShape(const CScheduleStyle& style);
    // A link line with its end decorations; a null pen draws nothing.
    static QPixmap OfLine(const CPenInfo* pen, int fromEnd, int toEnd);

private:
    static QPixmap Blank();
};

}  // namespace qb
