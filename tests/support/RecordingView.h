// A ProjectView that records what the project asked of the windows.
#pragma once

#include "model/ProjectView.h"

#include <string>
#include <vector>

namespace tracelle::testing {

struct RecordingView : model::ProjectView {
    std::vector<std::string> calls;
    std::string status[3];
    int activeRow = -1; // the points table window is not active
    int count = -1;

    void showStatus(int panel, const std::string& text) override { status[panel] = text; }
    void selectRow(model::TableId t, int row) override {
        calls.push_back("select " + std::to_string(static_cast<int>(t)) + " " +
                        std::to_string(row));
    }
    int activePointsTableRow() const override { return activeRow; }
    void restorePointsSelection(int row) override {
        calls.push_back("restore selection " + std::to_string(row));
    }
    void showPointsGrid() override { calls.push_back("points grid"); }
    void pointCountChanged(int n) override { count = n; }
    void drawPoint(int row) override { calls.push_back("draw " + std::to_string(row)); }
    void drawCalibrationCross(int x, int y) override {
        calls.push_back("cross " + std::to_string(x) + " " + std::to_string(y));
    }
    void redrawOverlay() override { calls.push_back("overlay"); }
    void redrawWithoutZones() override { calls.push_back("redraw"); }
    void eraseRubberBand() override { calls.push_back("erase band"); }
    void repaintView() override { calls.push_back("repaint"); }
    void replayMouseMove() override { calls.push_back("mouse move"); }
};

} // namespace tracelle::testing
