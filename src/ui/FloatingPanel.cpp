#include "ui/FloatingPanel.h"

#include <QMouseEvent>
#include <algorithm>

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

void FloatingPanel::showEvent(QShowEvent* event) {
    QFrame::showEvent(event);
    if (const QWidget* area = parentWidget()) {
        const int x = std::clamp(pos().x(), 0, std::max(0, area->width() - width()));
        const int y = std::clamp(pos().y(), 0, std::max(0, area->height() - height()));
        move(x, y);
    }
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
