// Shift and the left button on a digitized point or a calibration cross: it follows the
// mouse, and the whole drag is one step of the history.
#pragma once

#include "model/PointPicking.h"
#include "ui/tools/ClickTool.h"

namespace tracelle::ui {

// The point, the segment or the calibration cross within 6 screen pixels of `position`.
model::Picked pointSousSouris(const model::Project& project, const ImageArea& area,
                              QPoint position);

class PointDragTool : public ClickTool {
public:
    // `redraw` draws the layer's points again; `settled` brings the window up to date once the
    // history changed.
    PointDragTool(ToolContext context, std::function<void()> redraw, std::function<void()> settled)
        : ClickTool(std::move(context)), redraw_(std::move(redraw)), settled_(std::move(settled)) {}

    // Takes the point under the press, when there is one.
    void pressed(const ToolEvent& event) override;
    bool dragging() const { return row_ != 0; }
    bool moved(const ToolEvent& event) override;
    void released(const ToolEvent& event) override;
    // The point goes back where it was.
    bool cancel() override;
    void deactivate() override { cancel(); }
    Qt::CursorShape cursor() const override {
        return dragging() ? Qt::SizeAllCursor : Qt::ArrowCursor;
    }

private:
    void finish(bool keep);

    std::function<void()> redraw_;
    std::function<void()> settled_;
    int row_ = 0; // the point's row, or minus the calibration record's; 0 for none
};

} // namespace tracelle::ui
