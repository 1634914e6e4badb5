#include "ui/tools/FillTool.h"

#include "measure/VectorMeasure.h"
#include "platform/Interaction.h"

namespace tracelle::ui {

void FillTool::pressed(const ToolEvent& event) {
    // The zones are painted to be measured: spare the user a painting that cannot be.
    if (const auto refusal = measure::mesureSansSens(context_.project)) {
        platform::interaction().information(*refusal);
        return;
    }
    if (keepsUndo_()) colours_.undo = context_.layer.record();
    colours_.normaliseColours();
    {
        platform::BusyCursor busy;
        measure::fillClick(context_.layer, event.pixel.x(), event.pixel.y(), mode_, colours_.border,
                           colours_.fill);
    }
    context_.refreshView();
}

} // namespace tracelle::ui
