// "Vectoriser la couleur", in the tracing panel: every line of one colour of the picture at
// once, worked out beside the window (which stays usable, Esc stops it) and shown over the
// picture as the bands of rows are done, then until the user keeps the lines ("Garder", one
// undo action) or gives them up.
#pragma once

#include "trace/Vectorize.h"
#include "ui/tools/ClickTool.h"
#include "ui/tools/VectorPreview.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>
#include <memory>
#include <optional>
#include <thread>

class QDoubleSpinBox;
class QLabel;
class QProgressBar;
class QPushButton;

namespace tracelle::ui {

// What the tracing panel chooses for both the tracer and the vectorisation.
struct TraceChoices {
    std::optional<trace::Rgb> colour; // the colour under a click when absent
    double tolerance = trace::kDefaultTolerance;
    int gap = trace::kDefaultGap;
};

// The vectorisation itself: trace::vectorize, or a stand-in that a test holds.
using Vectorizer =
    std::function<trace::Vectorized(const picture::Layer&, const trace::VectorizeSettings&,
                                    const trace::VectorizeProgress&, const trace::LinesFound&)>;

class VectorizeSection : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(VectorizeSection)

public:
    // `settled`: the window follows the history.
    VectorizeSection(QWidget* parent, ToolContext context, std::function<TraceChoices()> choices,
                     std::function<void()> settled, Vectorizer vectorizer);
    ~VectorizeSection() override;

    // A click on the picture while the section waits for the colour: true when it took it.
    bool picked(QPoint pixel);
    // Esc or another mode: the work under way, the preview or the wait for a colour given up;
    // true when there was one.
    bool cancel();

private:
    struct Run;

    void vectorizeClicked();
    void start(trace::Rgb colour);
    void finished(const Run& run);
    void keep();
    void idle();

    ToolContext context_;
    std::function<TraceChoices()> choices_;
    std::function<void()> settled_;
    Vectorizer vectorizer_;
    QDoubleSpinBox* minLength_;
    QDoubleSpinBox* simplify_;
    QPushButton* start_;
    QProgressBar* progress_;
    QLabel* count_;
    QPushButton* keep_;
    QPushButton* drop_;
    QPointer<VectorPreview> preview_;
    bool waitingForColour_ = false;
    std::shared_ptr<const picture::Raster> shownOn_; // the picture the preview's lines are on
    std::shared_ptr<Run> run_;
    std::jthread worker_; // last: joined before anything it reports to goes
};

} // namespace tracelle::ui
