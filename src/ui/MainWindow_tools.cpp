// The click modes: one tool for each mode button, the tool of the button down receiving the
// mouse.
#include "ui/ImageArea.h"
#include "ui/MainWindow.h"
#include "ui/tools/BrushTool.h"
#include "ui/tools/CapTool.h"
#include "ui/tools/DigitizeTool.h"
#include "ui/tools/FillTool.h"
#include "ui/tools/InertTool.h"
#include "ui/tools/LineHeightTool.h"
#include "ui/tools/PickBorderTool.h"
#include "ui/tools/SurfaceTool.h"
#include "ui/tools/TraceTool.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QToolButton>

namespace tracelle::ui {

ToolContext MainWindow::toolContext() {
    return {project_,
            layer_,
            *imageArea_,
            [this](int panel, const QString& text) { status_[panel]->setText(text); },
            [this] { repaintView(); },
            [this]() -> const picture::Layer& { return barePicture_.of(layer_); }};
}

void MainWindow::creerOutils() {
    const auto add = [this](QToolButton* button, std::unique_ptr<ClickTool> tool) {
        tools_[button] = std::move(tool);
    };
    add(digitaliser_,
        std::make_unique<DigitizeTool>(
            toolContext(), DigitizeHooks{[this] { majStatut(); },
                                         [this](QPoint pixel) {
                                             pointCountChanged(project_.N());
                                             // The band starts again from the new point.
                                             moveBand(pixel.x(), pixel.y());
                                         },
                                         [this] { Redessiner(); }, [this] { apresHistorique(); },
                                         [this] { return aimanter_->isChecked(); }}));
    add(surface_, std::make_unique<SurfaceTool>(toolContext(), [this] { reportNearestLine(); }));
    add(capButton_, std::make_unique<CapTool>(
                        toolContext(), CapLabels{cumulLabel_, stepLabel_, floating_, textPanel_},
                        [this] { DigitaliserClick(); }));
    // The swatches: the picture's own colours, the canvas margins around it being the program's.
    const auto swatches = [this] {
        const auto& picture = layer_.picture();
        if (!picture) return trace::Palette{};
        const int x = layer_.pictureX(), y = layer_.pictureY();
        return trace::dominantColours(overview_,
                                      {x, y, x + picture->width() - 1, y + picture->height() - 1});
    };
    add(traceButton_, std::make_unique<TraceTool>(
                          toolContext(), TraceHooks{swatches, [this] { apresHistorique(); }}));
    add(lineHeightButton_,
        std::make_unique<LineHeightTool>(toolContext(), [this] { apresHistorique(); }));
    ColourTools& c = colour_;
    const auto keepsUndo = [this] { return annulationItem_->isChecked(); };
    add(c.surface,
        std::make_unique<FillTool>(toolContext(), c, measure::FillMode::Surface, keepsUndo));
    add(c.bordered,
        std::make_unique<FillTool>(toolContext(), c, measure::FillMode::Bordered, keepsUndo));
    add(c.pickBorder, std::make_unique<PickBorderTool>(toolContext(), c));
    add(c.brush, std::make_unique<BrushTool>(toolContext(), c, BrushTool::Kind::Brush));
    add(c.eraser, std::make_unique<BrushTool>(toolContext(), c, BrushTool::Kind::Eraser));
    add(c.chooseFill, std::make_unique<InertTool>(toolContext()));
    add(c.threshold, std::make_unique<InertTool>(toolContext()));
    // The tool of the mode left puts away what it showed and gives up what it had under way.
    connect(digitaliser_->group(), &QButtonGroup::buttonToggled, this,
            [this](QAbstractButton* button, bool checked) {
                if (!checked) tools_.at(button)->deactivate();
            });
}

ClickTool& MainWindow::currentTool() const {
    return *tools_.at(digitaliser_->group()->checkedButton());
}

void MainWindow::overviewChanged() {
    for (const auto& [button, tool] : tools_)
        tool->overviewChanged();
}

} // namespace tracelle::ui
