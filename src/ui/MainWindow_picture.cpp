// Opening the background picture, placing it in its canvas, and saving the layer.
#include "files/LastFolder.h"
#include "files/PictureLocator.h"
#include "georef/GeoTiff.h"
#include "georef/Georef.h"
#include "gis/GisModule.h"
#include "picture/Decoder.h"
#include "picture/JpegCodec.h"
#include "picture/PictureWriter.h"
#include "picture/Placement.h"
#include "platform/Interaction.h"
#include "ui/CalibrationPanels.h"
#include "ui/ImageArea.h"
#include "ui/MainWindow.h"
#include "ui/PdfPicture.h"
#include "ui/PointsTableWindow.h"
#include "ui/QtPictureDecoder.h"

#include <QAction>
#include <QEventLoop>
#include <QLabel>
#include <QPointer>
#include <QScrollBar>
#include <QTableView>
#include <algorithm>
#include <filesystem>
#include <optional>
#include <thread>

namespace tracelle::ui {

using platform::interaction;
namespace fs = std::filesystem;

namespace {

// The calibration a picture carries. GeoTIFF tags are read through the GIS module, whose
// libraries take a tenth of a second to load: they load on another thread while the window
// shows the picture's first rows. Clicks and keys wait for the questions about the picture.
std::optional<georef::Calage> ownCalibration(const std::string& path, int w, int h) {
    if (!georef::mayCarryGeoTiffTags(path)) return gis::ownCalibration(path, w, h);
    QEventLoop loop;
    std::optional<georef::Calage> own;
    std::thread reader([&] {
        own = gis::ownCalibration(path, w, h);
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    reader.join();
    return own;
}

} // namespace

void MainWindow::Ouvrir_bmp() {
    if (!gardeLeTravail()) return;
    auto request =
        files::dansDernierDossier(tr(" Ouvrir un fichier image").toStdString(), filtreImages());
    const auto chosen = interaction().openFileName(request);
    if (!chosen) {
        imageArea_->update();
        return;
    }
    ouvreImageChoisie(*chosen);
}

void MainWindow::ouvreImageChoisie(const std::string& path) {
    files::premiere_ligne_enregistre(files::kLastFolderFile, fs::path(path).parent_path().string());
    carteEtTableau();
    Ouvrir_fichier_image(path, "");
    Redessiner();
}

void MainWindow::ouvreImage(const std::string& path,
                            std::unique_ptr<picture::PictureLoading> loading) {
    if (const std::string error = awaitSmallPicture(*loading); !error.empty()) {
        interaction().information(picture::decodeFailureMessage(path, error));
        return;
    }
    files::premiere_ligne_enregistre(files::kLastFolderFile, fs::path(path).parent_path().string());
    carteEtTableau();
    poseArriving(path, std::move(loading), "");
    Redessiner();
}

bool MainWindow::Ouvrir_fichier_image(const std::string& file, const std::string& mode,
                                      const std::string& projectFile) {
    model::PictureState& state = project_.picture();
    std::optional<platform::PdfPage> page;
    if (!mode.empty()) page = platform::PdfPage{state.pdfPage, state.pdfDpi};
    // Found and decoded before anything is cleared: a file that cannot be read leaves the
    // picture and the project as they were.
    // A new picture shows as it is decoded; one a project re-reads is read whole first.
    auto prepared = prepareImage(file, page, projectFile, mode.empty());
    if (!prepared) return false;
    if (!(prepared->loading ? poseArriving(prepared->path, std::move(prepared->loading), mode)
                            : poseImage(prepared->path, std::move(prepared->decoded), mode)))
        return false;
    state.pdfPage = prepared->pdfPage;
    state.pdfDpi = prepared->pdfDpi;
    return true;
}

std::optional<MainWindow::PreparedPicture>
MainWindow::prepareImage(const std::string& file, std::optional<platform::PdfPage> page,
                         const std::string& projectFile, bool arriving) {
    const files::PictureLocation where = files::localise_image(file, projectFile);
    PreparedPicture prepared;
    prepared.path = where.found;
    if (prepared.path.empty()) {
        if (!interaction().confirm(where.question)) return std::nullopt;
        auto request = files::dansDernierDossier(where.searchTitle, filtreImages());
        request.fileName = where.proposedName;
        const auto chosen = interaction().openFileName(request);
        if (!chosen) return std::nullopt;
        prepared.path = *chosen;
    }
    const std::string& path = prepared.path;

    // A PDF page chosen now, or the one a project names (asked for when it names none).
    const bool pdf = isPdf(path);
    if (pdf && (!page || page->page < 1 || page->dpi < 1)) {
        std::string error;
        const int pages = pdfPageCount(path, &error);
        if (pages < 1) {
            interaction().information(picture::decodeFailureMessage(path, error));
            return std::nullopt;
        }
        page = interaction().choosePdfPage(path, pages);
        if (!page) return std::nullopt;
    }
    {
        platform::BusyCursor busy;
        if (pdf) {
            prepared.decoded = decodePdfPage(path, page->page, page->dpi);
        } else if (!arriving) {
            prepared.decoded = picture::decodeFile(path);
        } else {
            auto loading = picture::PictureLoading::ofFile(path);
            if (const std::string error = awaitSmallPicture(*loading); error.empty())
                prepared.loading = std::move(loading);
            else
                prepared.decoded = picture::failed(error);
        }
    }
    if (!prepared.loading && !prepared.decoded.ok()) {
        interaction().information(picture::decodeFailureMessage(path, prepared.decoded.error));
        return std::nullopt;
    }
    if (pdf) {
        prepared.pdfPage = page->page;
        prepared.pdfDpi = page->dpi;
    }
    return prepared;
}

bool MainWindow::poseImage(const std::string& path, picture::Decoded decoded,
                           const std::string& mode, const georef::Calage* calage) {
    if (!decoded.ok()) {
        interaction().information(picture::decodeFailureMessage(path, decoded.error));
        return false;
    }
    return posePicture(path, std::make_shared<const picture::Raster>(std::move(decoded.raster)),
                       nullptr, mode, calage);
}

bool MainWindow::posePicture(const std::string& path,
                             std::shared_ptr<const picture::Raster> picture,
                             std::shared_ptr<const picture::RowArrival> arrival,
                             const std::string& mode, const georef::Calage* calage) {
    model::PictureState& state = project_.picture();
    const int w = picture->width();
    const int h = picture->height();

    if (!mode.empty() && (state.canvasWidth < w + state.ox || state.canvasHeight < h + state.oy)) {
        // A canvas too small for the picture at its offset (a file edited by hand): the
        // picture is kept whole.
        state.canvasWidth = std::max(state.canvasWidth, w + std::max(state.ox, 0));
        state.canvasHeight = std::max(state.canvasHeight, h + std::max(state.oy, 0));
    }
    const picture::Placement placed =
        mode.empty()
            ? picture::placePicture(w, h, keepProportions(), imageArea_->width(),
                                    imageArea_->height())
            : picture::Placement{state.canvasWidth, state.canvasHeight, state.ox, state.oy};

    platform::BusyCursor busy;
    // A picture or a blank sheet already open: its points go with it.
    if (!layer_.empty()) project_.clearPointsAndLines();
    // The margins of the canvas: teal, as the picture is framed on screen. The picture is
    // placed, not copied.
    layer_ =
        picture::Layer::over(std::move(picture), placed.canvasWidth, placed.canvasHeight, placed.ox,
                             placed.oy, picture::rgb555(0, 128, 128), std::move(arrival));
    state.file = path;
    state.canvasWidth = placed.canvasWidth;
    state.canvasHeight = placed.canvasHeight;
    state.ox = placed.ox;
    state.oy = placed.oy;

    clearCoordinates();
    status_[1]->setText(
        QString::fromStdString(picture::LxHxC(layer_.width(), layer_.height(), 15)));
    project_.mess_3_calage_svp_et_init();
    affecte_bitmap_img();
    pictureCaption_ = QStringLiteral("    t r a c e l l e                  ") +
                      QString::fromStdString(fs::path(path).filename().string()) + "  " +
                      QString::fromStdString(picture::sizeText(w, h));
    pointCountChanged(project_.N());
    if (mode.empty()) {
        // A new picture starts a new project, with nothing to save yet.
        projectFile_.clear();
        project_.setSaved(true);
        project_.setDefaultCalibration(w, h, placed.ox, placed.oy);
        project_.history().clear(); // nothing before the new picture to undo
        showPointsGrid();
    }
    majTitre();
    showCoordinateSystem({});
    // A picture that carries its own calibration offers it in place of the frame of pixels.
    std::optional<georef::Calage> own;
    bool choosePoints = false;
    askingAboutPicture_ = true;
    if (mode.empty() && !calage) {
        own = ownCalibration(path, w, h);
        if (own && !own->ok()) {
            interaction().information(platform::fill(
                tr("%1\n L'image garde le calage par défaut.").toStdString(), {own->error}));
            own.reset();
        }
        if (own && interaction().confirm(platform::fill(
                       tr("Cette image porte son propre calage (%1) : l'utiliser ?").toStdString(),
                       {own->source})))
            calage = &*own;
    }
    if (!calage && project_.N() == 0 && mode != "relecture")
        choosePoints = interaction().confirm(
            tr("Voulez-vous d'abord choisir vos points de calibrage ? ").toStdString());
    askingAboutPicture_ = false;
    // A picture whose reading failed while the questions were open is dropped now, and the
    // answers with it.
    if (loading_ && loading_->finished()) waitForPicture();
    if (layer_.empty()) return false;
    if (calage) {
        georef::appliqueCalage(project_, *calage);
        showCoordinateSystem(calage->crs);
    } else if (choosePoints) {
        calibrationPanel_->show();
    }
    return true;
}

void MainWindow::affecte_bitmap_img() {
    // The overview of a large picture is made beside the window, which stays usable; it is
    // shown once ready.
    QPointer<MainWindow> self(this);
    overview_.build(layer_, [self] {
        QMetaObject::invokeMethod(
            self,
            [self] {
                if (!self) return;
                self->repaintView();
                self->overviewChanged();
                if (!self->pictureArriving()) self->pictureSettled();
            },
            Qt::QueuedConnection);
    });
    overviewChanged();
    imageArea_->setLayer(&layer_, &overview_);
    init_calque_a_b_pen();
    position_scrollbar();
    redessiner();
}

QString MainWindow::imageDescription() const {
    return layer_.empty()
               ? QString()
               : QString::fromStdString(picture::LxHxC(layer_.width(), layer_.height(), 15));
}

void MainWindow::savePicture() {
    if (layer_.empty()) return;
    auto request = files::dansDernierDossier(
        tr("  Enregistrer l'image : indiquer .bmp (par défaut)  ou  .jpg").toStdString(),
        tr("Bitmap (*.bmp)|*.bmp|JPEG (*.jpg)|*.jpg").toStdString());
    auto chosen = interaction().savePictureName(request);
    if (!chosen) return;
    if (fs::path(*chosen).filename().string().find('.') == std::string::npos) *chosen += ".bmp";
    platform::BusyCursor busy;
    const std::string error = picture::writeBmpOrJpeg(layer_.rows(), *chosen);
    if (!error.empty()) interaction().information(error);
}

void MainWindow::savePictureWithLines() {
    if (layer_.empty()) return;
    auto request =
        files::dansDernierDossier(tr("Enregistrer l'image avec les lignes").toStdString(),
                                  tr("JPEG (*.jpg)|*.jpg").toStdString());
    auto chosen = interaction().savePictureName(request);
    if (!chosen) return;
    if (fs::path(*chosen).filename().string().find('.') == std::string::npos) *chosen += ".jpg";
    // The rubber band is drawn over the view, never into the layer: nothing to erase.
    platform::BusyCursor busy;
    const std::string error = picture::writeJpeg(layer_.rows(), *chosen, 90);
    if (!error.empty()) interaction().information(error);
}

bool MainWindow::keepProportions() const {
    return action(QStringLiteral("&Affichage|Garder les proportions L x H"))->isChecked();
}

void MainWindow::showPointsGrid() {
    if (windows_.table) windows_.table->pointsGrid()->show();
}

} // namespace tracelle::ui
