#include "ui/tools/DigitizeTool.h"

#include "model/Project.h"
#include "trace/Trace.h"

namespace tracelle::ui {

DigitizeTool::DigitizeTool(ToolContext context, DigitizeHooks hooks)
    : ClickTool(context), hooks_(std::move(hooks)), drag_(context, hooks_.redraw, hooks_.settled) {}

void DigitizeTool::pressed(const ToolEvent& event) {
    if (event.modifiers & Qt::ShiftModifier) {
        // Shift on a point takes it to be moved, not a new point.
        drag_.pressed(event);
        if (drag_.dragging()) return;
    }
    model::Project& project = context_.project;
    const QPoint pixel = aimAt(event.pixel);
    const int x = pixel.x(), y = pixel.y();
    project.setSaved(false);
    if (controlPointArmed_ && project.isCalibrated()) {
        controlPointArmed_ = false;
        // Given the values the fit finds there, until the user types the true ones.
        model::Real X = 0, Y = 0;
        project.repere_carte(x, y, X, Y);
        project.addControlPoint(x, y, X, Y, 0);
        project.view().selectRow(model::TableId::Calibration, project.controlPointCount());
        hooks_.calibrationStored();
    } else if (project.K() < 3) {
        project.valide_point_calage(x, y);
        hooks_.calibrationStored();
    } else {
        project.ajoute_point(x, y);
        hooks_.pointStored(pixel);
    }
    context_.refreshView();
}

QPoint DigitizeTool::aimAt(QPoint pixel) const {
    if (!hooks_.snaps || !hooks_.snaps()) return pixel;
    const auto onLine = trace::snapToLine(context_.picture(), {pixel.x(), pixel.y()});
    return onLine ? QPoint(onLine->x, onLine->y) : pixel;
}

} // namespace tracelle::ui
