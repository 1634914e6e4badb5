// "Surface": a click reports the length and area of the line nearest to it.
#pragma once

#include "ui/tools/ClickTool.h"

namespace tracelle::ui {

class SurfaceTool : public ClickTool {
public:
    // `report` measures the line nearest the mouse position held by the project.
    SurfaceTool(ToolContext context, std::function<void()> report)
        : ClickTool(std::move(context)), report_(std::move(report)) {}

    void pressed(const ToolEvent& event) override;

private:
    std::function<void()> report_;
};

} // namespace tracelle::ui
