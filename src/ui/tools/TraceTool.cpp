#include "ui/tools/TraceTool.h"

#include "model/History.h"
#include "model/Project.h"
#include "platform/Interaction.h"
#include "ui/ImageArea.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColor>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QSpinBox>
#include <QToolButton>

namespace tracelle::ui {

namespace {

QDoubleSpinBox* realBox(QWidget* parent, const char* name, double value, double max) {
    auto* box = new QDoubleSpinBox(parent);
    box->setObjectName(name);
    box->setRange(0.5, max);
    box->setDecimals(1);
    box->setValue(value);
    return box;
}

} // namespace

TraceTool::TraceTool(ToolContext context, TraceHooks hooks)
    : ClickTool(std::move(context)), hooks_(std::move(hooks)),
      panel_(new QFrame(context_.area.parentWidget())), box_(context_.area) {
    panel_->setObjectName("PanneauTrace");
    panel_->setFrameShape(QFrame::StyledPanel);
    panel_->setAutoFillBackground(true);
    auto* form = new QFormLayout(panel_);
    tolerance_ = realBox(panel_, "ToleranceTrace", trace::kDefaultTolerance, 100);
    tolerance_->setToolTip(tr("écart de couleur accepté (delta E)"));
    gap_ = new QSpinBox(panel_);
    gap_->setObjectName("LacuneTrace");
    gap_->setRange(0, 50);
    gap_->setValue(trace::kDefaultGap);
    gap_->setToolTip(tr("interruption du trait franchie (pixels)"));
    spacing_ = realBox(panel_, "EspacementTrace", trace::kDefaultSpacing, 500);
    simplify_ = new QCheckBox(tr("simplifier"), panel_);
    simplify_->setObjectName("SimplifierTrace");
    simplifyDistance_ = realBox(panel_, "DistanceSimplifier", trace::kDefaultSimplify, 50);
    simplifyDistance_->setToolTip(tr("écart maximal au trait (pixels)"));
    simplifyDistance_->setEnabled(false);
    QObject::connect(simplify_, &QCheckBox::toggled, panel_, [this](bool on) {
        spacing_->setEnabled(!on);
        simplifyDistance_->setEnabled(on);
    });
    swatches_ = new QHBoxLayout;
    swatchGroup_ = new QButtonGroup(panel_);
    byXStep_ = new QCheckBox(tr("Courbe par pas de X"), panel_);
    byXStep_->setObjectName("CourbePasX");
    byXStep_->setToolTip(tr("tirer un cadre sur le graphique : un point tous les X "
                            "pixels sur la courbe"));
    xStep_ = new QSpinBox(panel_);
    xStep_->setObjectName("PasX");
    xStep_->setRange(1, 500);
    xStep_->setValue(trace::kDefaultXStep);
    xStep_->setToolTip(tr("pas de X (pixels)"));
    xStep_->setEnabled(false);
    QObject::connect(byXStep_, &QCheckBox::toggled, panel_, [this](bool on) {
        xStep_->setEnabled(on);
        context_.setStatus(1, on ? tr("Tirer un cadre autour de la courbe") : QString());
    });
    form->addRow(tr("tolérance"), tolerance_);
    form->addRow(tr("lacune"), gap_);
    form->addRow(tr("espacement"), spacing_);
    form->addRow(simplify_, simplifyDistance_);
    form->addRow(byXStep_, xStep_);
    form->addRow(tr("couleur"), swatches_);
    // The whole sheet: a box would want a drag of its own in a mode whose clicks already trace,
    // and the lines of other colours are left out whatever their place.
    vectorizeSection_ = new VectorizeSection(
        panel_, context_,
        [this] {
            return TraceChoices{chosen_, tolerance_->value(), gap_->value()};
        },
        hooks_.settled, hooks_.vectorize);
    form->addRow(vectorizeSection_);
    panel_->hide();
}

void TraceTool::activate() {
    showSwatches();
    place();
    panel_->show();
    panel_->raise();
}

void TraceTool::place() {
    panel_->adjustSize();
    const ImageArea& area = context_.area;
    QWidget* room = panel_->parentWidget();
    // In the top right corner of the picture, where a map's legend rarely is.
    panel_->move(area.mapTo(room, QPoint(area.width() - panel_->width(), 0)));
}

void TraceTool::deactivate() {
    if (tracing_) finish(false);
    box_.cancel();
    vectorizeSection_->cancel();
    panel_->hide();
}

void TraceTool::overviewChanged() {
    // Until the overview of a new picture is ready only "?" shows; its colours come with it.
    if (panel_->isHidden()) return;
    showSwatches();
    place();
}

void TraceTool::showSwatches() {
    while (QLayoutItem* item = swatches_->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    chosen_.reset();
    // The first box takes the colour under each click; the others one colour of the picture.
    const auto add = [&](std::optional<trace::Rgb> colour) {
        auto* box = new QToolButton(panel_);
        box->setCheckable(true);
        box->setFixedSize(20, 20);
        if (colour) {
            const QColor c(colour->r, colour->g, colour->b);
            box->setStyleSheet(QStringLiteral("QToolButton { background: %1; } "
                                              "QToolButton:checked { border: 3px solid black; }")
                                   .arg(c.name()));
            box->setToolTip(tr("suivre la couleur %1").arg(c.name()));
        } else {
            box->setText(QStringLiteral("?"));
            box->setToolTip(tr("suivre la couleur sous le clic"));
            box->setChecked(true);
        }
        swatchGroup_->addButton(box);
        swatches_->addWidget(box);
        QObject::connect(box, &QToolButton::clicked, panel_, [this, colour] { chosen_ = colour; });
    };
    add(std::nullopt);
    for (const trace::Rgb& colour : hooks_.palette().colours)
        add(colour);
}

void TraceTool::pressed(const ToolEvent& event) {
    if (tracing_ || box_.active() || vectorizeSection_->picked(event.pixel)) return;
    if (byXStep_->isChecked()) {
        box_.begin(event);
        return;
    }
    const trace::PixelPoint click{event.pixel.x(), event.pixel.y()};
    trace::FollowSettings settings;
    if (chosen_) settings.colour = trace::lineColourNear(context_.picture(), click, *chosen_);
    settings.tolerance = tolerance_->value();
    settings.gap = gap_->value();
    const trace::Trace found = trace::followLine(context_.picture(), click, settings);
    if (found.result != trace::TraceResult::Followed) {
        platform::interaction().beep();
        context_.setStatus(1, QString::fromStdString(trace::message(found.result)));
        return;
    }
    context_.setStatus(1, QString());
    tracing_ = true;
    context_.project.history().beginLongAction();
    context_.project.setSaved(false);
    trace::appendTrace(context_.project,
                       simplify_->isChecked()
                           ? trace::simplify(found.centreline, simplifyDistance_->value())
                           : trace::resample(found.centreline, spacing_->value()));
    hooks_.settled();
}

bool TraceTool::moved(const ToolEvent& event) {
    if (!box_.active()) return false;
    box_.stretch(event);
    return true;
}

void TraceTool::released(const ToolEvent& event) {
    if (box_.active() && event.buttons == Qt::LeftButton) {
        takeCurve(box_.end(event));
        return;
    }
    if (!tracing_) return;
    // The right button, pressed while the left is held, gave the trace up already.
    if (event.buttons == Qt::LeftButton) finish(true);
}

void TraceTool::takeCurve(trace::Box box) {
    const trace::BoxCurve curve =
        trace::curveInBox(context_.picture(), box, chosen_, tolerance_->value(), xStep_->value());
    if (curve.result != trace::TraceResult::Followed) {
        platform::interaction().beep();
        context_.setStatus(1, QString::fromStdString(trace::boxMessage(curve.result)));
        return;
    }
    context_.setStatus(1, QString());
    context_.project.setSaved(false);
    trace::appendTrace(context_.project, curve.points);
    hooks_.settled();
}

bool TraceTool::cancel() {
    if (box_.cancel()) return true;
    if (!tracing_) return vectorizeSection_->cancel();
    finish(false);
    return true;
}

void TraceTool::finish(bool keep) {
    if (keep)
        context_.project.history().endLongAction();
    else
        context_.project.history().cancelLongAction();
    tracing_ = false;
    hooks_.settled();
}

} // namespace tracelle::ui
