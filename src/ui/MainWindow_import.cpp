// Points from a text file or a spreadsheet, and calibration values pasted from the clipboard.
#include "files/LastFolder.h"
#include "files/PointImport.h"
#include "files/ReviewedText.h"
#include "files/TextFile.h"
#include "files/Workbook.h"
#include "model/NumberText.h"
#include "platform/Interaction.h"
#include "platform/Language.h"
#include "platform/Paths.h"
#include "ui/MainWindow.h"
#include "ui/PointsTableWindow.h"
#include "ui/SheetImportPanel.h"

#include <QLineEdit>
#include <filesystem>

namespace tracelle::ui {

using platform::interaction;

void MainWindow::importTextPoints() {
    if (!interaction().confirm(
            tr("Rajout de points X,Y à partir d'un fichier texte\n\n Les "
               "coordonnées importées sont réelles "
               "X,Y, c'est à dire que les coordonnées image x,y\n sont recalculées "
               "à partir des réelles avec "
               "le calibrage courant\n\n Puis une fois déposés sur l'image on "
               "recalcule les réelles dont les "
               "valeurs seront\n un peu différentes de celles importées à cause du "
               "nombre limité de pixels "
               "(LxH) de l'image")
                .toStdString()))
        return;
    if (interaction().dlg_titre_message_ONEK_oui_non(
            tr("Le fichier TEXTE contient 2 ou 3 colonnes, X  Y et éventuellement Libellé")
                .toStdString(),
            tr(" exemple :\n0.23 111.5 pointA\n1.25 215.6 pointB\n    etc...\n le séparateur "
               "peut-être "
               "l'espace ou la tabulation\n les valeurs sont recalculées par rapport au nombre de "
               "pixels!\n "
               "les ligne commençant par ' seront ignorées")
                .toStdString(),
            "ON", tr("Continuer").toStdString(), tr("annuler").toStdString(),
            platform::DialogWidth::Wide) != 'O')
        return;
    auto request = files::dansDernierDossier(tr("Ouvrir un fichier X  Y").toStdString(),
                                             tr("Fichiers (*.txt)|*.txt").toStdString());
    const auto chosen = interaction().openFileName(request);
    if (!chosen) return;
    const auto reviewed = files::texteRevu(*chosen);
    if (!reviewed) return;
    files::premiere_ligne_enregistre(files::kLastFolderFile,
                                     std::filesystem::path(*chosen).parent_path().string());
    platform::BusyCursor busy;
    const files::ImportResult result = files::ajoutePointsTexte(
        project_, *reviewed, [this] { project_.Nouvelle_suite_de_points(); });
    if (result.added > 0) finImport();
    if (result.passedOver > 0) interaction().information(files::bilanImport(result));
}

void MainWindow::finImport() {
    project_.setSaved(false);
    pointCountChanged(project_.N());
    majStatut();
    project_.setLineBreakPending(false);
    Redessiner();
}

void MainWindow::chooseSpreadsheet() {
    if (!interaction().confirm(
            tr("Rajout de points X,Y à partir d'un fichier issu d'un Tableur \n\n Les coordonnées "
               "importées sont réelles (X,Y), c'est à dire que les coordonnées image (x,y)\n sont "
               "calculées à partir des réelles avec le calibrage courant\n\n Puis une fois déposés "
               "sur l'image on recalcule les réelles dont les valeurs seront\n un peu différentes "
               "de celles importées à cause du nombre limité de pixels (LxH) de l'image")
                .toStdString()))
        return;
    // Any file may be chosen: its content, not its name, tells the format.
    auto request = files::dansDernierDossier(
        tr("Ouvrir un fichier X  Y Lib ...").toStdString(),
        std::string(platform::translate("Workbook", files::kWorkbookFilter)) +
            tr("|Tous les fichiers (*.*)|*.*").toStdString());
    const auto chosen = interaction().openFileName(request);
    if (!chosen) return;
    sheetImportPanel_->setFile(QString::fromStdString(*chosen));
    sheetImportPanel_->show();
    sheetImportPanel_->raise();
}

void MainWindow::importSpreadsheetPoints() {
    files::SheetColumns columns;
    int* fields[5] = {&columns.label, &columns.X, &columns.Y, &columns.Z, &columns.firstRow};
    for (int i = 0; i < 5; ++i)
        *fields[i] = model::val_entier(sheetImportPanel_->box(i)->text().toStdString());
    if (const std::string why = files::colonnesIllisibles(columns); !why.empty()) {
        interaction().information(why);
        return;
    }
    const std::string path = sheetImportPanel_->path().toStdString();
    std::string error;
    const auto workbook = files::Workbook::open(path, error);
    if (!workbook) {
        interaction().information(platform::fill(
            tr("Impossible d'ouvrir le classeur %1 :\n%2").toStdString(), {path, error}));
        return;
    }
    platform::BusyCursor busy;
    const files::ImportResult result = files::ajoutePointsTableur(
        project_, *workbook, columns, [this](int n) { sheetImportPanel_->showProgress(n); },
        [this] { project_.Nouvelle_suite_de_points(); });
    interaction().information(files::bilanImport(result));
    sheetImportPanel_->hide();
    if (result.added > 0) finImport();
}

void MainWindow::pasteCalibrationValues() {
    const std::string text = interaction().clipboardText();
    if (windows_.table) windows_.table->showPaste(QString::fromStdString(text));
    const bool replace =
        interaction().confirm(tr(" Voulez-vous remplacer les valeurs réelles des calibrations "
                                 "(X,Y,Z) \n\n avec le contenu du presse-papier visible de "
                                 "côté ?  ==> ")
                                  .toStdString());
    if (replace) {
        // Told while the paste is still shown, so that the named line can be found in it.
        if (const std::string refused = files::colleValeursCalage(project_, text);
            !refused.empty()) {
            interaction().information(refused);
        } else {
            project_.setSaved(false);
            Redessiner();
        }
    }
    if (windows_.table) windows_.table->hidePaste();
}

} // namespace tracelle::ui
