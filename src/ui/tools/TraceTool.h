// "Suivre le trait": a click on a line follows it by its colour; the centreline becomes the
// points of a line at once. Held until the button is let go, the trace is still given up by
// Esc or a right click; kept, it is one undo action. Its panel also vectorises every line of a
// colour at once.
// "Courbe par pas de X" is a choice of its panel rather than a mode of its own: the curve of a
// graph is taken by the same colour (swatches, tolerance), so a user moves from a map's lines
// to a graph's curves without looking for another mode. A box drawn with the mouse then takes
// the curve inside it, one point every X pixels, in one undo action.
#pragma once

#include "trace/Trace.h"
#include "ui/tools/BoxDrag.h"
#include "ui/tools/ClickTool.h"
#include "ui/tools/VectorizeSection.h"

#include <QCoreApplication>
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
    Q_DECLARE_TR_FUNCTIONS(TraceTool)

public:
    // The panel is made over the image area's parent, hidden.
    TraceTool(ToolContext context, TraceHooks hooks);

    void activate() override;
    void deactivate() override;
    void pressed(const ToolEvent& event) override;
    bool moved(const ToolEvent& event) override;
    void released(const ToolEvent& event) override;
    bool cancel() override;
    void overviewChanged() override;
    Qt::CursorShape cursor() const override { return Qt::CrossCursor; }

private:
    void showSwatches();
    void place();
    void finish(bool keep);
    void takeCurve(trace::Box box);

    TraceHooks hooks_;
    QFrame* panel_;
    QDoubleSpinBox* tolerance_;
    QSpinBox* gap_;
    QDoubleSpinBox* spacing_;
    QCheckBox* simplify_;
    QDoubleSpinBox* simplifyDistance_;
    QHBoxLayout* swatches_;
    QButtonGroup* swatchGroup_;
    QCheckBox* byXStep_;
    QSpinBox* xStep_;
    BoxDrag box_;
    VectorizeSection* vectorizeSection_;
    std::optional<trace::Rgb> chosen_; // the colour under the click when absent
    bool tracing_ = false;
};

} // namespace tracelle::ui
