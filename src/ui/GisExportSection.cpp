#include "ui/GisExportSection.h"

#include "files/LastFolder.h"
#include "gis/GisModule.h"
#include "platform/Interaction.h"
#include "ui/MainWindow.h"
#include "ui/ReplaceQuestion.h"
#include "ui/SystemChooser.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <filesystem>
#include <optional>

namespace tracelle::ui {

namespace fs = std::filesystem;

namespace {

constexpr gis::Format kFormats[4] = {gis::Format::GeoJson, gis::Format::Kml, gis::Format::Shapefile,
                                     gis::Format::Dxf};

} // namespace

GisExportSection::GisExportSection(const QCheckBox* shownOnly, QWidget* parent)
    : QGroupBox(tr("Exporter pour un SIG / une CAO"), parent), shownOnly_(shownOnly) {
    setObjectName("GroupeSig");
    // A column beside the text export's choices: the panel must fit a window's height.
    auto* column = new QVBoxLayout(this);
    column->addWidget(new QLabel(tr("format"), this));
    auto* formats = new QButtonGroup(this);
    auto* formatGrid = new QGridLayout;
    for (int i = 0; i < 4; ++i) {
        formats_[i] = new QRadioButton(QString::fromUtf8(gis::nomFormat(kFormats[i])), this);
        formats->addButton(formats_[i]);
        formatGrid->addWidget(formats_[i], i / 2, i % 2);
    }
    formats_[0]->setChecked(true);
    column->addLayout(formatGrid);

    system_ = new SystemChooser(this);
    system_->setRemark([this](const gis::CoordinateSystem& system) {
        if (!system.local() || !gis::enLongitudeLatitude(format())) return QString();
        return tr(" ; le %1 demande un système").arg(QString::fromUtf8(gis::nomFormat(format())));
    });
    column->addSpacing(6);
    column->addWidget(system_);

    auto* exporter = new QPushButton(tr("Exporter"), this);
    exporter->setObjectName("ExporterSig");
    done_ = new QLabel(this);
    done_->setObjectName("ExportSigFait");
    done_->setWordWrap(true);
    column->addWidget(exporter);
    column->addWidget(done_);
    column->addStretch();
    connect(exporter, &QPushButton::clicked, this, &GisExportSection::exporteSig);
    // The hint under the box depends on the format too.
    for (QRadioButton* f : formats_)
        connect(f, &QRadioButton::toggled, system_, &SystemChooser::verifieSysteme);
}

gis::Format GisExportSection::format() const {
    for (int i = 0; i < 4; ++i)
        if (formats_[i]->isChecked()) return kFormats[i];
    return kFormats[0];
}

QString GisExportSection::systemText() const {
    return system_->systemText();
}

void GisExportSection::montre() {
    system_->chargeSystemeRetenu();
    done_->clear();
}

void GisExportSection::exporteSig() {
    auto* mainWindow = qobject_cast<MainWindow*>(window());
    if (!mainWindow) return;
    const gis::Format chosen = format();
    const std::string extension = gis::extensionFormat(chosen);
    auto request = files::dansDernierDossier(
        tr("Exporter pour un SIG / une CAO").toStdString(),
        tr("%1 (*.%2)|*.%2|Tous les fichiers (*.*)|*.*")
            .arg(QString::fromUtf8(gis::nomFormat(chosen)), QString::fromStdString(extension))
            .toStdString());
    const std::string& named = mainWindow->projectFile().empty()
                                   ? mainWindow->project().picture().file
                                   : mainWindow->projectFile();
    request.fileName = fs::path(named).stem().string();
    request.defaultExtension = extension;
    auto path = platform::interaction().saveFileName(request);
    if (!path) return;
    if (fs::path(*path).extension().empty()) *path += "." + extension;
    files::premiere_ligne_enregistre(files::kLastFolderFile,
                                     fs::path(*path).parent_path().string());
    const std::string system = systemText().toStdString();
    const gis::GisResult r = [&] {
        std::optional<platform::BusyCursor> busy(std::in_place);
        gis::GisResult missing;
        const gis::GisModule* module = gis::module(&missing.error);
        if (!module) return missing;
        // The question is answered with the ordinary pointer.
        const auto ask = [&busy](const std::vector<std::string>& existing) {
            busy.reset();
            const bool yes = mayReplace(existing);
            busy.emplace();
            return yes;
        };
        return module->exporteSig(mainWindow->project(), {chosen, system, shownOnly_->isChecked()},
                                  *path, ask);
    }();
    if (!r.error.empty() || r.declined) {
        done_->clear();
        if (!r.error.empty()) platform::interaction().information(r.error);
        return;
    }
    system_->retientSysteme();
    QStringList written;
    for (const std::string& file : r.written)
        if (fs::path(file).extension() == fs::path(r.written.front()).extension())
            written << QString::fromStdString(fs::path(file).filename().string());
    const QString lines = (r.lines > 1 ? tr("%1 lignes") : tr("%1 ligne")).arg(r.lines);
    const QString points = (r.points > 1 ? tr("%1 points") : tr("%1 point")).arg(r.points);
    done_->setText(tr("Écrit : %1 (%2, %3)").arg(written.join(tr(" et ")), lines, points));
    // Told after the report, once: the file is written, but these labels are not whole in it.
    if (r.cutLabels > 0)
        platform::interaction().information(gis::cutLabelsText(r.cutLabels, chosen));
}

} // namespace tracelle::ui
