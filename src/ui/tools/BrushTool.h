// The brush and the eraser: strokes on the layer in the border or the fill colour.
#pragma once

#include "ui/tools/ClickTool.h"
#include "ui/tools/ColourTools.h"

namespace tracelle::ui {

class BrushTool : public ClickTool {
public:
    enum class Kind { Brush, Eraser };
    BrushTool(ToolContext context, ColourTools& colours, Kind kind)
        : ClickTool(std::move(context)), colours_(colours), kind_(kind) {}

    void pressed(const ToolEvent& event) override;
    bool moved(const ToolEvent& event) override;
    void released(const ToolEvent& event) override;
    void deactivate() override { stroking_ = false; }

private:
    void paint(const ToolEvent& event, bool first);

    ColourTools& colours_;
    Kind kind_;
    bool stroking_ = false;
};

} // namespace tracelle::ui
