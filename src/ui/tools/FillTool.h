// "Colorer la surface" and "Colorer la surf. bordée": a click fills a zone of the layer.
#pragma once

#include "ui/tools/ClickTool.h"
#include "ui/tools/ColourTools.h"

namespace tracelle::ui {

class FillTool : public ClickTool {
public:
    // `keepsUndo` tells whether the layer before each fill is kept ("une annulation colorée").
    FillTool(ToolContext context, ColourTools& colours, measure::FillMode mode,
             std::function<bool()> keepsUndo)
        : ClickTool(std::move(context)), colours_(colours), mode_(mode),
          keepsUndo_(std::move(keepsUndo)) {}

    void pressed(const ToolEvent& event) override;

private:
    ColourTools& colours_;
    measure::FillMode mode_;
    std::function<bool()> keepsUndo_;
};

} // namespace tracelle::ui
