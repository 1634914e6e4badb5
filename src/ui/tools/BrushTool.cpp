#include "ui/tools/BrushTool.h"

namespace tracelle::ui {

void BrushTool::pressed(const ToolEvent& event) {
    colours_.normaliseColours();
    paint(event, true);
    stroking_ = true;
}

bool BrushTool::moved(const ToolEvent& event) {
    // The right button alone pans the picture even during a stroke.
    if (!stroking_ || event.buttons == Qt::RightButton) return false;
    paint(event, false);
    return true;
}

void BrushTool::released(const ToolEvent&) {
    stroking_ = false;
}

void BrushTool::paint(const ToolEvent& event, bool first) {
    picture::Layer& layer = context_.layer;
    const int x = event.pixel.x(), y = event.pixel.y();
    // The press and the drag that follows paint differently (a brush click toggles its pixel).
    const auto stroke = kind_ == Kind::Brush ? (first ? measure::brushClick : measure::brushDrag)
                                             : (first ? measure::eraserClick : measure::eraserDrag);
    stroke(layer, x, y, kind_ == Kind::Brush ? colours_.border : colours_.fill);
    context_.refreshView();
}

} // namespace tracelle::ui
