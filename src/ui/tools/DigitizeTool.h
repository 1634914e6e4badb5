// "Digitaliser": a click stores a calibration point while the calibration is incomplete,
// then a point of the current line, moved onto the centre of a line near it when snapping. Shift
// and a drag move a point or a calibration cross.
#pragma once

#include "ui/tools/ClickTool.h"
#include "ui/tools/PointDragTool.h"

namespace tracelle::ui {

// What the window does after a digitizing click.
struct DigitizeHooks {
    std::function<void()> calibrationStored; // the prompts and counts follow
    std::function<void(QPoint pixel)> pointStored;
    std::function<void()> redraw;  // the layer's points drawn again (during a drag)
    std::function<void()> settled; // after a drag: the window follows the history
    std::function<bool()> snaps;   // "Aimanter les clics" is checked
};

class DigitizeTool : public ClickTool {
public:
    DigitizeTool(ToolContext context, DigitizeHooks hooks);

    // The next click is a further control point, its values to be typed in the grid.
    void armControlPoint() { controlPointArmed_ = true; }
    void deactivate() override {
        controlPointArmed_ = false;
        drag_.deactivate();
    }
    void pressed(const ToolEvent& event) override;
    bool moved(const ToolEvent& event) override { return drag_.moved(event); }
    void released(const ToolEvent& event) override { drag_.released(event); }
    bool cancel() override { return drag_.cancel(); }
    Qt::CursorShape cursor() const override { return drag_.cursor(); }
    Band band() const override { return Band::WithLines; }
    // Snapping on, a click within a few pixels of a line lands on its centre.
    QPoint aimAt(QPoint pixel) const override;

private:
    DigitizeHooks hooks_;
    PointDragTool drag_;
    bool controlPointArmed_ = false;
};

} // namespace tracelle::ui
