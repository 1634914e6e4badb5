#include "ui/ImageArea.h"

#include <QPainter>
#include <QWheelEvent>

namespace tracelle::ui {

ImageArea::ImageArea(QWidget* parent) : QWidget(parent) {
    setObjectName("Image1");
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ImageArea::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kWindowBackground);
}

void ImageArea::wheelEvent(QWheelEvent* event) {
    const int notches = event->angleDelta().y() / 120;
    if (notches != 0) emit wheelTurned(notches, event->position().toPoint());
    event->accept();
}

} // namespace tracelle::ui
