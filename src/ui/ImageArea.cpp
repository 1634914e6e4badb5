#include "ui/ImageArea.h"

#include "picture/Stretch.h"
#include "ui/OpeningTimes.h"
#include "ui/SegmentClip.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace tracelle::ui {

ImageArea::ImageArea(QWidget* parent) : QWidget(parent) {
    setObjectName("ImageCarte");
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ImageArea::setLayer(picture::Layer* layer, picture::Overview* overview) {
    layer_ = layer && !layer->empty() ? layer : nullptr;
    overview_ = overview;
    displayStale_ = true;
    update();
}

void ImageArea::setView(const picture::ViewRect& view) {
    view_ = view;
    displayStale_ = true;
    update();
}

void ImageArea::showArrivedRows() {
    arrivedStale_ = true;
    update(0, finalRows_, width(), height() - finalRows_);
}

void ImageArea::resizeEvent(QResizeEvent*) {
    displayStale_ = true;
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

picture::ViewRect ImageArea::shown() const {
    return picture::squarePixels(view_, width(), height());
}

QPoint ImageArea::toLayer(QPoint position) const {
    int x = 0, y = 0;
    picture::repere_image_bitmap(position.x(), position.y(), shown(), width(), height(), x, y);
    return {x, y};
}

QPointF ImageArea::toArea(QPoint p) const {
    const picture::ViewRect s = shown();
    return {(p.x() - s.x1 + 0.5) * width() / s.width(),
            (p.y() - s.y1 + 0.5) * height() / s.height()};
}

void ImageArea::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!layer_ || view_.width() <= 0 || view_.height() <= 0) {
        painter.fillRect(rect(), kWindowBackground);
        return;
    }
    const picture::ViewRect s = shown();
    if (display_.size() != size()) {
        display_ = QImage(size(), QImage::Format_RGB32);
        displayStale_ = true;
    }
    if (displayStale_ || arrivedStale_) {
        layer_->takeArrived(); // the rows of a picture still being decoded
        // What was drawn reaches the overview when a view shows it; views closer in (every
        // digitizing click) leave the tiles drawn to take in later.
        if (displayStale_ && overview_ &&
            picture::Overview::shows(static_cast<double>(s.width()) / width()))
            overview_->update(*layer_);
        finalRows_ = picture::stretchToRgb32(*layer_, overview_, s.x1, s.y1, s.x2, s.y2,
                                             reinterpret_cast<std::uint32_t*>(display_.bits()),
                                             static_cast<int>(display_.bytesPerLine() / 4), width(),
                                             height(), kWindowBackground.rgb(),
                                             displayStale_ ? 0 : finalRows_);
        displayStale_ = arrivedStale_ = false;
    }
    painter.drawImage(0, 0, display_);
    if (layer_->rowsArrived() > 0 || (layer_->arrival() && layer_->arrival()->preview().raster))
        openingTimes::pictureShown();
    if (crossHair_) {
        // Red in exclusive-or, 18 layer pixels wide, across the whole view.
        const double scale = static_cast<double>(width()) / s.width();
        const QPointF at = toArea(*crossHair_);
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        painter.setPen(QPen(QColor(255, 0, 0), std::max(1.0, 18 * scale)));
        painter.drawLine(QPointF(at.x(), 0), QPointF(at.x(), height()));
        painter.drawLine(QPointF(0, at.y()), QPointF(width(), at.y()));
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    if (band_) {
        // Yellow in exclusive-or, 4 layer pixels wide, as the band always was.
        const double scale = static_cast<double>(width()) / s.width();
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        painter.setPen(QPen(QColor(255, 255, 0), std::max(1.0, 4 * scale)));
        const double reach = 4 * scale + 2;
        if (const auto band = clipSegment(QLineF(toArea(band_->p1()), toArea(band_->p2())),
                                          QRectF(rect()).adjusted(-reach, -reach, reach, reach)))
            painter.drawLine(*band);
    }
}

void ImageArea::mousePressEvent(QMouseEvent* event) {
    emit pressed(event->button(), event->position().toPoint(), event->modifiers());
}

void ImageArea::mouseMoveEvent(QMouseEvent* event) {
    emit moved(event->position().toPoint(), event->buttons());
}

void ImageArea::mouseReleaseEvent(QMouseEvent* event) {
    emit released(event->button(), event->position().toPoint());
}

void ImageArea::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    emit left();
}

void ImageArea::wheelEvent(QWheelEvent* event) {
    const int notches = wheel_.add(event->angleDelta().y());
    if (notches != 0) emit wheelTurned(notches, event->position().toPoint());
    event->accept();
}

} // namespace tracelle::ui
