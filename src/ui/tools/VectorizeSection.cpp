#include "ui/tools/VectorizeSection.h"

#include "model/NumberText.h"
#include "model/Project.h"
#include "platform/Interaction.h"
#include "ui/ImageArea.h"
#include "ui/tools/VectorPreview.h"

#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <atomic>

namespace tracelle::ui {

namespace {

constexpr int kSteps = 1000; // of the progress bar

QDoubleSpinBox* pixelsBox(QWidget* parent, const char* name, double value, double min,
                          const char* tip) {
    auto* box = new QDoubleSpinBox(parent);
    box->setObjectName(name);
    box->setRange(min, 1000);
    box->setDecimals(1);
    box->setValue(value);
    box->setToolTip(VectorizeSection::tr(tip));
    return box;
}

// `one` and `many` hold %1 for the count.
QString plural(std::size_t n, const char* one, const char* many) {
    return VectorizeSection::tr(n > 1 ? many : one)
        .arg(QString::fromStdString(model::texte_milliers(static_cast<model::Real>(n), 0, 0)));
}

} // namespace

struct VectorizeSection::Run {
    // The bare picture, not the layer: what is drawn over it (the project's own points and
    // lines) is no line of the map, and the layer may be drawn into while the work goes on.
    picture::Layer bare;
    trace::VectorizeSettings settings;
    trace::Vectorized found;
    std::atomic<int> shown{-1}; // the last step of the bar reported
};

VectorizeSection::VectorizeSection(QWidget* parent, ToolContext context,
                                   std::function<TraceChoices()> choices,
                                   std::function<void()> settled, Vectorizer vectorizer)
    : QWidget(parent), context_(std::move(context)), choices_(std::move(choices)),
      settled_(std::move(settled)), vectorizer_(std::move(vectorizer)),
      preview_(new VectorPreview(context_.area)) {
    setObjectName("SectionVectoriser");
    minLength_ = pixelsBox(this, "LongueurMinVectoriser", trace::kDefaultMinLength, 0,
                           QT_TR_NOOP("les traits plus courts (points, lettres, hachures) sont "
                                      "laissés (pixels)"));
    simplify_ = pixelsBox(this, "SimplificationVectoriser", trace::kDefaultSimplify, 0.5,
                          QT_TR_NOOP("écart maximal des lignes au trait (pixels)"));
    start_ = new QPushButton(tr("Vectoriser la couleur"), this);
    start_->setToolTip(tr("tous les traits de la couleur choisie, d'un coup"));
    progress_ = new QProgressBar(this);
    progress_->setRange(0, kSteps);
    progress_->setObjectName("ProgressionVectoriser");
    count_ = new QLabel(this);
    count_->setObjectName("CompteVectorisation");
    keep_ = new QPushButton(tr("Garder"), this);
    drop_ = new QPushButton(tr("Abandonner"), this);
    auto* answer = new QHBoxLayout;
    answer->addWidget(keep_);
    answer->addWidget(drop_);
    auto* form = new QFormLayout(this);
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow(tr("longueur min."), minLength_);
    form->addRow(tr("simplification"), simplify_);
    form->addRow(start_);
    form->addRow(progress_);
    form->addRow(count_);
    form->addRow(answer);
    connect(start_, &QPushButton::clicked, this, [this] { vectorizeClicked(); });
    connect(keep_, &QPushButton::clicked, this, [this] { keep(); });
    connect(drop_, &QPushButton::clicked, this, [this] { idle(); });
    idle();
}

VectorizeSection::~VectorizeSection() {
    // The preview lives on the image area, which may outlive the panel or go first.
    delete preview_.data();
}

void VectorizeSection::idle() {
    // Everything stays in place, enabled or not, so that the floating panel keeps its size.
    preview_->clear();
    shownOn_.reset();
    count_->clear();
    progress_->setValue(0);
    keep_->setEnabled(false);
    drop_->setEnabled(false);
    start_->setEnabled(true);
    waitingForColour_ = false;
}

void VectorizeSection::vectorizeClicked() {
    if (const auto colour = choices_().colour) {
        start(*colour);
        return;
    }
    // The swatch "?": the colour of the next click on a line.
    waitingForColour_ = true;
    context_.setStatus(1, tr("Cliquez sur un trait de la couleur à vectoriser"));
}

bool VectorizeSection::picked(QPoint pixel) {
    if (!waitingForColour_) return false;
    const auto colour =
        trace::lineColourAt(context_.picture(), {pixel.x(), pixel.y()}, choices_().tolerance);
    if (!colour) {
        platform::interaction().beep();
        context_.setStatus(1,
                           QString::fromStdString(trace::message(trace::TraceResult::Background)));
        return true;
    }
    waitingForColour_ = false;
    start(*colour);
    return true;
}

void VectorizeSection::start(trace::Rgb colour) {
    const picture::Layer& layer = context_.layer;
    if (!layer.picture()) {
        platform::interaction().beep();
        context_.setStatus(
            1, QString::fromStdString(trace::message(trace::VectorizeResult::NoColour)));
        return;
    }
    auto run = std::make_shared<Run>();
    run->bare = picture::Layer::over(layer.picture(), layer.width(), layer.height(),
                                     layer.pictureX(), layer.pictureY(), layer.margin());
    const TraceChoices choices = choices_();
    run->settings.colour = colour;
    run->settings.tolerance = choices.tolerance;
    run->settings.gap = choices.gap;
    run->settings.minLength = minLength_->value();
    run->settings.simplify = simplify_->value();
    run_ = run;
    context_.setStatus(1, QString());
    start_->setEnabled(false);
    progress_->setValue(0);
    // A run given up earlier is asked to stop and joined here, before this one starts.
    worker_ = std::jthread([this, run, work = vectorizer_](std::stop_token stop) {
        // A swatch is the overview's blend of a thin line with the paper: the line's own colour
        // is found among the picture's before its pixels are sought.
        const trace::Box whole{0, 0, run->bare.width() - 1, run->bare.height() - 1};
        run->settings.colour =
            trace::lineOfShade(trace::dominantColours(run->bare, whole), run->settings.colour)
                .value_or(run->settings.colour);
        run->found = work(
            run->bare, run->settings,
            [&](double done) {
                const int step = static_cast<int>(done * kSteps);
                if (run->shown.exchange(step) != step)
                    QMetaObject::invokeMethod(
                        this,
                        [this, run, step] {
                            if (run == run_) progress_->setValue(step);
                        },
                        Qt::QueuedConnection);
                return !stop.stop_requested();
            },
            [this, run](std::vector<trace::VectorLine> lines) {
                if (lines.empty()) return;
                QMetaObject::invokeMethod(
                    this,
                    [this, run, lines = std::move(lines)]() mutable {
                        if (run == run_) preview_->addLines(std::move(lines));
                    },
                    Qt::QueuedConnection);
            });
        QMetaObject::invokeMethod(
            this,
            [this, run] {
                if (run == run_) finished(*run);
            },
            Qt::QueuedConnection);
    });
}

void VectorizeSection::finished(const Run& run) {
    run_.reset();
    const trace::Vectorized& found = run.found;
    // Another picture opened meanwhile: these lines are not on it.
    if (context_.layer.picture() != run.bare.picture()) {
        idle();
        return;
    }
    if (found.result != trace::VectorizeResult::Done || found.lines.empty()) {
        idle();
        if (found.result != trace::VectorizeResult::Cancelled) {
            platform::interaction().beep();
            context_.setStatus(1, QString::fromStdString(trace::message(found.result)));
        }
        return;
    }
    std::size_t points = 0;
    for (const trace::VectorLine& line : found.lines)
        points += line.points.size();
    count_->setText(plural(found.lines.size(), QT_TR_NOOP("%1 ligne"), QT_TR_NOOP("%1 lignes")) +
                    QStringLiteral(", ") +
                    plural(points, QT_TR_NOOP("%1 point"), QT_TR_NOOP("%1 points")));
    keep_->setEnabled(true);
    drop_->setEnabled(true);
    shownOn_ = run.bare.picture();
    preview_->setLines(found.lines);
}

void VectorizeSection::keep() {
    model::Project& project = context_.project;
    // Another picture opened since: these lines are not on it.
    if (context_.layer.picture() != shownOn_) {
        idle();
        return;
    }
    project.setSaved(false);
    trace::appendLines(project, preview_->lines());
    idle();
    settled_();
}

bool VectorizeSection::cancel() {
    const bool running = run_ != nullptr;
    const bool shown = !preview_->lines().empty();
    if (!running && !shown && !waitingForColour_) return false;
    if (running) {
        // Not joined here: the window answers at once, the work ends at its next step.
        worker_.request_stop();
        run_.reset();
        context_.setStatus(1, tr("Vectorisation arrêtée"));
    }
    idle();
    return true;
}

} // namespace tracelle::ui
