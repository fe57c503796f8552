#include "PaneWidget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>

#include "QtDrawContext.h"

namespace qb {

PaneWidget::PaneWidget(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    // Every pixel is painted each time, so Qt need not clear first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PaneWidget::SetPainter(Painter painter) {
    painter_ = std::move(painter);
    update();
}

void PaneWidget::SetHintSource(HintSource source) {
    hintSource_ = std::move(source);
}

void PaneWidget::SetPressHandler(PressHandler handler) {
    pressHandler_ = std::move(handler);
}

void PaneWidget::SetWheelHandler(WheelHandler handler) {
    wheelHandler_ = std::move(handler);
}

void PaneWidget::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (painter_) {
        QtDrawContext dc(painter);
        painter_(dc, rect());
    }
}

void PaneWidget::mouseMoveEvent(QMouseEvent* event) {
    const std::string hint = hintSource_ ? hintSource_(event->position().toPoint()) : std::string();
    const QString text = QString::fromStdString(hint);
    // Qt shows a new tip only when the mouse rests; one already open would
    // otherwise keep the text of the object the mouse has left.
    if (text != toolTip() && QToolTip::isVisible()) {
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(event->globalPosition().toPoint(), text, this);
    }
    setToolTip(text);
    emit HintChanged(text);
    QWidget::mouseMoveEvent(event);
}

void PaneWidget::mousePressEvent(QMouseEvent* event) {
    if (pressHandler_ && event->button() == Qt::LeftButton) {
        pressHandler_(event->position().toPoint());
    }
    QWidget::mousePressEvent(event);
}

void PaneWidget::wheelEvent(QWheelEvent* event) {
    if (!wheelHandler_) {
        QWidget::wheelEvent(event);
        return;
    }
    wheelHandler_(event->angleDelta(), event->modifiers().testFlag(Qt::ShiftModifier));
    event->accept();
}

void PaneWidget::leaveEvent(QEvent* event) {
    emit HintChanged(QString());
    QWidget::leaveEvent(event);
}

}  // namespace qb
