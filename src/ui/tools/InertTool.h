// A mode whose clicks on the picture do nothing ("Choix couleur de fond", the grey threshold):
// its work is done by its button.
#pragma once

#include "ui/tools/ClickTool.h"

namespace tracelle::ui {

class InertTool : public ClickTool {
public:
    using ClickTool::ClickTool;
    void pressed(const ToolEvent&) override {}
};

} // namespace tracelle::ui
