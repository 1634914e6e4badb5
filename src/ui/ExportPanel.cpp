#include "ui/ExportPanel.h"

#include "model/NumberText.h"
#include "platform/DecimalSeparator.h"
#include "ui/GisExportSection.h"
#include "ui/WheelScrollsPast.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace tracelle::ui {

QCheckBox* ExportPanel::check(const QString& caption, bool on) {
    auto* box = new QCheckBox(caption, body_);
    box->setChecked(on);
    return box;
}

ExportPanel::ExportPanel(QWidget* parent)
    : FloatingPanel("PanelSauve", QColor(212, 208, 200), parent), body_(new QWidget) {
    // The choices scroll within a window smaller than they are: the window never grows over
    // the points table.
    auto* scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->viewport()->setAutoFillBackground(false);
    scroll->setWidget(body_);
    auto* frame = new QVBoxLayout(this);
    frame->setContentsMargins(0, 0, 0, 0);
    frame->addWidget(scroll);
    auto* grid = new QGridLayout(body_);
    int row = 0;
    grid->addWidget(new QLabel(tr("Enregistrement dans 1 ou 2 fichiers"), body_), row++, 0, 1, 2);
    project_ = check(tr("Fichier n°1  *.trc => pour Tracelle"), true);
    export_ = check(tr("Fichier n°2 formaté selon les choix suivants..."), true);
    grid->addWidget(project_, row++, 0, 1, 2);
    auto* exportRow = new QHBoxLayout;
    exportRow->addWidget(export_);
    exportRow->addWidget(new QLabel(tr("et presse-papier"), body_), 1);
    grid->addLayout(exportRow, row++, 0, 1, 2);
    const QString captions[11] = {
        tr("n : n° de point"),       tr("L  : n° de ligne "),     tr("Libellé"),
        tr("X : valeurs réelles"),   tr("Y : valeurs réelles"),   tr("x : coordonnées image"),
        tr("y : coordonnées image"), tr("z : coordonnées image"), tr("distance inter points"),
        tr("Z : valeurs réelles"),   tr("distance cumulée")};
    for (int i = 0; i < 11; ++i) {
        columns_[i] = check(captions[i], i == 3 || i == 4);
        grid->addWidget(columns_[i], row + i / 2, i % 2);
    }
    row += 6;
    calibration_ = check(tr("avec les 3 points de calibration"), false);
    shownOnly_ = check(tr("juste les lignes affichées"), true);
    grid->addWidget(calibration_, row, 0);
    grid->addWidget(shownOnly_, row++, 1);

    auto* marks = new QButtonGroup(body_);
    point_ = new QRadioButton(tr("point"), body_);
    auto* comma = new QRadioButton(tr("virgule"), body_);
    marks->addButton(point_);
    marks->addButton(comma);
    point_->setChecked(true);
    grid->addWidget(new QLabel(tr("séparateur décimal"), body_), row, 0);
    auto* markRow = new QHBoxLayout;
    markRow->addWidget(point_);
    markRow->addWidget(comma);
    grid->addLayout(markRow, row++, 1);
    localMark_ = new QLabel(body_);
    grid->addWidget(localMark_, row++, 0, 1, 2);

    separator_ = new QComboBox(body_);
    separator_->addItems(
        {tr("virgule + espace (Surfer *.bln)"), tr("tabulation (#9)"), tr("personnalisé =>")});
    separator_->setCurrentIndex(1);
    customSeparator_ = new QLineEdit(QStringLiteral(", "), body_);
    grid->addWidget(new QLabel(tr("séparateur de données"), body_), row, 0);
    auto* sepRow = new QHBoxLayout;
    sepRow->addWidget(separator_, 1);
    sepRow->addWidget(customSeparator_);
    grid->addLayout(sepRow, row++, 1);

    extension_ = new QComboBox(body_);
    extension_->addItems({"txt", "xls", "bln", tr("personnalisé =>")});
    // The lists narrower than their longest entry: the panel fits a map beside the table.
    for (QComboBox* list : {separator_, extension_}) {
        list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        list->setMinimumContentsLength(8);
        new WheelScrollsPast(list);
    }
    customExtension_ = new QLineEdit(QStringLiteral("txt"), body_);
    // The boxes beside them hold a few characters: the lists take the room to show the entry
    // chosen whole.
    for (QLineEdit* box : {customSeparator_, customExtension_})
        box->setMaximumWidth(box->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 6 + 12);
    grid->addWidget(new QLabel(tr("extention du fichier"), body_), row, 0);
    auto* extRow = new QHBoxLayout;
    extRow->addWidget(extension_, 1);
    extRow->addWidget(customExtension_);
    grid->addLayout(extRow, row++, 1);

    firstLine_ = check(tr("1ère ligne (*.bln)"), true);
    firstLineCount_ = check(tr("nb points (séparateur) ET"), true);
    firstLineText_ = new QLineEdit(QStringLiteral("0"), body_);
    grid->addWidget(firstLine_, row, 0);
    auto* firstRow = new QHBoxLayout;
    firstRow->addWidget(firstLineCount_);
    firstRow->addWidget(firstLineText_);
    grid->addLayout(firstRow, row++, 1);

    grid->addWidget(new QLabel(tr("EXPORT normalisé"), body_), row++, 0);
    normalized_ = check(tr("le pas dX d'extraction normalisé =>"), false);
    step_ = new QLineEdit(QStringLiteral("0.05"), body_);
    grid->addWidget(normalized_, row, 0);
    grid->addWidget(step_, row++, 1);
    xMin_ = new QLineEdit(QStringLiteral("0"), body_);
    xMax_ = new QLineEdit(QStringLiteral("1"), body_);
    xMinRead_ = new QLineEdit(QStringLiteral("0"), body_);
    xMaxRead_ = new QLineEdit(QStringLiteral("1"), body_);
    const std::pair<QString, QLineEdit*> bounds[] = {{tr("X mini"), xMin_},
                                                     {tr("X maxi"), xMax_},
                                                     {tr("X mini lu"), xMinRead_},
                                                     {tr("X maxi lu"), xMaxRead_}};
    for (const auto& [caption, box] : bounds) {
        auto* pair = new QHBoxLayout;
        pair->addWidget(new QLabel(caption, body_));
        pair->addWidget(box);
        grid->addLayout(pair, row, box == xMin_ || box == xMinRead_ ? 0 : 1);
        if (box == xMax_ || box == xMaxRead_) ++row;
    }
    auto* search = new QButtonGroup(body_);
    auto* nearest = new QRadioButton(tr("le plus proche"), body_);
    regression_ =
        new QRadioButton(tr("par régression linéaire entre deux points adjacents"), body_);
    search->addButton(nearest);
    search->addButton(regression_);
    regression_->setChecked(true);
    grid->addWidget(new QLabel(tr("recherche ou calcul"), body_), row, 0);
    grid->addWidget(nearest, row++, 1);
    // Across both columns, the longest caption leaves the second one narrow.
    grid->addWidget(regression_, row++, 0, 1, 2);

    auto* traiter = new QPushButton(tr("Traiter"), body_);
    auto* fermer = new QPushButton(tr("fermer"), body_);
    grid->addWidget(traiter, row, 0);
    grid->addWidget(fermer, row, 1);
    gis_ = new GisExportSection(shownOnly_, body_);
    gis_->setFixedWidth(gis_->sizeHint().width());
    grid->addWidget(gis_, 0, 2, row + 1, 1);
    connect(traiter, &QPushButton::clicked, this, &ExportPanel::traiter);
    connect(fermer, &QPushButton::clicked, this, &QWidget::hide);
    resize(body_->sizeHint() + QSize(2 * frameWidth(), 2 * frameWidth()));
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
    localMark_->setText(platform::decimalSeparator() == ','
                            ? tr("Le séparateur décimal sur cet ordinateur est  la virgule")
                            : tr("Le séparateur décimal sur cet ordinateur est  le point"));
    gis_->montre();
    move(10, 10);
    show();
    raise();
}

} // namespace tracelle::ui
