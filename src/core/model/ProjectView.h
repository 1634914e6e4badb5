// What the project asks of the windows that show it. Every hook does nothing by default,
// so the model runs, and is tested, without any window.
#pragma once

#include <string>

namespace tracelle::model {

enum class TableId { Points, Calibration, Lines };

class ProjectView {
public:
    virtual ~ProjectView() = default;

    // Status bar panel 0 (mouse X Y), 1 (line and point, prompts) or 2 (values).
    virtual void showStatus(int /*panel*/, const std::string& /*text*/) {}
    virtual void selectRow(TableId, int /*row*/) {}
    // The selected row of the points grid when the points table window is active, else -1.
    virtual int activePointsTableRow() const { return -1; }
    // After a deletion from the active points table: `row` selected again, as the point now there.
    virtual void restorePointsSelection(int /*row*/) {}
    virtual void showPointsGrid() {}
    virtual void showPointsTable() {}
    virtual void pointCountChanged(int /*n*/) {}
    // The project became saved, or has unsaved changes.
    virtual void savedChanged(bool /*saved*/) {}

    // Drawing on the overlay and repainting the view.
    virtual void drawPoint(int /*row*/) {}
    virtual void drawCalibrationCross(int /*x*/, int /*y*/) {}
    virtual void redrawOverlay() {}
    virtual void redrawWithoutZones() {}
    virtual void eraseRubberBand() {}
    virtual void repaintView() {}
    virtual void replayMouseMove() {}
};

} // namespace tracelle::model
