#include "ui/ExportPanel.h"

#include "model/NumberText.h"
#include "platform/DecimalSeparator.h"
#include "ui/GisExportSection.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace tracelle::ui {

QCheckBox* ExportPanel::check(const char* caption, bool on) {
    auto* box = new QCheckBox(QString::fromUtf8(caption), this);
    box->setChecked(on);
    return box;
}

ExportPanel::ExportPanel(QWidget* parent)
    : FloatingPanel("PanelSauve", QColor(212, 208, 200), parent) {
    auto* grid = new QGridLayout(this);
    int row = 0;
    grid->addWidget(new QLabel(QStringLiteral("Enregistrement dans 1 ou 2 fichiers"), this), row++,
                    0, 1, 2);
    project_ = check("Fichier n°1  *.trc => pour Tracelle", true);
    export_ = check("Fichier n°2 formaté selon les choix suivants...", true);
    grid->addWidget(project_, row++, 0, 1, 2);
    grid->addWidget(export_, row, 0);
    grid->addWidget(new QLabel(QStringLiteral("et presse-papier"), this), row++, 1);
    const char* captions[11] = {
        "n : n° de point",       "L  : n° de ligne ",     "Libellé",
        "X : valeurs réelles",   "Y : valeurs réelles",   "x : coordonnées image",
        "y : coordonnées image", "z : coordonnées image", "distance inter points",
        "Z : valeurs réelles",   "distance cumulée"};
    for (int i = 0; i < 11; ++i) {
        columns_[i] = check(captions[i], i == 3 || i == 4);
        grid->addWidget(columns_[i], row + i / 2, i % 2);
    }
    row += 6;
    calibration_ = check("avec les 3 points de calibration", false);
    shownOnly_ = check("juste les lignes affichées", true);
    grid->addWidget(calibration_, row, 0);
    grid->addWidget(shownOnly_, row++, 1);

    auto* marks = new QButtonGroup(this);
    point_ = new QRadioButton(QStringLiteral("point"), this);
    auto* comma = new QRadioButton(QStringLiteral("virgule"), this);
    marks->addButton(point_);
    marks->addButton(comma);
    point_->setChecked(true);
    grid->addWidget(new QLabel(QStringLiteral("séparateur décimal"), this), row, 0);
    auto* markRow = new QHBoxLayout;
    markRow->addWidget(point_);
    markRow->addWidget(comma);
    grid->addLayout(markRow, row++, 1);
    localMark_ = new QLabel(this);
    grid->addWidget(localMark_, row++, 0, 1, 2);

    separator_ = new QComboBox(this);
    separator_->addItems({QStringLiteral("virgule + espace (Surfer *.bln)"),
                          QStringLiteral("tabulation (#9)"), QStringLiteral("personnalisé =>")});
    separator_->setCurrentIndex(1);
    customSeparator_ = new QLineEdit(QStringLiteral(", "), this);
    grid->addWidget(new QLabel(QStringLiteral("séparateur de données"), this), row, 0);
    auto* sepRow = new QHBoxLayout;
    sepRow->addWidget(separator_);
    sepRow->addWidget(customSeparator_);
    grid->addLayout(sepRow, row++, 1);

    extension_ = new QComboBox(this);
    extension_->addItems({"txt", "xls", "bln", QStringLiteral("personnalisé =>")});
    customExtension_ = new QLineEdit(QStringLiteral("txt"), this);
    grid->addWidget(new QLabel(QStringLiteral("extention du fichier"), this), row, 0);
    auto* extRow = new QHBoxLayout;
    extRow->addWidget(extension_);
    extRow->addWidget(customExtension_);
    grid->addLayout(extRow, row++, 1);

    firstLine_ = check("1ère ligne (*.bln)", true);
    firstLineCount_ = check("nb points (séparateur) ET", true);
    firstLineText_ = new QLineEdit(QStringLiteral("0"), this);
    grid->addWidget(firstLine_, row, 0);
    auto* firstRow = new QHBoxLayout;
    firstRow->addWidget(firstLineCount_);
    firstRow->addWidget(firstLineText_);
    grid->addLayout(firstRow, row++, 1);

    grid->addWidget(new QLabel(QStringLiteral("EXPORT normalisé"), this), row++, 0);
    normalized_ = check("le pas dX d'extraction normalisé =>", false);
    step_ = new QLineEdit(QStringLiteral("0.05"), this);
    grid->addWidget(normalized_, row, 0);
    grid->addWidget(step_, row++, 1);
    xMin_ = new QLineEdit(QStringLiteral("0"), this);
    xMax_ = new QLineEdit(QStringLiteral("1"), this);
    xMinRead_ = new QLineEdit(QStringLiteral("0"), this);
    xMaxRead_ = new QLineEdit(QStringLiteral("1"), this);
    const std::pair<const char*, QLineEdit*> bounds[] = {
        {"X mini", xMin_}, {"X maxi", xMax_}, {"X mini lu", xMinRead_}, {"X maxi lu", xMaxRead_}};
    for (const auto& [caption, box] : bounds) {
        auto* pair = new QHBoxLayout;
        pair->addWidget(new QLabel(QString::fromUtf8(caption), this));
        pair->addWidget(box);
        grid->addLayout(pair, row, box == xMin_ || box == xMinRead_ ? 0 : 1);
        if (box == xMax_ || box == xMaxRead_) ++row;
    }
    auto* search = new QButtonGroup(this);
    auto* nearest = new QRadioButton(QStringLiteral("le plus proche"), this);
    regression_ = new QRadioButton(
        QStringLiteral("par régression linéaire entre deux points adjacents"), this);
    search->addButton(nearest);
    search->addButton(regression_);
    regression_->setChecked(true);
    grid->addWidget(new QLabel(QStringLiteral("recherche ou calcul"), this), row, 0);
    auto* searchRow = new QVBoxLayout;
    searchRow->addWidget(nearest);
    searchRow->addWidget(regression_);
    grid->addLayout(searchRow, row++, 1);

    auto* traiter = new QPushButton(QStringLiteral("Traiter"), this);
    auto* fermer = new QPushButton(QStringLiteral("fermer"), this);
    grid->addWidget(traiter, row, 0);
    grid->addWidget(fermer, row, 1);
    gis_ = new GisExportSection(shownOnly_, this);
    gis_->setFixedWidth(gis_->sizeHint().width());
    grid->addWidget(gis_, 0, 2, row + 1, 1);
    connect(traiter, &QPushButton::clicked, this, &ExportPanel::traiter);
    connect(fermer, &QPushButton::clicked, this, &QWidget::hide);
    adjustSize();
}

files::ExportChoices ExportPanel::choices() const {
    files::ExportChoices c;
    bool* columns[11] = {&c.n, &c.L, &c.label,         &c.X, &c.Y,         &c.x,
                         &c.y, &c.z, &c.interDistance, &c.Z, &c.cumulative};
    for (int i = 0; i < 11; ++i)
        *columns[i] = columns_[i]->isChecked();
    c.withCalibration = calibration_->isChecked();
    c.shownLinesOnly = shownOnly_->isChecked();
    c.decimalComma = !point_->isChecked();
    const int sep = separator_->currentIndex();
    c.separator = sep == 0 ? ", " : sep == 1 ? "\t" : customSeparator_->text().toStdString();
    c.extension = extension_->currentIndex() == 3 ? customExtension_->text().toStdString()
                                                  : extension_->currentText().toStdString();
    c.firstLine = firstLine_->isChecked();
    c.firstLineCount = firstLineCount_->isChecked();
    c.firstLineText = firstLineText_->text().toStdString();
    c.normalized = normalized_->isChecked();
    c.step = step_->text().toStdString();
    c.xMin = xMin_->text().toStdString();
    c.xMax = xMax_->text().toStdString();
    c.regression = regression_->isChecked();
    return c;
}

bool ExportPanel::writesProject() const {
    return project_->isChecked();
}
bool ExportPanel::writesExport() const {
    return export_->isChecked();
}

void ExportPanel::setWrites(bool project, bool exportFile) {
    project_->setChecked(project);
    export_->setChecked(exportFile);
}

void ExportPanel::showRead(model::Real xMin, model::Real xMax) {
    xMinRead_->setText(QString::fromStdString(model::reel_en_texte_point(xMin)));
    xMaxRead_->setText(QString::fromStdString(model::reel_en_texte_point(xMax)));
}

void ExportPanel::affiche_panel_sauve() {
    localMark_->setText(QStringLiteral("Le séparateur décimal sur cet ordinateur est  ") +
                        (platform::decimalSeparator() == ',' ? QStringLiteral("la virgule")
                                                             : QStringLiteral("le point")));
    gis_->chargeSystemeRetenu();
    move(10, 10);
    show();
    raise();
}

} // namespace tracelle::ui
