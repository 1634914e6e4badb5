// "Suivre le trait": a click on a line follows it by its colour; the centreline becomes the
// points of a line at once. Held until the button is let go, the trace is still given up by
// Esc or a right click; kept, it is one undo action. Its panel also vectorises every line of a
// colour at once.
#pragma once

#include "trace/Trace.h"
#include "ui/tools/ClickTool.h"
#include "ui/tools/VectorizeSection.h"

#include <optional>

class QButtonGroup;
class QCheckBox;
class QDoubleSpinBox;
class QFrame;
class QHBoxLayout;
class QSpinBox;

namespace tracelle::ui {

// What the window does around a trace.
struct TraceHooks {
    std::function<trace::Palette()> palette; // the picture's main colours, for the swatches
    std::function<void()> settled;           // the window follows the history
    Vectorizer vectorize = trace::vectorize; // "Vectoriser la couleur"
};

class TraceTool : public ClickTool {
public:
    // The panel is made over the image area's parent, hidden.
    TraceTool(ToolContext context, TraceHooks hooks);

    void activate() override;
    void deactivate() override;
    void pressed(const ToolEvent& event) override;
    void released(const ToolEvent& event) override;
    bool cancel() override;
    Qt::CursorShape cursor() const override { return Qt::CrossCursor; }

private:
    void showSwatches();
    void finish(bool keep);

    TraceHooks hooks_;
    QFrame* panel_;
    QDoubleSpinBox* tolerance_;
    QSpinBox* gap_;
    QDoubleSpinBox* spacing_;
    QCheckBox* simplify_;
    QDoubleSpinBox* simplifyDistance_;
    QHBoxLayout* swatches_;
    QButtonGroup* swatchGroup_;
    VectorizeSection* vectorizeSection_;
    std::optional<trace::Rgb> chosen_; // the colour under the click when absent
    bool tracing_ = false;
};

} // namespace tracelle::ui
