// "Choix couleur de bord": a click on the picture takes the border colour under it.
#pragma once

#include "ui/tools/ClickTool.h"
#include "ui/tools/ColourTools.h"

#include <QCoreApplication>

class QLabel;

namespace tracelle::ui {

class PickBorderTool : public ClickTool {
    Q_DECLARE_TR_FUNCTIONS(PickBorderTool)

public:
    // The label is made over the image area's parent, hidden.
    PickBorderTool(ToolContext context, ColourTools& colours);

    // The label " prélever la couleur de bordure" waits at the button's left edge, at the
    // bottom of the picture, until the mouse moves; then it follows the mouse.
    void activate() override;
    void deactivate() override;
    void pressed(const ToolEvent& event) override;
    bool moved(const ToolEvent& event) override;

private:
    ColourTools& colours_;
    QLabel* picker_; // owned by the image area's parent
};

} // namespace tracelle::ui
