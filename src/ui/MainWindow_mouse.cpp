// The mouse on the image area: what every click mode shares (the right-button pan and editing
// menu, the click that only activates the window), the rest handed to the current tool.
#include "model/NumberText.h"
#include "platform/Interaction.h"
#include "ui/CalibrationPanels.h"
#include "ui/ImageArea.h"
#include "ui/MainWindow.h"
#include "ui/PointsTableWindow.h"
#include "ui/tools/PointDragTool.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QScrollBar>
#include <QToolButton>

namespace tracelle::ui {

using platform::interaction;

void MainWindow::imagePressed(Qt::MouseButton button, QPoint position,
                              Qt::KeyboardModifiers modifiers) {
    lastMouse_ = position;
    if (button == Qt::RightButton) {
        // A right click during a trace or a drag gives it up, and only that.
        if (currentTool().cancel()) return;
        if (project_.tableMode()) {
            Nouvelle_suite_de_points();
            return;
        }
        if (layer_.empty()) return;
        rightPress_ = position;
        imageArea_->setCursor(Qt::ClosedHandCursor);
        horizontalBar_->setEnabled(false);
        verticalBar_->setEnabled(false);
        dragging_ = true;
        anchor_ = position;
        return;
    }
    if (button != Qt::LeftButton) return;
    // The click lands on the whole picture, where it would have landed once decoded.
    waitForPicture();
    if (layer_.empty()) {
        interaction().beep();
        return;
    }
    if (activatedFromTable_.isValid()) {
        // Only the click that brought the window forward, which comes at once.
        const bool activating = activatedFromTable_.elapsed() < 500;
        activatedFromTable_.invalidate();
        if (activating) return;
    }
    currentTool().pressed({position, imageArea_->toLayer(position), Qt::LeftButton, modifiers});
}

bool MainWindow::bandApplies() const {
    const ClickTool::Band band = currentTool().band();
    return project_.N() > 0 && band != ClickTool::Band::Never &&
           (drawsLines_ || band == ClickTool::Band::Always) && !project_.lineBreakPending() &&
           previousPoint_ != QPoint(0, 0);
}

void MainWindow::moveBand(int x, int y) {
    imageArea_->setBand(bandApplies() ? std::optional<QLine>(QLine(previousPoint_, QPoint(x, y)))
                                      : std::nullopt);
}

void MainWindow::showPrompt(const QString& text, const QColor& colour, QPoint near) {
    prompt_->setText(text);
    prompt_->setStyleSheet(
        QStringLiteral("background: %1; color: black; padding: 3px;").arg(colour.name()));
    prompt_->adjustSize();
    QPoint at = near + QPoint(50, 50);
    at.setY(std::min(at.y(), imageArea_->height() - prompt_->height()));
    // Near the right edge, on the left of the mouse rather than cut.
    if (at.x() + prompt_->width() > imageArea_->width())
        at.setX(std::max(0, near.x() - 50 - prompt_->width()));
    prompt_->move(imageArea_->mapTo(centralWidget(), at));
    prompt_->show();
    prompt_->raise();
}

void MainWindow::imageMoved(QPoint position, Qt::MouseButtons buttons) {
    lastMouse_ = position;
    if (hasPicture() || !layer_.empty()) {
        floating_->setVisible(flottants_->isChecked());
        const bool tableActive = windows_.table && windows_.table->isActiveWindow();
        if (project_.K() < 3 && !tableActive) {
            static const char* prompts[3] = {QT_TR_NOOP("Cliquer le PREMIER POINT DE CALAGE"),
                                             QT_TR_NOOP("Cliquer le DEUXIEME POINT DE CALAGE"),
                                             QT_TR_NOOP("Cliquer le TROISIEME POINT DE CALAGE")};
            const QString prompt = tr(prompts[project_.K()]);
            status_[1]->setText(prompt);
            status_[2]->setText(QString::fromStdString(project_.val_calage()));
            // White, then pale yellow, then yellow: 0xFFFFFF xor K × 0x400000 in BGR.
            const std::uint32_t bgr =
                0xFFFFFFu ^ (static_cast<std::uint32_t>(project_.K()) * 4194304u);
            showPrompt(prompt, QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF), position);
        } else if (tableActive) {
            showPrompt(tr("clicker pour activer cette fenêtre puis digitaliser"), Qt::white,
                       position);
        } else {
            prompt_->hide();
        }
    }
    if (layer_.empty()) {
        imageArea_->update();
        return;
    }
    const QPoint under = imageArea_->toLayer(position);
    const QPoint pixel = currentTool().aimAt(under);
    const int x = pixel.x(), y = pixel.y();
    if (project_.K() >= 3) {
        model::Real X = 0, Y = 0;
        if (project_.repere_carte(x, y, X, Y)) showCoordinates(X, Y);
    } else {
        clearCoordinates(); // none until calibrated
    }
    if (currentTool().moved({position, under, buttons, QGuiApplication::keyboardModifiers()}))
        return;
    if (dragging_ && (buttons & Qt::RightButton)) {
        // The picture follows the mouse.
        const QPoint step = imageArea_->toLayer(anchor_) - under;
        view_.x1 += step.x();
        view_.x2 += step.x();
        view_.y1 += step.y();
        view_.y2 += step.y();
        anchor_ = position;
        redessiner();
        return;
    }
    moveBand(x, y);
    project_.setMousePosition({x, y});
    if (flottants_->isChecked()) {
        // Beside the mouse, kept inside the image area, once its text is known.
        QPoint near = position + QPoint(20, 20);
        near.setX(std::min(near.x(), imageArea_->width() - floating_->width()));
        near.setY(std::min(near.y(), imageArea_->height() - floating_->height()));
        floating_->move(imageArea_->mapTo(centralWidget(), near));
        floating_->raise();
    }
}

void MainWindow::imageReleased(Qt::MouseButton button, QPoint position) {
    if (!hasPicture() && layer_.empty()) return;
    ClickTool& tool = currentTool();
    tool.released({position, imageArea_->toLayer(position), button, {}});
    // A right click without a drag edits what lies under it.
    const bool rightClick =
        button == Qt::RightButton && dragging_ && (position - rightPress_).manhattanLength() <= 3;
    dragging_ = false;
    imageArea_->setCursor(tool.cursor());
    position_scrollbar();
    horizontalBar_->setEnabled(!project_.tableMode());
    verticalBar_->setEnabled(!project_.tableMode());
    if (rightClick) menuEdition(position);
}

void MainWindow::menuEdition(QPoint position) {
    const model::Picked picked = pointSousSouris(project_, *imageArea_, position);
    if (picked.kind == model::Picked::Point) {
        if (interaction().popupMenu({tr("Supprimer ce point").toStdString()}) != 0) return;
        project_.supprimePoint(picked.row);
    } else if (picked.kind == model::Picked::Segment) {
        if (interaction().popupMenu({tr("Insérer un point ici").toStdString()}) != 0) return;
        const QPoint pixel = imageArea_->toLayer(position);
        project_.inserePoint(picked.row, pixel.x(), pixel.y());
    } else {
        return;
    }
    apresHistorique();
}

void MainWindow::annuler() {
    model::History& h = project_.history();
    if (!h.canUndo()) {
        interaction().beep();
        return;
    }
    h.undo();
    apresHistorique();
}

void MainWindow::retablir() {
    model::History& h = project_.history();
    if (!h.canRedo()) {
        interaction().beep();
        return;
    }
    h.redo();
    apresHistorique();
}

void MainWindow::apresHistorique() {
    pointCountChanged(project_.N());
    // The model or the points left out may have come back without a cell of the grid.
    if (windows_.table) windows_.table->refreshResiduals();
    majStatut();
    majTitre();
    Redessiner();
}

void MainWindow::majStatut() {
    clearCoordinates(); // the calibration may have changed under them
    showFit();
    if (project_.K() < 3) return; // the moves show the calibration prompts
    status_[2]->clear();
    prompt_->hide();
}

void MainWindow::showFit() {
    calibrationPanel_->showFit(project_);
    if (project_.K() < 3) return;
    QString text = QString::fromStdString(project_.texteSuitePoint());
    // Beyond the three calibration points, the fit has a residual worth watching.
    if (project_.controlPointCount() > 3 && project_.calibrationFit().fitted())
        text += QStringLiteral("  RMS = ") +
                QString::fromStdString(model::enleve_blancs(
                    model::_format2(project_.calibrationFit().rms(), 18, project_.D())));
    status_[1]->setText(text);
}

void MainWindow::ouvrir_sans_bmp() {
    if (gardeLeTravail()) nouvelleFeuille();
}

void MainWindow::nouvelleFeuille() {
    platform::BusyCursor busy;
    project_.clearPointsAndLines();
    layer_ = picture::Layer::blank(2100, 1485, picture::rgb555(139, 231, 195));
    project_.picture() = {"", layer_.width(), layer_.height(), 0, 0};
    projectFile_.clear();
    project_.setSaved(true);
    project_.history().clear();
    pictureCaption_ = kCaption;
    majTitre();
    pointCountChanged(0);
    status_[1]->clear();
    showCoordinateSystem({});
    affecte_bitmap_img();
    redessiner_calque();
    project_.mess_3_calage_svp_et_init();
    tableItem_->setChecked(true);
    applyDigitizingTable();
    showPointsTable();
}

} // namespace tracelle::ui
