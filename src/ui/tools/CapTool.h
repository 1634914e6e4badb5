// "Cap et angle": distances and bearings summed from digitized point to digitized point.
#pragma once

#include "measure/Cap.h"
#include "ui/tools/ClickTool.h"

#include <QCoreApplication>

class QLabel;

namespace tracelle::ui {

class TextPanel;

// The labels the mode writes into; they belong to the window's panels.
struct CapLabels {
    QLabel* cumul = nullptr;    // "cumul", the sum so far
    QLabel* step = nullptr;     // the last step
    QLabel* floating = nullptr; // beside the mouse
    TextPanel* text = nullptr;  // every click's sum, one a line
};

class CapTool : public ClickTool {
    Q_DECLARE_TR_FUNCTIONS(CapTool)

public:
    // `noPoints` is told when a click finds nothing digitized to measure.
    CapTool(ToolContext context, CapLabels labels, std::function<void()> noPoints);

    // A new sequence: the next click is its start.
    void activate() override;
    void deactivate() override;
    void pressed(const ToolEvent& event) override;
    bool moved(const ToolEvent& event) override;
    Band band() const override { return Band::Always; }
    const measure::CapState& state() const { return cap_; }

private:
    CapLabels labels_;
    std::function<void()> noPoints_;
    measure::CapState cap_;
};

} // namespace tracelle::ui
