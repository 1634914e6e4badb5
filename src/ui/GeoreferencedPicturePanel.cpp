#include "ui/GeoreferencedPicturePanel.h"

#include "files/LastFolder.h"
#include "gis/GisModule.h"
#include "model/Project.h"
#include "platform/Interaction.h"
#include "ui/MainWindow.h"
#include "ui/ReplaceQuestion.h"
#include "ui/SystemChooser.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <filesystem>

namespace tracelle::ui {

namespace fs = std::filesystem;

GeoreferencedPicturePanel::GeoreferencedPicturePanel(QWidget* parent)
    : FloatingPanel("PanelImageGeoreferencee", kPanelColour, parent) {
    auto* title = new QLabel(tr("Enregistrer l'image géoréférencée"), this);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    system_ = new SystemChooser(this);
    worldFile_ = new QCheckBox(tr("fichier de calage et .prj à côté de l'image"), this);
    worldFile_->setObjectName("CaseFichierCalage");
    geoTiff_ = new QCheckBox(QStringLiteral("GeoTIFF"), this);
    geoTiff_->setObjectName("CaseGeoTiff");
    auto* save = new QPushButton(tr("Enregistrer"), this);
    save->setObjectName("BoutonEnregistrerImage");
    auto* back = new QPushButton(tr("Retour"), this);
    back->setObjectName("BoutonRetour");
    done_ = new QLabel(this);
    done_->setObjectName("ImageEcrite");
    done_->setWordWrap(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(save);
    buttons->addWidget(back);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->addWidget(title);
    layout->addWidget(system_);
    layout->addWidget(worldFile_);
    layout->addWidget(geoTiff_);
    layout->addLayout(buttons);
    layout->addWidget(done_);
    resize(340, 260);

    connect(save, &QPushButton::clicked, this, &GeoreferencedPicturePanel::enregistre);
    connect(back, &QPushButton::clicked, this, &QWidget::hide);
}

std::optional<std::string> GeoreferencedPicturePanel::askGeoTiffName(const std::string& picture) {
    auto request = files::dansDernierDossier(
        tr("Enregistrer l'image géoréférencée").toStdString(),
        tr("GeoTIFF (*.tif)|*.tif|Tous les fichiers (*.*)|*.*").toStdString());
    request.fileName = fs::path(picture).stem().string();
    request.defaultExtension = "tif";
    auto path = platform::interaction().saveFileName(request);
    if (!path) return std::nullopt;
    if (fs::path(*path).extension().empty()) *path += ".tif";
    files::premiere_ligne_enregistre(files::kLastFolderFile,
                                     fs::path(*path).parent_path().string());
    // Written through 15-bit colours, it would spoil the picture it replaced.
    std::error_code error;
    if (fs::equivalent(*path, picture, error)) {
        platform::interaction().information(
            tr("Le GeoTIFF remplacerait l'image elle-même : choisissez un autre nom.")
                .toStdString());
        return std::nullopt;
    }
    return path;
}

void GeoreferencedPicturePanel::montre(const model::Project& project) {
    // A world file holds an affine map only: the other fits go to a resampled GeoTIFF.
    const bool affine = gis::affineInPixels(project.calibrationMethod());
    worldFile_->setEnabled(affine);
    worldFile_->setChecked(affine);
    worldFile_->setToolTip(affine ? QString()
                                  : tr("un calage projectif ou polynomial ne tient pas dans un "
                                       "fichier de calage"));
    if (!affine) geoTiff_->setChecked(true);
    done_->clear();
    system_->chargeSystemeRetenu();
    move(10, 10);
    show();
    raise();
}

void GeoreferencedPicturePanel::enregistre() {
    auto* mainWindow = qobject_cast<MainWindow*>(window());
    if (!mainWindow) return;
    const model::Project& project = mainWindow->project();
    auto& ui = platform::interaction();
    if (const std::string why = gis::whyNotGeoreferenced(project); !why.empty()) {
        ui.information(why);
        return;
    }
    const bool world = worldFile_->isEnabled() && worldFile_->isChecked();
    if (!world && !geoTiff_->isChecked()) {
        ui.information(
            tr("Rien à écrire : cochez le fichier de calage ou le GeoTIFF.").toStdString());
        return;
    }
    const std::string system = system_->systemText().toStdString();
    std::string why;
    const gis::GisModule* module = gis::module(&why);
    if (!module || !module->litSysteme(system, &why)) {
        ui.information(why);
        return;
    }
    // Every question first: a refusal or a cancel leaves every file as it was.
    const std::string& picture = project.picture().file;
    if (world && !mayReplace({gis::worldFileName(picture), gis::prjFileName(picture)})) return;
    std::optional<std::string> tiff;
    if (geoTiff_->isChecked() && !(tiff = askGeoTiffName(picture))) return;

    QStringList written;
    std::string error;
    {
        const platform::BusyCursor busy;
        if (world) {
            const gis::GeoreferencedPicture r = module->ecritCalageImage(project, system);
            error = r.error;
            for (const std::string& file : r.written)
                written << QString::fromStdString(fs::path(file).filename().string());
        }
        if (error.empty() && tiff) {
            error = module->ecritGeoTiff(project, system, *tiff);
            if (error.empty())
                written << QString::fromStdString(fs::path(*tiff).filename().string());
        }
    }
    if (!written.isEmpty()) system_->retientSysteme();
    done_->setText(written.isEmpty() ? QString()
                                     : tr("Écrit : %1").arg(written.join(QStringLiteral(", "))));
    if (!error.empty()) ui.information(error);
}

} // namespace tracelle::ui
