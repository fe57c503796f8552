#pragma once

#include <QFont>
#include <vector>

#include "DrawTypes.h"
#include "FontResolver.h"
#include "IDrawContext.h"

class QPainter;
class QPolygon;
class QRect;

namespace qb {

// The draw context on any QPainter: a widget, a QImage, an SVG generator or
// a PDF writer. Coordinates are device pixels; rectangles keep their right
// and bottom edges exclusive, and lines leave out their last point.
//
// The mask mix mode needs raster operations, which only raster targets
// have; vector targets (SVG, PDF) draw those shapes as copies instead, so a
// point-type ring there covers what lies under it rather than darkening it.
class QtDrawContext : public IDrawContext {
public:
    // The painter must be active and outlive the context. States left saved
    // are restored when the context ends, so the painter comes back as it was.
    explicit QtDrawContext(QPainter& painter);
    ~QtDrawContext() override;
    QtDrawContext(const QtDrawContext&) = delete;
    QtDrawContext& operator=(const QtDrawContext&) = delete;

    void SetPen(const DrawPen& pen) override;
    void SetBrush(const DrawBrush& brush) override;
    void SetFont(const DrawFont& font) override;
    void SetTextColour(DrawColour colour) override;
    void SetBackgroundMode(BackgroundMode mode) override;
    void SetBackgroundColour(DrawColour colour) override;
    void SetMixMode(MixMode mode) override;

    void SaveState() override;
    void RestoreState() override;
    void IntersectClip(const DrawRect& rect) override;

    DrawSize MeasureText(std::string_view text) const override;
    void DrawText(std::string_view text, const DrawRect& rect, const TextFormat& format) override;

    void DrawLine(DrawPoint from, DrawPoint to) override;
    void Polyline(std::span<const DrawPoint> points) override;
    void Polygon(std::span<const DrawPoint> points) override;
    void Rectangle(const DrawRect& rect) override;
    void Ellipse(const DrawRect& rect) override;

    void FillRect(const DrawRect& rect, DrawColour colour) override;
    void FrameRect(const DrawRect& rect, DrawColour colour) override;
    void DrawFocusRect(const DrawRect& rect) override;

    // Moves the origin of every later drawing (and clip) by dx, dy pixels,
    // so that a pane painter can draw at its place in a larger picture. It
    // is part of the saved state.
    void Translate(int dx, int dy);

    // Whether the target can combine pixels (mask mix, inverted focus frames).
    bool HasRasterOps() const { return rasterOps_; }
    // The Qt font a draw font becomes here.
    QFont ToQFont(const DrawFont& font);

    static QColor ToQColor(DrawColour colour);

private:
    struct State {
        DrawPen pen;
        DrawBrush brush;
        DrawFont font;
        QFont qfont;
        DrawColour textColour = 0x000000;
        BackgroundMode backgroundMode = BackgroundMode::opaque;
        DrawColour backgroundColour = 0xFFFFFF;
        MixMode mixMode = MixMode::copy;
    };

    void ApplyPen();
    void ApplyBrush();
    void ApplyMix();
    // Pen, brush and mix for shapes, or none of them for the fills.
    void UseShapeDrawing();
    void UsePlainFill();
    void StrokeWithoutLastPoint(std::span<const DrawPoint> points);

    QPainter& painter_;
    FontResolver fonts_;
    bool rasterOps_ = false;
    State state_;
    std::vector<State> saved_;
};

}  // namespace qb
