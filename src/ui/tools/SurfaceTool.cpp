#include "ui/tools/SurfaceTool.h"

#include "model/Project.h"

namespace tracelle::ui {

void SurfaceTool::pressed(const ToolEvent& event) {
    context_.project.setMousePosition({event.pixel.x(), event.pixel.y()});
    report_();
}

} // namespace tracelle::ui
