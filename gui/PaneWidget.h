#pragma once

#include <QWidget>
#include <functional>
#include <string>

namespace qb {

class IDrawContext;

// One pane of the main window (row header, ruler or chart). It only forwards:
// painting goes to a painter function and the text under the mouse comes
// from a hint function, both set by whoever owns the content.
class PaneWidget : public QWidget {
    Q_OBJECT

public:
    // Paints the pane's visible area; the rectangle is in pane pixels.
    using Painter = std::function<void(IDrawContext&, const QRect&)>;
    // The hint for a point of the pane; empty for none.
    using HintSource = std::function<std::string(QPoint)>;
    // A left-button press at a point of the pane.
    using PressHandler = std::function<void(QPoint)>;
    // A turn of the wheel: its angle in eighths of a degree, x for a tilt,
    // and whether Shift was held.
    using WheelHandler = std::function<void(QPoint, bool)>;

    explicit PaneWidget(QWidget* parent = nullptr);

    void SetPainter(Painter painter);
    void SetHintSource(HintSource source);
    void SetPressHandler(PressHandler handler);
    void SetWheelHandler(WheelHandler handler);

signals:
    void HintChanged(const QString& hint);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    Painter painter_;
    HintSource hintSource_;
    PressHandler pressHandler_;
    WheelHandler wheelHandler_;
};

}  // namespace qb
