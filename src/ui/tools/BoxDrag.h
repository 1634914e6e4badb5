// A box drawn on the image area: pressed at one corner, dragged, let go at the other; a rubber
// band shows it meanwhile, over the view and never in the picture.
#pragma once

#include "trace/Trace.h"
#include "ui/tools/ClickTool.h"

#include <optional>

class QRubberBand;

namespace tracelle::ui {

class BoxDrag {
public:
    explicit BoxDrag(ImageArea& area);

    void begin(const ToolEvent& press);
    bool active() const { return start_.has_value(); }
    void stretch(const ToolEvent& move);
    // The box from the press to `release`, in layer pixels; the band is put away.
    trace::Box end(const ToolEvent& release);
    // The box under way is given up; false when there was none.
    bool cancel();

private:
    QRubberBand* band_;
    std::optional<ToolEvent> start_;
};

} // namespace tracelle::ui
