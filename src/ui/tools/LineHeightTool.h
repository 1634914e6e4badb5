// "Z par ligne": a click on a line asks for its height once and gives it to every point of the
// line, as a contour line carries one value; one undo action per line.
#pragma once

#include "ui/tools/ClickTool.h"

#include <QCoreApplication>

namespace tracelle::ui {

class LineHeightTool : public ClickTool {
    Q_DECLARE_TR_FUNCTIONS(LineHeightTool)

public:
    // `settled`: the window follows the history.
    LineHeightTool(ToolContext context, std::function<void()> settled)
        : ClickTool(std::move(context)), settled_(std::move(settled)) {}

    void pressed(const ToolEvent& event) override;
    Qt::CursorShape cursor() const override { return Qt::PointingHandCursor; }

private:
    std::function<void()> settled_;
};

} // namespace tracelle::ui
