// Saving and opening projects, and taking calibration values or points from another one.
#include "files/Export.h"
#include "files/LastFolder.h"
#include "files/ProjectFile.h"
#include "files/TextFile.h"
#include "model/extraitUTIL.h"
#include "platform/Interaction.h"
#include "platform/Paths.h"
#include "ui/ExportPanel.h"
#include "ui/ImageArea.h"
#include "ui/scroll.h"
#include "ui/scroll2.h"

#include <QTableView>
#include <filesystem>

namespace tracelle::ui {

using platform::interaction;
namespace fs = std::filesystem;

namespace {

std::string fileName(const std::string& path) {
    return fs::path(path).filename().string();
}

std::string folderOf(const std::string& path) {
    return fs::path(path).parent_path().string();
}

// An open dialog over ".trc" files starting in the last folder.
std::optional<std::string> askProjectFile(const std::string& title, const std::string& filter) {
    auto request = files::dansDernierDossier(title, filter);
    const auto chosen = interaction().openFileName(request);
    if (chosen) files::premiere_ligne_enregistre(files::kLastFolderFile, folderOf(*chosen));
    return chosen;
}

} // namespace

bool Scroll::sauve_dans(const std::string& name) {
    project_.setSaved(true);
    if (exportPanel_->writesProject()) {
        const std::string error = files::sauve_projet(project_, files::nomProjet(name));
        if (!error.empty()) {
            interaction().information(error);
            return false;
        }
    }
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

void Scroll::sauve_fic_points() {
    auto request = files::dansDernierDossier(
        " Enregistrer pour TRACELLE, EXCEL et TEXTE",
        "Fichiers texte (*.trc,*.xls,*.txt,*.bln)|*.trc;*.xls;*.txt;*.bln|Tous les fichiers "
        "(*.*)|*.*");
    const std::string image = fileName(project_.picture().file);
    request.fileName = image.substr(0, image.find('.'));
    request.defaultExtension = "trc";
    const auto chosen = interaction().saveFileName(request);
    if (!chosen) {
        if (layer_.empty()) image1_->update();
        return;
    }
    sauve_dans(*chosen);
    files::premiere_ligne_enregistre(files::kLastFolderFile, folderOf(*chosen));
}

void Scroll::Enregistrerlespoints1Click() {
    // The project file only: the export stays for "Traiter" on the export panel.
    exportPanel_->setWrites(true, false);
    sauve_fic_points();
}

void Scroll::Button2Click() {
    if (!interaction().confirm(
            "Voulez-vous copier les points de calage et les autres \r  dans le presse "
            "papier (valeurs séparées par TABULATION) \r  et dans un fichier "
            "<presse_papier.xls> ?"))
        return;
    std::string file;
    std::string clipboard;
    const auto rows = [&](const model::TextTable& table, int first) {
        for (int r = first; r < table.rowCount(); ++r) {
            for (int c = 0; c < table.columnCount(); ++c)
                file += table.cell(r, c) + '\t';
            file += "\r\n";
            for (int c = 1; c <= 5; ++c)
                clipboard += table.cell(r, c) + '\t';
            clipboard += "\r\n";
        }
    };
    rows(project_.calibration(), 0);
    rows(project_.points(), 1);
    // Tab-separated text that spreadsheets open by its ".xls" name.
    const std::string path = platform::configFile("presse_papier.xls");
    if (!files::writeTextFile(path, file).empty()) return;
    interaction().setClipboardText(clipboard);
    interaction().information("Le presse-papier est à jour \r ainsi que le fichier <" + path + ">");
}

void Scroll::Copierdanslepressepaier1Click() {
    const std::string name = platform::currentDirFile("~tmp.txt");
    if (!sauve_dans(name)) return;
    std::string error;
    const auto text = files::readTextFile(name, &error);
    if (!text) {
        interaction().information(error);
        return;
    }
    // The whole text, however long.
    interaction().setClipboardText(*text);
    interaction().information(" Presse papier... OK   ");
}

void Scroll::Liredespoints1Click() {
    std::string path;
    if (!parametre_.isEmpty()) {
        path = parametre_.toStdString();
        parametre_.clear();
    } else {
        const auto chosen = askProjectFile(" Ouvrir un fichier TRACELLE *.trc",
                                           "Fichiers txt (*.trc)|*.trc;Tous (*.*)|*.*");
        if (!chosen) {
            image1_->update();
            return;
        }
        path = *chosen;
    }
    platform::BusyCursor busy;
    files::premiere_ligne_enregistre(files::kLastFolderFile, folderOf(path));
    projectFile_ = path;

    std::string error;
    auto read = files::lisProjet(path, error);
    if (!read) {
        interaction().information(error);
        return;
    }
    const std::string& image = read->image;
    if (!project_.picture().file.empty() && fileName(image) != fileName(project_.picture().file) &&
        !interaction().confirm(
            " L'image relative à ce fichier est différente de l'image actuelle\n\nimage "
            "actuelle =<" +
            fileName(project_.picture().file) + ">\nimage fichier  =<" + fileName(image) +
            ">\n Pour traiter néanmoins cette nouvelle image et sa "
            "digitalisation "))
        return;
    CarteTableauClick();
    project_.picture().file = image;
    if (!image.empty()) {
        project_.picture().canvasWidth = read->width;
        project_.picture().canvasHeight = read->height;
        project_.picture().ox = read->dx0;
        project_.picture().oy = read->dy0;
        if (!Ouvrir_fichier_image(image, "relecture", path)) {
            project_.picture().file.clear();
            return;
        }
    } else {
        ouvrir_sans_bmp();
    }
    if (read->countFailure) {
        interaction().information("erreur =" + std::to_string(read->countFailure));
        return;
    }
    const int n = static_cast<int>(read->n);
    const int nl = static_cast<int>(read->lines);
    files::appliqueTables(project_, std::move(read->tables), static_cast<int>(read->k), n, nl);
    project_.setSaved(true);
    if (n > 0) {
        showPointsGrid();
        selectRow(model::TableId::Points, n);
        selectRow(model::TableId::Lines, nl);
    }
    pointCountChanged(project_.N());
    Redessiner();
}

void Scroll::SpeedButton9Click() {
    if (!interaction().confirm("A partir d'un fichier *.trc , \nremplacement au maximum des 9 "
                               "valeurs réelles (X,Y,Z) des 3 "
                               "points de calibration  \n\n1- les autres points digitalisés sont "
                               "ignorés \n2- seules les "
                               "coordonnées réelles (X,Y,Z) sont importées\n   et non les "
                               "coordonnées image (x,y)\n   => les 3 "
                               "points de calibration peuvent provenir d'une autre vue, c'est à "
                               "dire d'une autre image \n     "
                               "     traitant des mêmes sites de calibration"))
        return;
    const auto chosen =
        askProjectFile("Remplacer les valeurs réelles (X,Y) des 3 points de calibration",
                       "Fichiers (*.trc)|*.trc");
    if (!chosen) return;
    auto text = readOtherProject(*chosen, " Importer malgré tout les points de calibration ?");
    if (!text) return;
    int w, h, dx0, dy0;
    std::int64_t n = 0, nl = 0, k = 0;
    if (text->readCanvas(w, h, dx0, dy0) || text->readCounts(n, nl, k)) {
        interaction().information(" Le fichier n'est pas compatible ");
        return;
    }
    platform::BusyCursor busy;
    files::importeValeursCalage(
        project_, files::litTables(*text, text->tablesStart(),
                                   static_cast<int>(std::clamp<std::int64_t>(k, 0, 3)), 0, 0));
    project_.setSaved(false);
    Redessiner();
}

void Scroll::SpeedButton4Click_completer() {
    if (!interaction().confirm("Lors du rajout des points image (x,y) du fichier *.trc  ,\n\n1- "
                               "les points de calibration "
                               "sont ignorés \n2- les points digitalisés sont importés avec leurs "
                               "coordonnées image x,y\n   et "
                               "non leur coordonnées réelles X,Y \n   => la calibration courante "
                               "éventuellement différente ne "
                               "modifiera pas l'import (le polygone)\n   => à faire de préférence "
                               "sur une même image de fond"))
        return;
    const auto chosen = askProjectFile(
        "Compléter avec une série de points associés à la même image", "Fichiers (*.trc)|*.trc");
    if (!chosen) return;
    auto text = readOtherProject(*chosen, " Importer malgré tout les points X Y ?");
    if (!text) return;
    int w, h, dx0, dy0;
    std::int64_t n = 0, nl = 0, k = 0;
    const std::int64_t remaining = static_cast<std::int64_t>(text->lineCount());
    if (text->readCanvas(w, h, dx0, dy0) || text->readCounts(n, nl, k) || k < 0 || k > 3 || n < 0 ||
        nl < 0 || n + nl > remaining) {
        interaction().information(" Le fichier n'est pas compatible ");
        return;
    }
    platform::BusyCursor busy;
    const auto tables = files::litTables(*text, text->tablesStart(), static_cast<int>(k),
                                         static_cast<int>(n), static_cast<int>(nl));
    files::completePoints(project_, tables);
    project_.setSaved(false);
    pointCountChanged(project_.N());
    Redessiner();
}

std::optional<files::ProjectText> Scroll::readOtherProject(const std::string& path,
                                                           const std::string& question) {
    const auto first = files::ProjectText::firstLine(path);
    if (!first || *first != files::kProjectKeyword) {
        interaction().information(" Le fichier n'est pas compatible ");
        return std::nullopt;
    }
    std::string error;
    auto text = files::ProjectText::read(path, &error);
    if (!text) {
        interaction().information(error);
        return std::nullopt;
    }
    const std::string image = fileName(std::string(text->line(1)));
    if (image != fileName(project_.picture().file) &&
        !interaction().confirm(" L'image de fond <" + image +
                               "> est différente de l'image actuelle <" + project_.picture().file +
                               "> \n\n" + question))
        return std::nullopt;
    return text;
}

} // namespace tracelle::ui
