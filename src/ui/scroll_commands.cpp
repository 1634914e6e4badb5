// Commands of the main window: quitting, drawing style, modes, window arrangement, help,
// altitude and calibration panels.
#include "model/extraitUTIL.h"
#include "platform/Interaction.h"
#include "platform/WheelSetting.h"
#include "ui/AltitudePanel.h"
#include "ui/CalibrationPanels.h"
#include "ui/ExportPanel.h"
#include "ui/ImageArea.h"
#include "ui/TextPanel.h"
#include "ui/scroll.h"
#include "ui/scroll2.h"
#include "ui/scrollab.h"
#include "ui/scrollf1.h"

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
#include <QToolButton>

namespace tracelle::ui {

using platform::interaction;

bool Scroll::Quitter1Click() {
    if (quitting_) return true;
    if (!project_.saved() &&
        interaction().confirm(" Voulez-vous enregistrer le tableau de points ? ")) {
        sauve_fic_points();
    }
    if (interaction().dlg_titre_message_ONEK_oui_non("titre", "Quitter", "ON", "", "annuler",
                                                     platform::DialogWidth::Narrow) != 'O')
        return false;
    if (!platform::saveWheelInverted(wheelDirection_ == -1)) {
        interaction().information("le fichier " + platform::wheelSettingFile() +
                                  " n'a pas pu être mis à jour");
    }
    quitting_ = true;
    showNormal();
    close();
    QApplication::quit();
    return true;
}

void Scroll::closeEvent(QCloseEvent* event) {
    if (quitting_ || Quitter1Click()) {
        event->accept();
    } else {
        event->ignore();
    }
}

void Scroll::placeCursorLeftOfCentre() {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        QCursor::setPos(screen->geometry().center() - QPoint(150, 0));
}

void Scroll::setDrawingStyle(bool lines) {
    drawsLines_ = lines;
    pointsItem_->setChecked(!lines);
    lignesItem_->setChecked(lines);
    pointsButton_->setChecked(!lines);
    lignesButton_->setChecked(lines);
    if (hasPicture()) Redessiner();
}

void Scroll::Redessiner() {
    if (!hasPicture()) return;
    redessiner_calque();
    repaintView();
    if (!sansLignes_->isChecked()) eraseRubberBand();
}

void Scroll::selectMode(QToolButton* button) {
    button->setChecked(true);
    modeBefore_ = button;
    Redessiner();
    status_[2]->clear();
    label2_->clear();
    textPanel_->hide();
    avecLignes_->setChecked(true);
    hideColouringControls();
}

void Scroll::DigitaliserClick() {
    selectMode(digitaliser_);
}

void Scroll::SurfaceClick() {
    selectMode(surface_);
}

void Scroll::hideTextPanelWithRefresh() {
    textPanel_->hide();
    Redessiner();
    image1_->update();
}

void Scroll::CarteTableauClick() {
    carteTableau_->setChecked(true);
    Scroll2* table = windows_.table;
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!table || !screen) return;
    const QRect area = screen->availableGeometry();
    showNormal();
    move(area.left(), geometry().top());
    const int frame = table->frameGeometry().height() - table->height();
    table->setFixedHeight(area.height() - frame);
    table->move(area.right() - table->frameGeometry().width() + 1, area.top());
    table->show();
    if (width() > area.width() - table->frameGeometry().width())
        resize(area.width() - table->frameGeometry().width(), height());
    activateWindow();
    setFocus();
}

void Scroll::CarteSeuleClick() {
    if (windows_.table) windows_.table->hide();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        setGeometry(area.left(), geometry().top(), area.width(), geometry().height());
    }
    carteSeule_->setChecked(true);
}

void Scroll::AideClick() {
    Scrollf1* help = windows_.help;
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

void Scroll::AideBascule() {
    Scrollf1* help = windows_.help;
    if (!help) return;
    help->setVisible(!help->isVisible());
}

void Scroll::AProposClick() {
    if (!windows_.about) return;
    windows_.about->show();
    windows_.about->raise();
    windows_.about->activateWindow();
}

void Scroll::Graphe1Click() {
    if (project_.N() == 0) return;
    pasEncoreDisponible(QStringLiteral("Graphe"));
}

void Scroll::rouletteInverseeClick() {
    wheelDirection_ = rouletteItem_->isChecked() ? -1 : 1;
}

void Scroll::Tabledigitaliser1Click() {
    const bool on = tableItem_->isChecked();
    project_.setTableMode(on);
    for (QScrollBar* bar : {scrollBar1_, scrollBar2_}) {
        bar->setEnabled(!on);
        bar->setVisible(!on);
    }
}

void Scroll::altitude_pm(int sign) {
    if (!windows_.table || !windows_.table->altitudeCheckBox()->isChecked()) return;
    const int row = windows_.table->selectedPointRow();
    if (row < 1 || row > project_.N()) return;
    const model::EntierLu decimals =
        model::lit_entier(altitudePanel_->decimalsBox()->text().toStdString());
    if (decimals.errorPosition != 0) {
        std::string message = "'";
        message += altitudePanel_->decimalsBox()->text().toStdString();
        interaction().information(message + "' n'est pas une valeur entière correcte");
        return;
    }
    const int zCol = project_.indice_col("Z");
    const model::Real z = model::val_reel(project_.points().cell(row, zCol));
    const model::Real delta = model::val_reel(altitudePanel_->deltaBox()->text().toStdString());
    setZOfSelectedPoint(QString::fromStdString(
        model::enleve_blancs(model::_format(z + sign * delta, 8, decimals.value))));
}

void Scroll::setZOfSelectedPoint(const QString& text) {
    if (!windows_.table) return;
    const int row = windows_.table->selectedPointRow();
    if (row < 1 || row > project_.N()) return;
    project_.points().setCell(row, project_.indice_col("Z"), text.toStdString());
    // A changed altitude is unsaved work: quitting offers to save it.
    project_.setSaved(false);
    altitudePanel_->zBox()->setText(text);
}

void Scroll::SpeedButton14Click() {
    project_.setCalibrationMode(static_cast<model::CalibrationMode>(calibrationPanel_->mode()));
    project_.restartCalibration();
    activateWindow();
    setFocus();
    selectMode(digitaliser_);
    ignoreNextClick_ = false;
    calibrationPanel_->hide();
    Redessiner();
}

void Scroll::Button10Click(const QString& typed) {
    if (project_.rescale(typed.toStdString()) == model::RescaleResult::Applied) scalePanel_->hide();
}

} // namespace tracelle::ui

namespace tracelle::ui {

void Scroll::affiche_panel_sauve() {
    exportPanel_->affiche_panel_sauve();
}

} // namespace tracelle::ui
