// Pictures that arrive with their position (a MapInfo table, an ARC/INFO header, a world file,
// GeoTIFF tags) or from the clipboard.
#include "files/LastFolder.h"
#include "georef/Georef.h"
#include "georef/WorldFile.h"
#include "gis/GeoreferencedPicture.h"
#include "gis/GisModule.h"
#include "model/NumberText.h"
#include "picture/BmpCodec.h"
#include "picture/Decoder.h"
#include "platform/Interaction.h"
#include "ui/GeoreferencedPicturePanel.h"
#include "ui/ImageArea.h"
#include "ui/MainWindow.h"
#include "ui/PointsTableWindow.h"
#include "ui/QtPictureDecoder.h"

#include <filesystem>

namespace tracelle::ui {

using platform::interaction;
namespace fs = std::filesystem;

std::optional<std::string> MainWindow::demandeDescripteur(const std::string& title,
                                                          const std::string& filter) {
    // The project in hand is put aside only once the new one can be opened whole.
    if (!gardeLeTravail()) return std::nullopt;
    const auto chosen = interaction().openFileName(files::dansDernierDossier(title, filter));
    if (!chosen) {
        imageArea_->update();
        return std::nullopt;
    }
    files::premiere_ligne_enregistre(files::kLastFolderFile,
                                     fs::path(*chosen).parent_path().string());
    carteEtTableau();
    return chosen;
}

bool MainWindow::ouvreImageCalee(const georef::Calage& calage) {
    if (!calage.ok()) {
        interaction().information(calage.error);
        imageArea_->update();
        return false;
    }
    picture::Decoded decoded;
    {
        platform::BusyCursor busy;
        decoded = picture::decodeFile(calage.picture);
    }
    if (const std::string wrong =
            decoded.ok()
                ? georef::sizeMismatch(calage, decoded.raster.width(), decoded.raster.height())
                : std::string();
        !wrong.empty()) {
        interaction().information(wrong);
        imageArea_->update();
        return false;
    }
    if (!poseImage(calage.picture, std::move(decoded), "", &calage)) return false;
    Redessiner();
    return true;
}

void MainWindow::openMapInfoTab() {
    if (const auto tab =
            demandeDescripteur(tr(" Ouvrir un fichier MapInfo  *.tab").toStdString(),
                               tr("Fichiers (*.tab)|*.tab|Tous les fichiers|*.*").toStdString()))
        ouvreImageCalee(georef::lit_tab(*tab));
}

void MainWindow::openArcInfoHdr() {
    if (const auto hdr =
            demandeDescripteur(tr(" Ouvrir un fichier Arc/Info  *.hdr").toStdString(),
                               tr("Fichiers (*.hdr)|*.hdr|Tous les fichiers|*.*").toStdString()))
        ouvreImageCalee(georef::lit_hdr(*hdr));
}

void MainWindow::chargeImageGeoreferencee() {
    const auto chosen = demandeDescripteur(
        tr(" Ouvrir une image géoréférencée").toStdString(),
        tr("Images géoréférencées (*.tif;*.tiff;*.jpg;*.jpeg;*.png;*.bmp;*.gif;*.tfw;*.tifw;*.jgw;"
           "*.jpgw;*.pgw;*.pngw;*.bpw;*.bmpw;*.gfw;*.wld)|*.tif;*.tiff;*.jpg;*.jpeg;*.png;*.bmp;"
           "*.gif;*.tfw;*.tifw;*.jgw;*.jpgw;*.pgw;*.pngw;*.bpw;*.bmpw;*.gfw;*.wld|Tous les "
           "fichiers|*.*")
            .toStdString());
    if (!chosen) return;
    // A world file chosen stands for the picture beside it.
    std::string picture = *chosen;
    if (georef::estFichierMonde(picture)) {
        picture = georef::pictureForWorldFile(*chosen);
        if (picture.empty()) {
            interaction().information(platform::fill(
                tr("<%1> : aucune image du même nom à côté de ce fichier de calage").toStdString(),
                {*chosen}));
            imageArea_->update();
            return;
        }
    }
    picture::Decoded decoded;
    {
        platform::BusyCursor busy;
        decoded = picture::decodeFile(picture);
    }
    if (!decoded.ok()) {
        interaction().information(picture::decodeFailureMessage(picture, decoded.error));
        return;
    }
    const auto own = gis::ownCalibration(picture, decoded.raster.width(), decoded.raster.height());
    if (!own) {
        interaction().information(
            platform::fill(tr("<%1> ne porte pas de calage : ni étiquettes GeoTIFF, ni fichier "
                              "de calage (*.tfw, *.jgw, *.pgw, *.wld...) à côté d'elle")
                               .toStdString(),
                           {picture}));
        return;
    }
    if (!own->ok()) {
        interaction().information(own->error);
        return;
    }
    if (poseImage(picture, std::move(decoded), "", &*own)) Redessiner();
}

void MainWindow::openClipboardPicture() {
    const auto clipboard = interaction().clipboardPicture();
    if (!clipboard) {
        interaction().information(
            tr("   Pas d'image dans le presse-papier\n\n Pour capturer un écran appuyer sur la "
               "touche [Imp écran]\n\n en maximisant au préalable la résolution de l'écran pour "
               "plus de détails")
                .toStdString());
        return;
    }
    if (!gardeLeTravail()) return;
    auto chosen = interaction().savePictureName(
        files::dansDernierDossier(tr(" Nom de l'image issue du presse-papier").toStdString(),
                                  tr("Bitmap (*.bmp)|*.bmp").toStdString()));
    if (!chosen) return;
    eraseRubberBand();
    if (model::majuscules(*chosen).find(".BMP") == std::string::npos) *chosen += ".bmp";
    {
        platform::BusyCursor busy;
        if (const std::string error = picture::writeBmp(*clipboard, *chosen); !error.empty()) {
            interaction().information(error);
            return;
        }
    }
    ouvreImageChoisie(*chosen);
}

void MainWindow::showCoordinateSystem(const std::string& crs) {
    if (windows_.table) windows_.table->showCoordinateSystem(QString::fromStdString(crs));
}

void MainWindow::enregistreImageGeoreferencee() {
    if (const std::string why = gis::whyNotGeoreferenced(project_); !why.empty()) {
        interaction().information(why);
        return;
    }
    georefPicturePanel_->montre(project_);
}

} // namespace tracelle::ui
