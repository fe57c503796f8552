#include "QtDrawContext.h"

#include <QFontMetrics>
#include <QPaintEngine>
#include <QPainter>
#include <QPolygon>
#include <algorithm>
#include <cstdlib>

namespace qb {

namespace {

// What a font of height 0 draws as: the usual ruler and chart size.
constexpr int kDefaultFontHeight = 12;

QRect ToQRect(const DrawRect& rect) {
    return QRect(rect.left, rect.top, rect.Width(), rect.Height());
}

QPolygon ToQPolygon(std::span<const DrawPoint> points) {
    QPolygon polygon;
    polygon.reserve(static_cast<qsizetype>(points.size()));
    for (const DrawPoint& point : points) {
        polygon.append(QPoint(point.x, point.y));
    }
    return polygon;
}

Qt::PenStyle ToQtPenStyle(int style) {
    switch (style) {
        case kPenDash:
            return Qt::DashLine;
        case kPenDot:
            return Qt::DotLine;
        case kPenDashDot:
            return Qt::DashDotLine;
        case kPenDashDotDot:
            return Qt::DashDotDotLine;
        case kPenNull:
            return Qt::NoPen;
        default:
            return Qt::SolidLine;
    }
}

int Alignment(const TextFormat& format) {
    int flags = 0;
    switch (format.horizontal) {
        case HorizontalAlign::left:
            flags |= Qt::AlignLeft;
            break;
        case HorizontalAlign::centre:
            flags |= Qt::AlignHCenter;
            break;
        case HorizontalAlign::right:
            flags |= Qt::AlignRight;
            break;
    }
    switch (format.vertical) {
        case VerticalAlign::top:
            flags |= Qt::AlignTop;
            break;
        case VerticalAlign::centre:
            flags |= Qt::AlignVCenter;
            break;
        case VerticalAlign::bottom:
            flags |= Qt::AlignBottom;
            break;
    }
    return flags;
}

int TextFlags(const TextFormat& format) {
    int flags = Alignment(format);
    if (format.singleLine) {
        flags |= Qt::TextSingleLine;
    } else if (format.wordWrap) {
        flags |= Qt::TextWordWrap;
    }
    if (!format.clip) {
        flags |= Qt::TextDontClip;
    }
    return flags;
}

// Line breaks come as CR LF from the stored texts; Qt breaks lines at LF.
QString ToDisplayText(std::string_view text) {
    QString converted = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    converted.remove(QLatin1Char('\r'));
    return converted;
}

// The pixels of a one-pixel frame just inside rect, every second one,
// each listed once so that an inverting draw never cancels itself.
QPolygon DottedFramePoints(const DrawRect& rect) {
    QPolygon points;
    const auto add = [&points](int x, int y) {
        if (((x + y) & 1) == 0) {
            points.append(QPoint(x, y));
        }
    };
    const int lastX = rect.right - 1;
    const int lastY = rect.bottom - 1;
    for (int x = rect.left; x <= lastX; ++x) {
        add(x, rect.top);
        if (lastY != rect.top) {
            add(x, lastY);
        }
    }
    for (int y = rect.top + 1; y < lastY; ++y) {
        add(rect.left, y);
        if (lastX != rect.left) {
            add(lastX, y);
        }
    }
    return points;
}

}  // namespace

QtDrawContext::QtDrawContext(QPainter& painter) : painter_(painter) {
    const QPaintEngine* engine = painter_.paintEngine();
    rasterOps_ = engine != nullptr && engine->hasFeature(QPaintEngine::RasterOpModes);
    painter_.save();
    painter_.setRenderHint(QPainter::Antialiasing, false);
    state_.qfont = ToQFont(state_.font);
    painter_.setFont(state_.qfont);
    SetBackgroundMode(state_.backgroundMode);
    SetBackgroundColour(state_.backgroundColour);
    ApplyPen();
    ApplyBrush();
}

QtDrawContext::~QtDrawContext() {
    for (std::size_t i = 0; i < saved_.size(); ++i) {
        painter_.restore();
    }
    painter_.restore();
}

QColor QtDrawContext::ToQColor(DrawColour colour) {
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

QFont QtDrawContext::ToQFont(const DrawFont& font) {
    QFont qfont(fonts_.Resolve(font.face));
    const long height = std::labs(static_cast<long>(font.height));
    qfont.setPixelSize(height == 0 ? kDefaultFontHeight
                                   : static_cast<int>(std::min(height, 4096L)));
    qfont.setBold((font.styleBits & kFontBold) != 0);
    qfont.setItalic((font.styleBits & kFontItalic) != 0);
    qfont.setUnderline((font.styleBits & kFontUnderline) != 0);
    qfont.setStrikeOut((font.styleBits & kFontStrikeOut) != 0);
    return qfont;
}

void QtDrawContext::SetPen(const DrawPen& pen) {
    state_.pen = pen;
    ApplyPen();
}

void QtDrawContext::SetBrush(const DrawBrush& brush) {
    state_.brush = brush;
    ApplyBrush();
}

void QtDrawContext::SetFont(const DrawFont& font) {
    if (font == state_.font) {
        return;
    }
    state_.font = font;
    state_.qfont = ToQFont(font);
    painter_.setFont(state_.qfont);
}

void QtDrawContext::SetTextColour(DrawColour colour) {
    state_.textColour = colour;
}

void QtDrawContext::SetBackgroundMode(BackgroundMode mode) {
    state_.backgroundMode = mode;
    painter_.setBackgroundMode(mode == BackgroundMode::opaque ? Qt::OpaqueMode
                                                              : Qt::TransparentMode);
}

void QtDrawContext::SetBackgroundColour(DrawColour colour) {
    state_.backgroundColour = colour;
    painter_.setBackground(QBrush(ToQColor(colour)));
}

void QtDrawContext::SetMixMode(MixMode mode) {
    state_.mixMode = mode;
}

void QtDrawContext::SaveState() {
    painter_.save();
    saved_.push_back(state_);
}

void QtDrawContext::RestoreState() {
    if (saved_.empty()) {
        return;
    }
    painter_.restore();
    state_ = saved_.back();
    saved_.pop_back();
}

void QtDrawContext::IntersectClip(const DrawRect& rect) {
    // An empty rectangle must clip everything away, which an empty QRect does.
    const QRect clip = rect.IsEmpty() ? QRect() : ToQRect(rect);
    painter_.setClipRect(clip, painter_.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
}

void QtDrawContext::Translate(int dx, int dy) {
    painter_.translate(dx, dy);
}

DrawSize QtDrawContext::MeasureText(std::string_view text) const {
    const QFontMetrics metrics(state_.qfont, painter_.device());
    const QString display = ToDisplayText(text);
    if (display.isEmpty()) {
        return DrawSize{0, metrics.height()};
    }
    const QSize size = metrics.size(0, display);
    return DrawSize{size.width(), size.height()};
}

void QtDrawContext::DrawText(std::string_view text, const DrawRect& rect,
                             const TextFormat& format) {
    if (format.clip && rect.IsEmpty()) {
        return;
    }
    painter_.save();
    // Text ignores the mix mode, as it always has on the original platform.
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter_.setPen(ToQColor(state_.textColour));
    if (format.clip) {
        IntersectClip(rect);
    }
    painter_.drawText(ToQRect(rect), TextFlags(format), ToDisplayText(text));
    painter_.restore();
}

void QtDrawContext::DrawLine(DrawPoint from, DrawPoint to) {
    const DrawPoint points[] = {from, to};
    StrokeWithoutLastPoint(points);
}

void QtDrawContext::Polyline(std::span<const DrawPoint> points) {
    StrokeWithoutLastPoint(points);
}

void QtDrawContext::Polygon(std::span<const DrawPoint> points) {
    if (points.size() < 2) {
        return;
    }
    UseShapeDrawing();
    painter_.drawPolygon(ToQPolygon(points), Qt::OddEvenFill);
}

void QtDrawContext::Rectangle(const DrawRect& rect) {
    if (rect.IsEmpty()) {
        return;
    }
    UseShapeDrawing();
    const bool outlined = state_.pen.style != kPenNull;
    if (!state_.brush.hollow) {
        // Fill only inside the outline so that a mask mix meets each pixel once.
        const QRect inside = outlined ? ToQRect(rect).adjusted(1, 1, -1, -1) : ToQRect(rect);
        if (!inside.isEmpty()) {
            painter_.fillRect(inside, ToQColor(state_.brush.colour));
        }
    }
    if (outlined) {
        painter_.setBrush(Qt::NoBrush);
        painter_.drawRect(QRect(rect.left, rect.top, rect.Width() - 1, rect.Height() - 1));
        ApplyBrush();
    }
}

void QtDrawContext::Ellipse(const DrawRect& rect) {
    if (rect.IsEmpty()) {
        return;
    }
    UseShapeDrawing();
    painter_.drawEllipse(QRect(rect.left, rect.top, rect.Width() - 1, rect.Height() - 1));
}

void QtDrawContext::FillRect(const DrawRect& rect, DrawColour colour) {
    if (rect.IsEmpty()) {
        return;
    }
    UsePlainFill();
    painter_.fillRect(ToQRect(rect), ToQColor(colour));
}

void QtDrawContext::FrameRect(const DrawRect& rect, DrawColour colour) {
    if (rect.IsEmpty()) {
        return;
    }
    UsePlainFill();
    const QColor qcolour = ToQColor(colour);
    const int width = rect.Width();
    const int height = rect.Height();
    painter_.fillRect(QRect(rect.left, rect.top, width, 1), qcolour);
    if (height > 1) {
        painter_.fillRect(QRect(rect.left, rect.bottom - 1, width, 1), qcolour);
    }
    if (height > 2) {
        painter_.fillRect(QRect(rect.left, rect.top + 1, 1, height - 2), qcolour);
        if (width > 1) {
            painter_.fillRect(QRect(rect.right - 1, rect.top + 1, 1, height - 2), qcolour);
        }
    }
}

void QtDrawContext::DrawFocusRect(const DrawRect& rect) {
    if (rect.IsEmpty()) {
        return;
    }
    painter_.save();
    QPen pen(rasterOps_ ? QColor(Qt::white) : QColor(Qt::black));
    pen.setWidth(1);
    pen.setCosmetic(true);
    painter_.setPen(pen);
    // Inverting lets a second draw take the frame away again; vector targets
    // cannot invert, and there a plain dotted frame is the best they can show.
    painter_.setCompositionMode(rasterOps_ ? QPainter::RasterOp_SourceXorDestination
                                           : QPainter::CompositionMode_SourceOver);
    painter_.drawPoints(DottedFramePoints(rect));
    painter_.restore();
}

void QtDrawContext::ApplyPen() {
    const DrawPen& pen = state_.pen;
    if (pen.style == kPenNull) {
        painter_.setPen(Qt::NoPen);
        return;
    }
    QPen qpen(ToQColor(pen.colour));
    const int width = std::max(pen.width, 1);
    qpen.setWidth(width);
    // Wide pens draw solid whatever their style, as the stored charts expect.
    qpen.setStyle(width > 1 ? Qt::SolidLine : ToQtPenStyle(pen.style));
    // A flat cap leaves out a line's last pixel.
    qpen.setCapStyle(Qt::FlatCap);
    qpen.setJoinStyle(Qt::MiterJoin);
    painter_.setPen(qpen);
}

void QtDrawContext::ApplyBrush() {
    if (state_.brush.hollow) {
        painter_.setBrush(Qt::NoBrush);
    } else {
        painter_.setBrush(ToQColor(state_.brush.colour));
    }
}

void QtDrawContext::ApplyMix() {
    const bool mask = state_.mixMode == MixMode::mask && rasterOps_;
    painter_.setCompositionMode(mask ? QPainter::RasterOp_SourceAndDestination
                                     : QPainter::CompositionMode_SourceOver);
}

void QtDrawContext::UseShapeDrawing() {
    ApplyMix();
}

void QtDrawContext::UsePlainFill() {
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void QtDrawContext::StrokeWithoutLastPoint(std::span<const DrawPoint> points) {
    if (points.size() < 2 || state_.pen.style == kPenNull) {
        return;
    }
    UseShapeDrawing();
    painter_.drawPolyline(ToQPolygon(points));
}

}  // namespace qb
