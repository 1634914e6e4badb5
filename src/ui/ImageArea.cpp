#include "ui/ImageArea.h"

#include "picture/Stretch.h"

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

void ImageArea::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!layer_) {
        painter.fillRect(rect(), kWindowBackground);
        return;
    }
    if (display_.size() != size()) display_ = QImage(size(), QImage::Format_RGB32);
    picture::stretchToRgb32(*layer_, 0, 0, layer_->width() - 1, layer_->height() - 1,
                            reinterpret_cast<std::uint32_t*>(display_.bits()),
                            static_cast<int>(display_.bytesPerLine() / 4), width(), height(),
                            kWindowBackground.rgb());
    painter.drawImage(0, 0, display_);
}

void ImageArea::wheelEvent(QWheelEvent* event) {
    const int notches = event->angleDelta().y() / 120;
    if (notches != 0) emit wheelTurned(notches, event->position().toPoint());
    event->accept();
}

} // namespace tracelle::ui
