#include "ui/ImageArea.h"

#include "picture/Stretch.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace tracelle::ui {

ImageArea::ImageArea(QWidget* parent) : QWidget(parent) {
    setObjectName("Image1");
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ImageArea::setLayer(const picture::Raster* layer) {
    layer_ = layer && !layer->empty() ? layer : nullptr;
    update();
}

void ImageArea::setView(const picture::ViewRect& view) {
    view_ = view;
    update();
}

void ImageArea::setBand(std::optional<QLine> band) {
    if (band == band_) return;
    band_ = band;
    update();
}

void ImageArea::setCrossHair(std::optional<QPoint> at) {
    if (at == crossHair_) return;
    crossHair_ = at;
    update();
}

QPointF ImageArea::toArea(QPoint p) const {
    return {(p.x() - view_.x1 + 0.5) * width() / view_.width(),
            (p.y() - view_.y1 + 0.5) * height() / view_.height()};
}

void ImageArea::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!layer_ || view_.width() <= 0 || view_.height() <= 0) {
        painter.fillRect(rect(), kWindowBackground);
        return;
    }
    if (display_.size() != size()) display_ = QImage(size(), QImage::Format_RGB32);
    picture::stretchToRgb32(*layer_, view_.x1, view_.y1, view_.x2, view_.y2,
                            reinterpret_cast<std::uint32_t*>(display_.bits()),
                            static_cast<int>(display_.bytesPerLine() / 4), width(), height(),
                            kWindowBackground.rgb());
    painter.drawImage(0, 0, display_);
    if (crossHair_) {
        // Red in exclusive-or, 18 layer pixels wide, across the whole view.
        const double scale = static_cast<double>(width()) / view_.width();
        const QPointF at = toArea(*crossHair_);
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        painter.setPen(QPen(QColor(255, 0, 0), std::max(1.0, 18 * scale)));
        painter.drawLine(QPointF(at.x(), 0), QPointF(at.x(), height()));
        painter.drawLine(QPointF(0, at.y()), QPointF(width(), at.y()));
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    if (band_) {
        // Yellow in exclusive-or, 4 layer pixels wide, as the band always was.
        const double scale = static_cast<double>(width()) / view_.width();
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        painter.setPen(QPen(QColor(255, 255, 0), std::max(1.0, 4 * scale)));
        painter.drawLine(toArea(band_->p1()), toArea(band_->p2()));
    }
}

void ImageArea::mousePressEvent(QMouseEvent* event) {
    emit pressed(event->button(), event->position().toPoint());
}

void ImageArea::mouseMoveEvent(QMouseEvent* event) {
    emit moved(event->position().toPoint(), event->buttons());
}

void ImageArea::mouseReleaseEvent(QMouseEvent*) {
    emit released();
}

void ImageArea::wheelEvent(QWheelEvent* event) {
    const int notches = event->angleDelta().y() / 120;
    if (notches != 0) emit wheelTurned(notches, event->position().toPoint());
    event->accept();
}

} // namespace tracelle::ui
