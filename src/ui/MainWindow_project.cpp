// Saving and opening projects, and taking calibration values or points from another one.
#include "files/Export.h"
#include "files/LastFolder.h"
#include "files/ProjectFile.h"
#include "files/RecentProjects.h"
#include "files/Recovery.h"
#include "files/TextFile.h"
#include "model/NumberText.h"
#include "platform/Interaction.h"
#include "platform/Paths.h"
#include "ui/ExportPanel.h"
#include "ui/ImageArea.h"
#include "ui/MainWindow.h"
#include "ui/PointsTableWindow.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QStatusBar>
#include <QTableView>
#include <filesystem>

namespace tracelle::ui {

using platform::interaction;
namespace fs = std::filesystem;

namespace {

constexpr int kSecoursFailureShownMs = 15000;

std::string fileName(const std::string& path) {
    return fs::path(path).filename().string();
}

std::string folderOf(const std::string& path) {
    return fs::path(path).parent_path().string();
}

// The name a never saved project without a picture leaves in its copy against a crash; shown
// translated, kept French in the file.
constexpr const char* kUnnamed = QT_TRANSLATE_NOOP("tracelle::ui::MainWindow", "sans nom");

// An open dialog over ".trc" files starting in the last folder.
std::optional<std::string> askProjectFile(const std::string& title, const std::string& filter) {
    auto request = files::dansDernierDossier(title, filter);
    const auto chosen = interaction().openFileName(request);
    if (chosen) files::premiere_ligne_enregistre(files::kLastFolderFile, folderOf(*chosen));
    return chosen;
}

} // namespace

bool MainWindow::ecritProjet(const std::string& name) {
    const std::string path = files::nomProjet(name);
    if (const std::string error = files::sauve_projet(project_, path); !error.empty()) {
        interaction().information(error);
        return false;
    }
    std::error_code ec;
    projectFile_ = fs::absolute(path, ec).string();
    files::noteProjetRecent(projectFile_);
    project_.setSaved(true);
    files::effaceSecours(); // the file holds the work now
    majTitre();
    return true;
}

void MainWindow::ecritSecours() {
    const model::History& h = project_.history();
    if (project_.saved() || layer_.empty() || h.version() == secoursVersion_) return;
    secoursVersion_ = h.version(); // a failed copy is tried again at the next change
    const std::string name = !projectFile_.empty() ? projectFile_
                             : !project_.picture().file.empty()
                                 ? fs::path(project_.picture().file).filename().string()
                                 : std::string(kUnnamed);
    const std::string error = files::ecritSecours(project_, name, projectFile_);
    // Said once, in the status bar: no reason to interrupt the user's work.
    if (!error.empty() && !secoursFailureTold_)
        statusBar()->showMessage(tr("La copie de secours ne peut pas être écrite : %1")
                                     .arg(QString::fromStdString(error)),
                                 kSecoursFailureShownMs);
    secoursFailureTold_ = !error.empty();
}

void MainWindow::proposeSecours() {
    const auto left = files::secoursLaisse();
    if (!left) return;
    const QString when = QFileInfo(QString::fromStdString(files::cheminSecours()))
                             .lastModified()
                             .toString(QStringLiteral("dd/MM/yyyy HH:mm"));
    if (interaction().confirm(
            tr("Tracelle s'est fermé sans enregistrer le projet %1. Rouvrir la "
               "copie de secours du %2 ?")
                .arg(left->name == kUnnamed ? tr(kUnnamed) : QString::fromStdString(left->name),
                     when)
                .toStdString()))
        litProjet(files::cheminSecours(), left->projectFile);
    else
        files::effaceSecours();
}

bool MainWindow::sauve_dans(const std::string& name) {
    // Only a written project file makes the work saved: an export alone, or a failed
    // write, leaves the question at closing.
    if (exportPanel_->writesProject() && !ecritProjet(name)) return false;
    if (!exportPanel_->writesExport()) return true;
    const files::ExportChoices choices = exportPanel_->choices();
    const files::ExportResult result = files::exporte(project_, choices);
    if (!result.error.empty()) {
        interaction().information(result.error);
        return false;
    }
    exportPanel_->showRead(result.xMinRead, result.xMaxRead);
    const std::string base = (fs::path(name).parent_path() / fs::path(name).stem()).string();
    const std::string path = files::nomExport(base, choices.extension);
    if (const std::string error = files::writeTextFile(path, result.text); !error.empty()) {
        interaction().information(error);
        return false;
    }
    interaction().setClipboardText(result.text);
    interaction().openWithDesktop(path);
    return true;
}

std::optional<std::string> MainWindow::demandeNomProjet() {
    auto request = files::dansDernierDossier(
        tr(" Enregistrer pour TRACELLE, EXCEL et TEXTE").toStdString(),
        tr("Fichiers texte (*.trc,*.xls,*.txt,*.bln)|*.trc;*.xls;*.txt;*.bln|Tous les fichiers "
           "(*.*)|*.*")
            .toStdString());
    // A project opened or saved before keeps its name; a new one is named after its picture.
    const std::string named =
        fileName(projectFile_.empty() ? project_.picture().file : projectFile_);
    request.fileName = named.substr(0, named.find('.'));
    request.defaultExtension = "trc";
    const auto chosen = interaction().saveFileName(request);
    if (!chosen) {
        if (layer_.empty()) imageArea_->update();
        return std::nullopt;
    }
    files::premiere_ligne_enregistre(files::kLastFolderFile, folderOf(*chosen));
    return chosen;
}

bool MainWindow::sauve_fic_points() {
    const auto chosen = demandeNomProjet();
    return chosen && sauve_dans(*chosen);
}

void MainWindow::saveProject() {
    // The project file only: the export stays for "Traiter" on the export panel.
    exportPanel_->setWrites(true, false);
    sauve_fic_points();
}

bool MainWindow::gardeLeTravail() {
    return proposeEnregistrement(
        tr("Le projet en cours n'est pas enregistré. L'enregistrer avant de continuer ?")
            .toStdString());
}

bool MainWindow::proposeEnregistrement(const std::string& question) {
    if (project_.saved()) return true;
    switch (interaction().dlg_titre_message_ONEK_oui_non(
        tr("Projet non enregistré").toStdString(), question, "ONE", tr("Enregistrer").toStdString(),
        tr("Ne pas enregistrer").toStdString(), platform::DialogWidth::Narrow)) {
    case 'O': {
        // The project file alone, whatever the export panel holds: that is what is at stake.
        const auto chosen = demandeNomProjet();
        return chosen && ecritProjet(*chosen);
    }
    case 'N':
        // Not to be offered after a crash; copied again while it stays in hand.
        files::effaceSecours();
        secoursVersion_.reset();
        return true;
    default:
        return false;
    }
}

void MainWindow::copyTablesToClipboard() {
    if (!interaction().confirm(
            tr("Voulez-vous copier les points de calage et les autres \r  dans le presse "
               "papier (valeurs séparées par TABULATION) \r  et dans un fichier "
               "<presse_papier.xls> ?")
                .toStdString()))
        return;
    std::string file;
    std::string clipboard;
    const auto rows = [&](const model::TextTable& table, int first) {
        for (int r = first; r < table.rowCount(); ++r) {
            for (int c = 0; c < table.columnCount(); ++c)
                (file += table.cell(r, c)) += '\t';
            file += "\r\n";
            for (int c = 1; c <= 5; ++c)
                (clipboard += table.cell(r, c)) += '\t';
            clipboard += "\r\n";
        }
    };
    rows(project_.calibration(), 0);
    rows(project_.points(), 1);
    // Tab-separated text that spreadsheets open by its ".xls" name.
    const std::string path = platform::configFile("presse_papier.xls");
    if (!files::writeTextFile(path, file).empty()) return;
    interaction().setClipboardText(clipboard);
    interaction().information(platform::fill(
        tr("Le presse-papier est à jour \r ainsi que le fichier <%1>").toStdString(), {path}));
}

void MainWindow::copyExportToClipboard() {
    // The export made in memory: no working file to leave behind, and the project's own file
    // and saved state are not touched.
    const files::ExportResult result = files::exporte(project_, exportPanel_->choices());
    if (!result.error.empty()) {
        interaction().information(result.error);
        return;
    }
    exportPanel_->showRead(result.xMinRead, result.xMaxRead);
    interaction().setClipboardText(result.text);
    interaction().information(tr(" Presse papier... OK   ").toStdString());
}

void MainWindow::openProject() {
    if (!parametre_.isEmpty()) {
        const std::string path = parametre_.toStdString();
        parametre_.clear();
        ouvreProjet(path);
        return;
    }
    if (!gardeLeTravail()) return;
    const auto chosen =
        askProjectFile(tr(" Ouvrir un fichier TRACELLE *.trc").toStdString(),
                       tr("Fichiers txt (*.trc)|*.trc|Tous (*.*)|*.*").toStdString());
    if (!chosen) {
        imageArea_->update();
        return;
    }
    litProjet(*chosen);
}

void MainWindow::ouvreProjet(const std::string& path) {
    if (gardeLeTravail()) litProjet(path);
}

bool MainWindow::litProjet(const std::string& path, const std::optional<std::string>& recovered) {
    platform::BusyCursor busy;
    if (!recovered) files::premiere_ligne_enregistre(files::kLastFolderFile, folderOf(path));

    files::ProjectError error;
    auto read = files::lisProjet(path, error);
    if (!read) {
        interaction().information(error.message);
        return false;
    }
    const std::string& image = read->image;
    if (!project_.picture().file.empty() && fileName(image) != fileName(project_.picture().file) &&
        !interaction().confirm(platform::fill(
            tr(" L'image relative à ce fichier est différente de l'image actuelle\n\nimage "
               "actuelle =<%1>\nimage fichier  =<%2>\n Pour traiter néanmoins cette nouvelle "
               "image et sa digitalisation ")
                .toStdString(),
            {fileName(project_.picture().file), fileName(image)})))
        return false;
    std::optional<PreparedPicture> picture;
    if (!image.empty()) {
        picture = prepareImage(image, platform::PdfPage{read->pdfPage, read->pdfDpi}, path);
        if (!picture) return false;
    }

    commitProject(std::move(*read), std::move(picture));
    if (recovered) {
        // The work a crash interrupted: still to be saved, under its own name.
        projectFile_ = *recovered;
        project_.setSaved(false);
    } else {
        std::error_code ec;
        projectFile_ = fs::absolute(path, ec).string();
        files::noteProjetRecent(projectFile_);
    }
    majTitre();
    return true;
}

void MainWindow::commitProject(files::ProjetLu read, std::optional<PreparedPicture> picture) {
    // A picture found elsewhere than the project says: its new place is only kept by a save.
    const bool pictureMoved = picture && picture->path != read.image;
    carteEtTableau();
    if (picture) {
        project_.picture() = {read.image, read.width, read.height, read.dx0, read.dy0};
        poseImage(picture->path, std::move(picture->decoded), "relecture");
        project_.picture().pdfPage = picture->pdfPage;
        project_.picture().pdfDpi = picture->pdfDpi;
    } else {
        nouvelleFeuille();
    }
    const int n = static_cast<int>(read.n);
    const int nl = static_cast<int>(read.lines);
    files::appliqueTables(project_, std::move(read.tables), static_cast<int>(read.k), n, nl);
    project_.history().clear(); // a new project: nothing before it to undo
    project_.setSaved(!pictureMoved);
    if (n > 0) {
        showPointsGrid();
        selectRow(model::TableId::Points, n);
        selectRow(model::TableId::Lines, nl);
    }
    pointCountChanged(project_.N());
    Redessiner();
}

void MainWindow::fillRecentProjects(QMenu* menu) {
    menu->clear();
    const std::vector<std::string> recent = files::projetsRecents();
    if (recent.empty()) menu->addAction(tr("(aucun)"))->setEnabled(false);
    for (const std::string& path : recent) {
        connect(menu->addAction(QString::fromStdString(path)), &QAction::triggered, this,
                [this, path] {
                    if (!fs::exists(path)) {
                        files::oublieProjetRecent(path);
                        interaction().information(platform::fill(
                            tr("Le projet <%1> est introuvable : il est retiré de la liste des "
                               "projets récents.")
                                .toStdString(),
                            {path}));
                        return;
                    }
                    ouvreProjet(path);
                });
    }
}

void MainWindow::importCalibrationValues() {
    if (!interaction().confirm(
            tr("A partir d'un fichier *.trc , \nremplacement au maximum des 9 "
               "valeurs réelles (X,Y,Z) des 3 "
               "points de calibration  \n\n1- les autres points digitalisés sont "
               "ignorés \n2- seules les "
               "coordonnées réelles (X,Y,Z) sont importées\n   et non les "
               "coordonnées image (x,y)\n   => les 3 "
               "points de calibration peuvent provenir d'une autre vue, c'est à "
               "dire d'une autre image \n     "
               "     traitant des mêmes sites de calibration")
                .toStdString()))
        return;
    const auto chosen = askProjectFile(
        tr("Remplacer les valeurs réelles (X,Y) des 3 points de calibration").toStdString(),
        tr("Fichiers (*.trc)|*.trc").toStdString());
    if (!chosen) return;
    const auto read = readOtherProject(
        *chosen, tr(" Importer malgré tout les points de calibration ?").toStdString());
    if (!read) return;
    platform::BusyCursor busy;
    files::importeValeursCalage(project_, read->tables);
    project_.setSaved(false);
    Redessiner();
}

void MainWindow::addPointsFromProject() {
    if (!interaction().confirm(
            tr("Lors du rajout des points image (x,y) du fichier *.trc  ,\n\n1- "
               "les points de calibration "
               "sont ignorés \n2- les points digitalisés sont importés avec leurs "
               "coordonnées image x,y\n   et "
               "non leur coordonnées réelles X,Y \n   => la calibration courante "
               "éventuellement différente ne "
               "modifiera pas l'import (le polygone)\n   => à faire de préférence "
               "sur une même image de fond")
                .toStdString()))
        return;
    const auto chosen = askProjectFile(
        tr("Compléter avec une série de points associés à la même image").toStdString(),
        tr("Fichiers (*.trc)|*.trc").toStdString());
    if (!chosen) return;
    const auto read =
        readOtherProject(*chosen, tr(" Importer malgré tout les points X Y ?").toStdString());
    if (!read) return;
    platform::BusyCursor busy;
    files::completePoints(project_, read->tables);
    project_.setSaved(false);
    pointCountChanged(project_.N());
    Redessiner();
}

std::optional<files::ProjetLu> MainWindow::readOtherProject(const std::string& path,
                                                            const std::string& question) {
    const auto first = files::ProjectText::firstLine(path);
    if (!first || *first != files::kProjectKeyword) {
        interaction().information(tr(" Le fichier n'est pas compatible ").toStdString());
        return std::nullopt;
    }
    // Checked whole as an open checks it: nothing of it is taken unless every row reads.
    files::ProjectError error;
    auto read = files::lisProjet(path, error);
    if (!read) {
        interaction().information(error.message);
        return std::nullopt;
    }
    const std::string image = fileName(read->image);
    if (image != fileName(project_.picture().file) &&
        !interaction().confirm(platform::fill(
            tr(" L'image de fond <%1> est différente de l'image actuelle <%2> \n\n%3")
                .toStdString(),
            {image, project_.picture().file, question})))
        return std::nullopt;
    return read;
}

} // namespace tracelle::ui
