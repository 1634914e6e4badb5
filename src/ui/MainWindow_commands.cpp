// Commands of the main window: quitting, drawing style, modes, window arrangement, help,
// altitude and calibration panels.
#include "model/NumberText.h"
#include "model/transform/ModelNames.h"
#include "platform/Interaction.h"
#include "platform/WheelSetting.h"
#include "ui/AboutBox.h"
#include "ui/AltitudePanel.h"
#include "ui/CalibrationPanels.h"
#include "ui/ExportPanel.h"
#include "ui/GraphWindow.h"
#include "ui/HelpWindow.h"
#include "ui/ImageArea.h"
#include "ui/MainWindow.h"
#include "ui/PointsTableWindow.h"
#include "ui/TextPanel.h"
#include "ui/WindowPlacement.h"
#include "ui/tools/DigitizeTool.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>

namespace tracelle::ui {

using platform::interaction;

bool MainWindow::askToQuit() {
    if (quitting_) return true;
    if (!proposeEnregistrement(
            tr(" Voulez-vous enregistrer le tableau de points ? ").toStdString()))
        return false;
    // "Quitter" asks the dialog for its picture of the question: it is no text to show.
    if (interaction().dlg_titre_message_ONEK_oui_non("titre", "Quitter", "ON", "",
                                                     tr("annuler").toStdString(),
                                                     platform::DialogWidth::Narrow) != 'O')
        return false;
    if (!platform::saveWheelInverted(wheelDirection_ == -1)) {
        interaction().information(
            platform::fill(tr("le fichier %1 n'a pas pu être mis à jour").toStdString(),
                           {platform::wheelSettingFile()}));
    }
    quitting_ = true;
    showNormal();
    close();
    QApplication::quit();
    return true;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (quitting_ || askToQuit()) {
        event->accept();
    } else {
        event->ignore();
    }
}

void MainWindow::placeCursorLeftOfCentre() {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        QCursor::setPos(screen->geometry().center() - QPoint(150, 0));
}

void MainWindow::setDrawingStyle(bool lines) {
    drawsLines_ = lines;
    pointsItem_->setChecked(!lines);
    lignesItem_->setChecked(lines);
    pointsButton_->setChecked(!lines);
    lignesButton_->setChecked(lines);
    if (hasPicture()) Redessiner();
}

void MainWindow::Redessiner() {
    if (!hasPicture()) return;
    redessiner_calque();
    repaintView();
    if (!sansLignes_->isChecked()) eraseRubberBand();
}

void MainWindow::selectMode(QToolButton* button) {
    button->setChecked(true);
    tools_.at(button)->activate();
    // Down before the rebuild: the lines are drawn only while it is down.
    avecLignes_->setChecked(true);
    Redessiner();
    status_[2]->clear();
    // The texts beside the mouse belong to the mode left; the next move shows the new ones.
    floating_->hide();
    prompt_->hide();
    textPanel_->hide();
    hideColouringControls();
}

void MainWindow::DigitaliserClick() {
    selectMode(digitaliser_);
}

void MainWindow::SurfaceClick() {
    selectMode(surface_);
}

void MainWindow::hideTextPanelWithRefresh() {
    textPanel_->hide();
    // The zones being coloured stay until the user asks for a rebuild.
    if (!colouringModeActive()) redessiner_calque();
    if (drawsLines_ && !project_.lineBreakPending()) eraseRubberBand();
    repaintView();
}

void MainWindow::CarteTableauClick() {
    carteTableau_->setChecked(true);
    if (!windows_.table) return;
    showNormal();
    windows_.table->show();
    placeMapAndTable();
    activateWindow();
    setFocus();
}

void MainWindow::placeMapAndTable() {
    placeMapBesideTable();
    // A window manager frames a window a moment after it is shown or restored (out of full
    // screen too): the places are taken again once the frames are known.
    QTimer::singleShot(300, this, [this] {
        if (mapBesideTable()) placeMapBesideTable();
    });
}

void MainWindow::placeMapBesideTable() {
    // Side by side by their frames within the free part of the screen: the table at the right
    // edge, the map beside it, both of the whole height. On a small screen the table gives up
    // width (its grids scroll, its buttons wrap) rather than cover the map.
    const QRect area = availableArea(this);
    const int tableWidth = placeTableAtRightEdge(area);
    placeFrame(this, QRect(area.topLeft(), QSize(area.width() - tableWidth, area.height())),
               frameMargins(this));
}

int MainWindow::placeTableAtRightEdge(const QRect& area) {
    PointsTableWindow* table = windows_.table;
    const QMargins tableFrame = frameMargins(table, this);
    const int tableWidth = tableColumnWidth(area);
    const QRect tableRect(area.right() - tableWidth + 1, area.top(), tableWidth, area.height());
    table->setFixedSize(tableRect.marginsRemoved(tableFrame).size());
    placeFrame(table, tableRect, tableFrame);
    return tableWidth;
}

int MainWindow::tableColumnWidth(const QRect& area) const {
    const QMargins tableFrame = frameMargins(windows_.table, this);
    return std::min(PointsTableWindow::kWidth + tableFrame.left() + tableFrame.right(),
                    area.width() * 45 / 100);
}

void MainWindow::carteEtTableau() {
    if (!carteTableau_->isChecked() || !windows_.table || !windows_.table->isVisible())
        CarteTableauClick();
}

void MainWindow::CarteSeuleClick() {
    if (windows_.table) windows_.table->hide();
    showMaximized();
    carteSeule_->setChecked(true);
}

void MainWindow::AideClick() {
    HelpWindow* help = windows_.help;
    if (!help) return;
    if (help->isVisible() && help->isActiveWindow()) {
        help->hide();
        update();
        return;
    }
    help->show();
    help->raise();
    help->activateWindow();
}

void MainWindow::AideBascule() {
    HelpWindow* help = windows_.help;
    if (!help) return;
    help->setVisible(!help->isVisible());
}

void MainWindow::AProposClick() {
    if (!windows_.about) return;
    windows_.about->show();
    windows_.about->raise();
    windows_.about->activateWindow();
}

void MainWindow::showGraph() {
    if (project_.N() == 0 || !windows_.graph) return;
    windows_.graph->setWheelDirection(wheelDirection_);
    windows_.graph->show();
    windows_.graph->raise();
    windows_.graph->activateWindow();
}

void MainWindow::rouletteInverseeClick() {
    wheelDirection_ = rouletteItem_->isChecked() ? -1 : 1;
}

void MainWindow::applyDigitizingTable() {
    const bool on = tableItem_->isChecked();
    project_.setTableMode(on);
    for (QScrollBar* bar : {horizontalBar_, verticalBar_}) {
        bar->setEnabled(!on);
        bar->setVisible(!on);
    }
}

void MainWindow::altitude_pm(int sign) {
    if (!windows_.table || !windows_.table->altitudeCheckBox()->isChecked()) return;
    const int row = windows_.table->selectedPointRow();
    if (row < 1 || row > project_.N()) return;
    const model::EntierLu decimals =
        model::lit_entier(altitudePanel_->decimalsBox()->text().toStdString());
    if (decimals.errorPosition != 0) {
        interaction().information(tr("'%1' n'est pas une valeur entière correcte")
                                      .arg(altitudePanel_->decimalsBox()->text())
                                      .toStdString());
        return;
    }
    const int zCol = project_.indice_col("Z");
    const model::Real z = model::val_reel(project_.points().cell(row, zCol));
    const model::Real delta = model::val_reel(altitudePanel_->deltaBox()->text().toStdString());
    setZOfSelectedPoint(QString::fromStdString(
        model::enleve_blancs(model::_format(z + sign * delta, 8, decimals.value))));
}

void MainWindow::setZOfSelectedPoint(const QString& text) {
    if (!windows_.table) return;
    const int row = windows_.table->selectedPointRow();
    if (row < 1 || row > project_.N()) return;
    project_.points().setCell(row, project_.indice_col("Z"), text.toStdString());
    // A changed altitude is unsaved work: quitting offers to save it.
    project_.setSaved(false);
    altitudePanel_->zBox()->setText(text);
}

void MainWindow::startCalibration() {
    project_.setCalibrationMode(static_cast<model::CalibrationMode>(calibrationPanel_->mode()));
    project_.restartCalibration();
    activateWindow();
    setFocus();
    selectMode(digitaliser_);
    activatedFromTable_.invalidate();
    calibrationPanel_->hide();
    Redessiner();
}

void MainWindow::armControlPoint() {
    if (!project_.isCalibrated()) {
        interaction().information(tr("Il faut d'abord les 3 points de calage").toStdString());
        return;
    }
    selectMode(digitaliser_);
    static_cast<DigitizeTool&>(*tools_.at(digitaliser_)).armControlPoint();
    status_[1]->setText(tr("Cliquer le POINT DE CONTRÔLE"));
}

void MainWindow::chooseCalibrationModel(model::TransformMethod method,
                                        const model::AxisKinds& axes) {
    const model::FitStatus status = project_.setCalibrationModel(method, axes);
    // Refused: the control points do not fit so, and the panel goes back to the model in force.
    if (project_.calibrationMethod() != method || project_.axisKinds() != axes)
        interaction().information(model::fitStatusMessage(status, method));
    if (windows_.table) windows_.table->refreshResiduals();
    majStatut();
    Redessiner();
}

void MainWindow::rescaleToDistance(const QString& typed) {
    if (project_.rescale(typed.toStdString()) != model::RescaleResult::Applied) return;
    scalePanel_->hide();
    majStatut();
}

} // namespace tracelle::ui

namespace tracelle::ui {

void MainWindow::affiche_panel_sauve() {
    exportPanel_->affiche_panel_sauve();
}

} // namespace tracelle::ui
