#include "ui/GisExportSection.h"

#include "files/LastFolder.h"
#include "gis/CommonSystems.h"
#include "gis/CoordinateSystem.h"
#include "gis/SystemMemory.h"
#include "platform/Interaction.h"
#include "ui/MainWindow.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <filesystem>

namespace tracelle::ui {

namespace fs = std::filesystem;

namespace {

// The longest text told of a system, on lines of the section's width.
constexpr int kSystemNameLines = 3;

constexpr gis::Format kFormats[4] = {gis::Format::GeoJson, gis::Format::Kml, gis::Format::Shapefile,
                                     gis::Format::Dxf};

QString listed(const gis::CommonSystem& s) {
    return QString::fromUtf8(s.name) + QStringLiteral(" (") + QString::fromUtf8(s.code) + ')';
}

} // namespace

GisExportSection::GisExportSection(const QCheckBox* shownOnly, QWidget* parent)
    : QGroupBox(QStringLiteral("Exporter pour un SIG / une CAO"), parent), shownOnly_(shownOnly) {
    setObjectName("GroupeSig");
    // A column beside the text export's choices: the panel must fit a window's height.
    auto* column = new QVBoxLayout(this);
    column->addWidget(new QLabel(QStringLiteral("format"), this));
    auto* formats = new QButtonGroup(this);
    auto* formatGrid = new QGridLayout;
    for (int i = 0; i < 4; ++i) {
        formats_[i] = new QRadioButton(QString::fromUtf8(gis::nomFormat(kFormats[i])), this);
        formats->addButton(formats_[i]);
        formatGrid->addWidget(formats_[i], i / 2, i % 2);
    }
    formats_[0]->setChecked(true);
    column->addLayout(formatGrid);

    // A line box rather than an editable list: the main window takes the keys of any other
    // widget for its own commands. The list beside it only fills the box.
    system_ = new QLineEdit(QString::fromUtf8(gis::kNoSystem.data(), gis::kNoSystem.size()), this);
    system_->setObjectName("Systeme");
    connect(system_, &QLineEdit::textChanged, this, &GisExportSection::verifieSysteme);
    list_ = new QComboBox(this);
    list_->setObjectName("ListeSystemes");
    list_->setPlaceholderText(QStringLiteral("systèmes courants..."));
    list_->setMinimumContentsLength(14);
    list_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    for (const auto& s : gis::kCommonSystems)
        list_->addItem(listed(s), QString::fromUtf8(s.code));
    list_->setCurrentIndex(-1);
    connect(list_, &QComboBox::activated, this, [this](int index) {
        system_->setText(list_->itemData(index).toString());
        list_->setCurrentIndex(-1);
    });
    column->addSpacing(6);
    column->addWidget(new QLabel(QStringLiteral("Système de coordonnées (EPSG)"), this));
    column->addWidget(system_);
    column->addWidget(list_);
    systemName_ = new QLabel(this);
    systemName_->setObjectName("NomSysteme");
    systemName_->setWordWrap(true);
    // Of one height whatever it says, so that the button below stays under the mouse.
    systemName_->setFixedHeight(kSystemNameLines * fontMetrics().lineSpacing());
    systemName_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    column->addWidget(systemName_);

    auto* exporter = new QPushButton(QStringLiteral("Exporter"), this);
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
        connect(f, &QRadioButton::toggled, this, &GisExportSection::verifieSysteme);
    verifieSysteme();
}

gis::Format GisExportSection::format() const {
    for (int i = 0; i < 4; ++i)
        if (formats_[i]->isChecked()) return kFormats[i];
    return kFormats[0];
}

QString GisExportSection::systemText() const {
    return system_->text().trimmed();
}

void GisExportSection::chargeSystemeRetenu() {
    const auto* mainWindow = qobject_cast<const MainWindow*>(window());
    if (!mainWindow) return;
    const std::string remembered = gis::systemeRetenu(mainWindow->projectFile());
    if (!remembered.empty()) system_->setText(QString::fromStdString(remembered));
}

void GisExportSection::verifieSysteme() {
    std::string why;
    const auto system = gis::CoordinateSystem::lit(systemText().toStdString(), &why);
    QPalette palette = systemName_->palette();
    palette.setColor(QPalette::WindowText, system ? QColor(0, 96, 0) : QColor(176, 0, 0));
    systemName_->setPalette(palette);
    QString told = QString::fromStdString(system ? system->name() : why);
    if (system && system->local() && gis::enLongitudeLatitude(format()))
        told += QStringLiteral(" ; le ") + QString::fromUtf8(gis::nomFormat(format())) +
                QStringLiteral(" demande un système");
    systemName_->setText(told);
}

void GisExportSection::exporteSig() {
    auto* mainWindow = qobject_cast<MainWindow*>(window());
    if (!mainWindow) return;
    const gis::Format chosen = format();
    const std::string extension = gis::extensionFormat(chosen);
    auto request = files::dansDernierDossier(
        "Exporter pour un SIG / une CAO", std::string(gis::nomFormat(chosen)) + " (*." + extension +
                                              ")|*." + extension + "|Tous les fichiers (*.*)|*.*");
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
        const platform::BusyCursor busy;
        return gis::exporteSig(mainWindow->project(), {chosen, system, shownOnly_->isChecked()},
                               *path);
    }();
    if (!r.error.empty()) {
        done_->clear();
        platform::interaction().information(r.error);
        return;
    }
    gis::retientSysteme(mainWindow->projectFile(), system);
    QStringList written;
    for (const std::string& file : r.written)
        if (fs::path(file).extension() == fs::path(r.written.front()).extension())
            written << QString::fromStdString(fs::path(file).filename().string());
    const auto counted = [](int n, const char* what) {
        return QString::number(n) + ' ' + QString::fromUtf8(what) + (n > 1 ? "s" : "");
    };
    done_->setText(QStringLiteral("Écrit : %1 (%2, %3)")
                       .arg(written.join(QStringLiteral(" et ")), counted(r.lines, "ligne"),
                            counted(r.points, "point")));
}

} // namespace tracelle::ui
