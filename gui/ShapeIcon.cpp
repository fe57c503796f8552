#include "ShapeIcon.h"

#include <QPainter>
#include <algorithm>

#include "CPenInfo.h"
#include "CSchedule.h"
#include "CScheduleStyle.h"
#include "QtDrawContext.h"
#include "ScheduleShape.h"
#include "ShapePainter.h"

namespace qb {
namespace {

constexpr int kMargin = 8;
// Room above and below a bar for its edge and the end decorations.
constexpr int kMaxBar = ShapeIcon::kHeight - 6;

DrawPen PenOf(const CPenInfo& pen) {
    return DrawPen{pen.GetStyle(), pen.GetWidth(), pen.GetColour()};
}

// The schedule that style would make, for the shape routine's size rules.
ScheduleShape ShapeOf(const CScheduleStyle& style) {
    CSchedule schedule;
    schedule.SetScheduleType(style.GetScheduleType());
    schedule.SetSubType(style.GetSubType());
    schedule.SetHeight(std::min(style.GetHeight(), kMaxBar));
    schedule.SetEdgePen(style.GetEdgePen());
    schedule.SetStartEdgeType(style.GetStartEdgeType());
    schedule.SetEndEdgeType(style.GetEndEdgeType());
    ScheduleShape shape = ScheduleShape::FromSchedule(schedule);
    shape.size = std::min(shape.size, kMaxBar);
    return shape;
}

}  // namespace

QPixmap ShapeIcon::Blank() {
    QPixmap pixmap(kWidth, kHeight);
    pixmap.fill(Qt::white);
    return pixmap;
}

QPixmap ShapeIcon::OfShape(const CScheduleStyle& style) {
    QPixmap pixmap = Blank();
    QPainter painter(&pixmap);
    QtDrawContext dc(painter);
    CPenInfo pen = style.GetEdgePen();
    pen.SetWidth(std::min(pen.GetWidth(), kMaxBar));
    dc.SetPen(PenOf(pen));
    dc.SetBrush(DrawBrush::Solid(style.GetBgColor()));
    const ScheduleShape shape = ShapeOf(style);
    const int middle = kHeight / 2;
    if (shape.IsPoint()) {
        ShapePainter().Draw(dc, shape, kWidth / 2, kWidth / 2, middle);
    } else {
        ShapePainter().Draw(dc, shape, kMargin, kWidth - kMargin, middle);
    }
    return pixmap;
}

QPixmap ShapeIcon::OfLine(const CPenInfo* pen, int fromEnd, int toEnd) {
    QPixmap pixmap = Blank();
    if (pen == nullptr)
        return pixmap;
    QPainter painter(&pixmap);
    QtDrawContext dc(painter);
    dc.SetPen(PenOf(*pen));
    dc.SetBrush(DrawBrush::Solid(pen->GetColour()));
    ScheduleShape shape;
    shape.size = pen->GetWidth();
    shape.startEdgeType = fromEnd;
    shape.endEdgeType = toEnd;
    ShapePainter().Draw(dc, shape, kMargin, kWidth - kMargin, kHeight / 2);
    return pixmap;
}

}  // namespace qb
