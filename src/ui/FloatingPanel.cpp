#include "ui/FloatingPanel.h"

#include <QMouseEvent>
#include <QScreen>
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
    if (QWidget* area = parentWidget(); area && width() > area->width()) {
        // Wider than the window beside the points table: the window widens (within the
        // screen) rather than hide part of the panel.
        QWidget* w = window();
        int room = w->width() + width() - area->width();
        if (const QScreen* screen = w->screen())
            room = std::min(room, screen->availableGeometry().width());
        w->resize(room, w->height());
        if (const QScreen* screen = w->screen();
            screen && w->frameGeometry().right() > screen->availableGeometry().right())
            w->move(screen->availableGeometry().right() - w->frameGeometry().width() + 1, w->y());
        w->raise();
    }
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
