// Colouring the surfaces to measure: fills, brush, eraser, border colour picked on the
// picture, the black-and-white threshold, the raster area and the undo of the last fill.
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

void paintSwatch(QToolButton* swatch, measure::Rgb c) {
    swatch->setStyleSheet(QStringLiteral("QToolButton { background: %1; border: 1px solid black; }")
                              .arg(toQColor(c).name()));
}

} // namespace

void MainWindow::setBorderColour(measure::Rgb colour) {
    colour_.border = colour;
    paintSwatch(colour_.borderSwatch, colour);
}

void MainWindow::setFillColour(measure::Rgb colour) {
    colour_.fill = colour;
    paintSwatch(colour_.fillSwatch, colour);
}

void MainWindow::enterFillMode(QToolButton* mode) {
    mode->setChecked(true);
    modeBefore_ = mode;
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
    modeBefore_ = colour_.pickBorder;
    if (layer_.empty()) return;
    // At the button's left edge, at the bottom of the picture, until the mouse moves.
    QLabel* picker = colour_.picker;
    picker->adjustSize();
    const QPoint button = colour_.pickBorder->mapTo(centralWidget(), QPoint(0, 0));
    const QPoint bottom = imageArea_->mapTo(centralWidget(), QPoint(0, imageArea_->height()));
    picker->move(button.x(), bottom.y() - picker->height());
    picker->show();
    picker->raise();
}

void MainWindow::movePicker(QPoint near) {
    QLabel* picker = colour_.picker;
    const QPoint at = near + QPoint(10, 10);
    picker->move(imageArea_->mapTo(
        centralWidget(),
        QPoint(at.x(), std::min(at.y(), imageArea_->height() - picker->height()))));
    picker->show();
    picker->raise();
}

void MainWindow::chooseFillColour() {
    if (const auto chosen = interaction().chooseColour(toBgr(toQColor(colour_.fill)))) {
        const QColor c = fromBgr(*chosen);
        setFillColour({static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
                       static_cast<std::uint8_t>(c.blue())});
    }
    // Shown pressed, without entering the mode.
    colour_.surface->setChecked(true);
    modeBefore_ = colour_.surface;
}

bool MainWindow::colourClick(int x, int y) {
    ColourTools& c = colour_;
    if (c.surface->isChecked() || c.bordered->isChecked()) {
        // The swatches take the colours as the layer keeps them, so that what they show is
        // what the fills compare.
        setBorderColour(measure::normalise(c.border));
        setFillColour(measure::normalise(c.fill));
        platform::BusyCursor busy;
        measure::fillClick(layer_, x, y,
                           c.bordered->isChecked() ? measure::FillMode::Bordered
                                                   : measure::FillMode::Surface,
                           c.border, c.fill);
    } else if (c.pickBorder->isChecked()) {
        if (x < 0 || y < 0 || x >= layer_.width() || y >= layer_.height()) return true;
        const picture::Pixel p = layer_.pixel(x, y);
        setBorderColour({picture::red8(p), picture::green8(p), picture::blue8(p)});
        c.picker->setStyleSheet(
            QStringLiteral("background: %1; color: %2; padding: 2px;")
                .arg(toQColor(c.border).name(),
                     QColor(255 - c.border.r, 255 - c.border.g, 255 - c.border.b).name()));
        return true;
    } else if (c.brush->isChecked() || c.eraser->isChecked()) {
        setBorderColour(measure::normalise(c.border));
        setFillColour(measure::normalise(c.fill));
        if (c.brush->isChecked())
            measure::brushClick(layer_, x, y, c.border);
        else
            measure::eraserClick(layer_, x, y, c.fill);
        c.dragging = true;
    } else {
        return c.chooseFill->isChecked() || c.threshold->isChecked(); // clicks do nothing
    }
    repaintView();
    return true;
}

bool MainWindow::colourDrag(int x, int y) {
    ColourTools& c = colour_;
    if (!c.dragging) return false;
    if (c.brush->isChecked())
        measure::brushDrag(layer_, x, y, c.border);
    else if (c.eraser->isChecked())
        measure::eraserDrag(layer_, x, y, c.fill);
    repaintView();
    return true;
}

void MainWindow::undoColouring() {
    if (!colour_.undo || layer_.empty()) return;
    layer_.giveBack(*colour_.undo);
    repaintView();
}

void MainWindow::runRasterPass(bool threshold) {
    showColouringControls();
    if (layer_.empty()) return;
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
    if (interaction().confirm("OK pour enlever les contours bleus ( L Raster ) et retrouver la "
                              "figure juste colorée en vert")) {
        layer_.giveBack(*beforeContour);
        repaintView();
    }
}

} // namespace tracelle::ui
