#include "ui/tools/PointDragTool.h"

#include "model/Project.h"
#include "ui/ImageArea.h"

namespace tracelle::ui {

model::Picked pointSousSouris(const model::Project& project, const ImageArea& area,
                              QPoint position) {
    const QPoint pixel = area.toLayer(position);
    // 6 pixels of the screen, in pixels of the picture at the present zoom.
    const double perScreenPixel =
        static_cast<double>(area.shown().width()) / std::max(area.width(), 1);
    return model::pointSous(project, pixel.x(), pixel.y(), 6 * std::max(perScreenPixel, 1e-9));
}

void PointDragTool::pressed(const ToolEvent& event) {
    const model::Picked picked = pointSousSouris(context_.project, context_.area, event.position);
    if (picked.kind != model::Picked::Point && picked.kind != model::Picked::Calage) return;
    row_ = picked.kind == model::Picked::Point ? picked.row : -picked.row;
    context_.project.history().beginLongAction();
    context_.area.setCursor(cursor());
}

bool PointDragTool::moved(const ToolEvent& event) {
    if (!dragging() || !(event.buttons & Qt::LeftButton)) return false;
    const QPoint pixel = event.pixel;
    if (row_ > 0)
        context_.project.deplacePoint(row_, pixel.x(), pixel.y());
    else
        context_.project.deplaceCalage(-row_, pixel.x(), pixel.y());
    redraw_();
    return true;
}

void PointDragTool::released(const ToolEvent&) {
    if (dragging()) finish(true);
}

bool PointDragTool::cancel() {
    if (!dragging()) return false;
    finish(false);
    return true;
}

void PointDragTool::finish(bool keep) {
    if (keep)
        context_.project.history().endLongAction();
    else
        context_.project.history().cancelLongAction();
    row_ = 0;
    context_.area.unsetCursor();
    settled_();
}

} // namespace tracelle::ui
