#include "ui/tools/BoxDrag.h"

#include "ui/ImageArea.h"

#include <QRubberBand>

namespace tracelle::ui {

BoxDrag::BoxDrag(ImageArea& area) : band_(new QRubberBand(QRubberBand::Rectangle, &area)) {
    band_->hide();
}

void BoxDrag::begin(const ToolEvent& press) {
    start_ = press;
    stretch(press);
    band_->show();
}

void BoxDrag::stretch(const ToolEvent& move) {
    if (start_) band_->setGeometry(QRect(start_->position, move.position).normalized());
}

trace::Box BoxDrag::end(const ToolEvent& release) {
    const QPoint from = start_ ? start_->pixel : release.pixel;
    cancel();
    return {from.x(), from.y(), release.pixel.x(), release.pixel.y()};
}

bool BoxDrag::cancel() {
    band_->hide();
    const bool was = active();
    start_.reset();
    return was;
}

} // namespace tracelle::ui
