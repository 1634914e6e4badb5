#include "ui/FloatingPanel.h"

#include <QMouseEvent>

namespace tracelle::ui {

FloatingPanel::FloatingPanel(const QString& objectName, const QColor& colour, QWidget* parent)
    : QFrame(parent) {
    setObjectName(objectName);
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setLineWidth(2);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
    hide();
}

void FloatingPanel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        dragging_ = true;
        dragStart_ = event->globalPosition().toPoint();
        raise();
    }
}

void FloatingPanel::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_ || event->buttons() == Qt::NoButton) return;
    const QPoint now = event->globalPosition().toPoint();
    move(pos() + now - dragStart_);
    dragStart_ = now;
}

void FloatingPanel::mouseReleaseEvent(QMouseEvent*) {
    dragging_ = false;
}

} // namespace tracelle::ui
