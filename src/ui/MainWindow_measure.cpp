// The measurement of the line nearest the mouse (report in the text panel, or rescaling for
// a line of two points) and the choice of "Cap et angle".
#include "measure/VectorMeasure.h"
#include "model/NumberText.h"
#include "platform/Interaction.h"
#include "ui/CalibrationPanels.h"
#include "ui/ImageArea.h"
#include "ui/LayerPainter.h"
#include "ui/MainWindow.h"
#include "ui/TextPanel.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QToolButton>

namespace tracelle::ui {

void MainWindow::reportNearestLine() {
    if (project_.N() < 2) {
        platform::interaction().beep();
        return;
    }
    if (const auto refusal = measure::mesureSansSens(project_)) {
        platform::interaction().information(*refusal);
        return;
    }
    redessiner_calque();
    if (drawsLines_ && !project_.lineBreakPending()) eraseRubberBand();
    model::NearestPoint nearest; // line 0 when no point is shown
    project_.cherche_proche_indice_ligne_point(nearest);
    const int l = nearest.line;

    std::vector<measure::FanTriangle> fan;
    measure::surface_indice_ligne(project_, l, &fan);
    if (!layer_.empty() && !fan.empty()) {
        // The fan of triangles from the first point shows how the area was summed.
        LayerPainter painter(layer_);
        const int width = std::max(1, layer_.width() / 1000);
        const QPen edge(QColor(234, 200, 62), width), closing(QColor(0, 255, 255), width);
        for (const auto& t : fan) {
            painter.line({t.x0, t.y0}, {t.x1, t.y1}, edge);
            painter.line({t.x1, t.y1}, {t.x2, t.y2}, edge);
            painter.line({t.x0, t.y0}, {t.x2, t.y2}, closing);
        }
    }
    repaintView();

    model::Real twoPoints = 0;
    const std::vector<std::string> report = measure::rapportSurface(project_, l, twoPoints);
    if (report.empty()) {
        project_.setLastDistance(twoPoints);
        const measure::TextesDeuxPoints texts = measure::textesDeuxPoints(l, twoPoints);
        scalePanel_->captionLabel()->setText(QString::fromStdString(texts.caption));
        scalePanel_->distanceLabel()->setText(QString::fromStdString(texts.distance));
        scalePanel_->show();
        scalePanel_->raise();
        scalePanel_->distanceBox()->setFocus();
        return;
    }
    textPanel_->show();
    textPanel_->raise();
    for (const std::string& line : report)
        textPanel_->append(QString::fromStdString(line));
}

void MainWindow::CapClick() {
    capButton_->setChecked(true);
    tools_.at(capButton_)->activate();
    avecLignes_->setChecked(true);
    if (hasPicture()) Redessiner();
    hideColouringControls();
}

} // namespace tracelle::ui
