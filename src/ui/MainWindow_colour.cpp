// Colouring the surfaces to measure: the modes' buttons, the colours chosen, the
// black-and-white threshold, the raster area and the undo of the last fill.
#include "measure/VectorMeasure.h"
#include "model/NumberText.h"
#include "platform/Interaction.h"
#include "ui/Bgr.h"
#include "ui/ImageArea.h"
#include "ui/MainWindow.h"
#include "ui/TextPanel.h"

#include <QAction>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QToolButton>
#include <algorithm>

namespace tracelle::ui {

using platform::interaction;

namespace {

QColor toQColor(measure::Rgb c) {
    return QColor(c.r, c.g, c.b);
}

} // namespace

void MainWindow::enterFillMode(QToolButton* mode) {
    mode->setChecked(true);
    tools_.at(mode)->activate();
    // The surfaces are painted on the layer as it is; without the lines once it is rebuilt.
    sansLignes_->setChecked(true);
    showColouringControls();
    repaintView();
}

bool MainWindow::colouringModeActive() const {
    const ColourTools& c = colour_;
    const QToolButton* modes[] = {c.surface, c.bordered, c.pickBorder, c.chooseFill,
                                  c.brush,   c.eraser,   c.threshold};
    return std::any_of(std::begin(modes), std::end(modes),
                       [](const QToolButton* b) { return b->isChecked(); });
}

void MainWindow::colourSurfaceMode() {
    enterFillMode(colour_.surface);
}

void MainWindow::colourBorderedSurfaceMode() {
    enterFillMode(colour_.bordered);
}

void MainWindow::pickBorderColourMode() {
    colour_.pickBorder->setChecked(true);
    tools_.at(colour_.pickBorder)->activate();
}

void MainWindow::chooseFillColour() {
    if (const auto chosen = interaction().chooseColour(toBgr(toQColor(colour_.fill)))) {
        const QColor c = fromBgr(*chosen);
        colour_.setFill({static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
                         static_cast<std::uint8_t>(c.blue())});
    }
    // Shown pressed, without entering the mode.
    colour_.surface->setChecked(true);
}

void MainWindow::undoColouring() {
    if (!colour_.undo || layer_.empty()) return;
    layer_.giveBack(*colour_.undo);
    repaintView();
}

void MainWindow::runRasterPass(bool threshold) {
    showColouringControls();
    if (layer_.empty()) return;
    if (!threshold) {
        if (const auto refusal = measure::mesureSansSens(project_)) {
            interaction().information(*refusal);
            return;
        }
    }
    // The layer as it is, given back when the contour is taken away.
    const auto beforeContour = layer_.record();
    if (threshold) {
        textPanel_->hide();
        Redessiner();
    }
    ColourTools& c = colour_;
    c.progress->setRange(0, layer_.height());
    c.progress->setValue(0);
    c.progress->show();
    std::optional<std::int64_t> t;
    std::vector<std::string> report;
    std::optional<measure::Bounds> zone;
    {
        platform::BusyCursor busy;
        t = measure::seuil(c.thresholdMillions->text().toStdString());
        if (t) {
            const measure::Bounds bounds =
                measure::bounds(layer_, project_.picture().ox, project_.picture().oy);
            // The bar moves every ten rows; the view is drawn again a few times a second, which
            // a picture of a hundred megapixels could not afford every ten rows.
            QElapsedTimer shown;
            shown.start();
            const auto progress = [&](int position) {
                c.progress->setValue(position);
                c.progress->repaint();
                if (shown.elapsed() < 100) return;
                shown.restart();
                repaintView();
                imageArea_->repaint();
            };
            if (threshold) {
                measure::threshold(layer_, bounds, *t, c.border, progress);
            } else {
                const measure::RasterCounts counts =
                    measure::rasterArea(layer_, bounds, c.fill, progress);
                report = measure::rapportRaster(counts, measure::echelleRaster(project_));
                zone = counts.zone;
            }
        }
    }
    repaintView();
    c.progress->hide();
    if (!t) {
        interaction().information(
            model::texte_pas_un_reel(c.thresholdMillions->text().toStdString()));
        return;
    }
    if (threshold) return;
    textPanel_->show();
    textPanel_->raise();
    // The question is about the contour: the report stands beside it, not over it.
    if (zone) {
        const QRect onArea = QRect(imageArea_->toArea(QPoint(zone->x0 - 1, zone->y0 - 1)).toPoint(),
                                   imageArea_->toArea(QPoint(zone->x1 + 2, zone->y1 + 2)).toPoint())
                                 .intersected(imageArea_->rect());
        const QPoint offset = imageArea_->mapTo(centralWidget(), QPoint());
        if (!onArea.isEmpty())
            textPanel_->placeBeside(onArea.translated(offset),
                                    imageArea_->rect().translated(offset));
    }
    for (const std::string& line : report)
        textPanel_->append(QString::fromStdString(line));
    if (interaction().confirm(tr("OK pour enlever les contours bleus ( L Raster ) et retrouver la "
                                 "figure juste colorée en vert")
                                  .toStdString())) {
        layer_.giveBack(*beforeContour);
        repaintView();
    }
}

} // namespace tracelle::ui
