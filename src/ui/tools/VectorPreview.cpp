#include "ui/tools/VectorPreview.h"

#include "ui/ImageArea.h"

#include <QColor>
#include <QEvent>
#include <QPainter>
#include <QPolygonF>

namespace tracelle::ui {

VectorPreview::VectorPreview(ImageArea& area) : QWidget(&area), area_(area) {
    setObjectName("ApercuVectorisation");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    // Follows the area's size; the area's own repaints (pan, zoom) repaint it too.
    area.installEventFilter(this);
    setGeometry(area.rect());
    hide();
}

void VectorPreview::setLines(std::vector<trace::VectorLine> lines) {
    lines_.clear();
    addLines(std::move(lines));
}

void VectorPreview::addLines(std::vector<trace::VectorLine> lines) {
    lines_.insert(lines_.end(), std::make_move_iterator(lines.begin()),
                  std::make_move_iterator(lines.end()));
    setGeometry(area_.rect());
    show();
    raise();
    update();
}

void VectorPreview::clear() {
    lines_.clear();
    hide();
}

bool VectorPreview::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &area_ && event->type() == QEvent::Resize) setGeometry(area_.rect());
    return false;
}

void VectorPreview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    for (std::size_t k = 0; k < lines_.size(); ++k) {
        // Hues a golden angle apart: neighbours in the order of the lines never look alike.
        const int hue = static_cast<int>((k * 137) % 360);
        painter.setPen(QPen(QColor::fromHsv(hue, 255, 220), 2));
        QPolygonF polyline;
        polyline.reserve(static_cast<qsizetype>(lines_[k].points.size()));
        for (const trace::PixelPoint& p : lines_[k].points)
            polyline << area_.toArea({p.x, p.y});
        painter.drawPolyline(polyline);
    }
}

} // namespace tracelle::ui
