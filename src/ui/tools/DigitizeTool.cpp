#include "ui/tools/DigitizeTool.h"

#include "model/Project.h"

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
    const int x = event.pixel.x(), y = event.pixel.y();
    project.setSaved(false);
    if (project.K() < 3) {
        project.valide_point_calage(x, y);
        hooks_.calibrationStored();
    } else {
        project.ajoute_point(x, y);
        hooks_.pointStored(event.pixel);
    }
    context_.refreshView();
}

} // namespace tracelle::ui
