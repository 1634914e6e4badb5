// The commands of the points table window: deleting points and lines, showing lines, the Z
// of a line, colours, labels, and the buttons that call the main window.
#include "model/NumberText.h"
#include "model/Project.h"
#include "model/TableEditing.h"
#include "platform/Interaction.h"
#include "ui/Bgr.h"
#include "ui/FlowLayout.h"
#include "ui/PointsTableWindow.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace tracelle::ui {

using platform::interaction;

QWidget* PointsTableWindow::buildButtons() {
    auto* panel = new QWidget(this);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    const auto button = [panel](const QString& caption, const QString& hint = {}) {
        auto* b = new QPushButton(caption, panel);
        if (!hint.isEmpty()) b->setToolTip(hint);
        return b;
    };

    auto* deletePoint = button(tr("Supprimer le point"));
    deleteLine_ = button(tr("Supprimer la ligne courante"));
    auto* showAll = button(tr("Tout afficher"));
    auto* hideAll = button(tr("Tout désélectionner"));
    auto* calibration = button(tr("Calibration"), tr("Nouvelle calibration"));
    auto* scale = button(tr("échelle"));
    auto* graph = button(tr("Graphe F7"));
    auto* quit = button(tr("Quit direct"));
    connect(deletePoint, &QPushButton::clicked, this, [this] { project_.devalide_point(); });
    connect(deleteLine_, &QPushButton::clicked, this, &PointsTableWindow::supprimeLigneCourante);
    connect(showAll, &QPushButton::clicked, this, [this] {
        model::afficheLignes(project_, true);
        emit redessinerDemande();
    });
    connect(hideAll, &QPushButton::clicked, this, [this] {
        model::afficheLignes(project_, false);
        emit redessinerDemande();
    });
    connect(calibration, &QPushButton::clicked, this, &PointsTableWindow::calibrationDemandee);
    connect(scale, &QPushButton::clicked, this, [] {
        interaction().information(tr(" Pour changer le facteur d'échelle il faut générer une "
                                     "ligne de 2 points,\r\r calculer la distance (Touche d) et "
                                     "mettre à l'échelle")
                                      .toStdString());
    });
    connect(graph, &QPushButton::clicked, this, &PointsTableWindow::grapheDemande);
    connect(quit, &QPushButton::clicked, this, &PointsTableWindow::quitDirect);

    altitude_ = new QCheckBox(tr("altitude Z + -  (F2,F3)"), panel);
    altitude_->setToolTip(tr("F9 = recopie l'altitude pour le reste des points"));
    connect(altitude_, &QCheckBox::toggled, this, &PointsTableWindow::altitudeToggled);
    labels_ = new QCheckBox(tr("Affiche Lib.  Taille"), panel);
    labels_->setObjectName("CheckBoxLabels");
    labelHeight_ = new QLineEdit(QStringLiteral("30"), panel);
    labelHeight_->setObjectName("LabelHeight");
    labelHeight_->setFixedWidth(40);
    takeDigitsOnly(labelHeight_);
    labelText_ = new QPushButton(panel);
    labelBackground_ = new QPushButton(panel);
    const auto swatch = [this](QPushButton* b, const QColor& colour) {
        b->setFixedSize(24, 20);
        b->setStyleSheet(QStringLiteral("background: %1;").arg(colour.name()));
        b->setProperty("colour", colour);
        connect(b, &QPushButton::clicked, this, [this, b] {
            if (const auto chosen =
                    interaction().chooseColour(toBgr(b->property("colour").value<QColor>()))) {
                b->setProperty("colour", fromBgr(*chosen));
                b->setStyleSheet(QStringLiteral("background: %1;").arg(fromBgr(*chosen).name()));
                emit labelStyleChanged();
            }
        });
    };
    const LabelStyle defaults;
    swatch(labelText_, defaults.text);
    swatch(labelBackground_, defaults.background);
    connect(labels_, &QCheckBox::toggled, this, &PointsTableWindow::labelStyleChanged);
    connect(labelHeight_, &QLineEdit::returnPressed, this, &PointsTableWindow::labelStyleChanged);

    // The picture's offset: hidden boxes kept for projects made with a shifted picture.
    dx0_ = new QLineEdit(QStringLiteral("0"), panel);
    dy0_ = new QLineEdit(QStringLiteral("0"), panel);
    for (QLineEdit* box : {dx0_, dy0_}) {
        box->hide();
        connect(box, &QLineEdit::returnPressed, this, [this, box] {
            const model::EntierLu read = model::lit_entier(box->text().toStdString());
            if (read.errorPosition != 0) {
                interaction().information(tr("'%1' n'est pas une valeur entière correcte")
                                              .arg(box->text())
                                              .toStdString());
                return;
            }
            emit decalage(box == dx0_ ? read.value : project_.picture().ox,
                          box == dy0_ ? read.value : project_.picture().oy);
        });
    }

    // The file commands of this window come with the file versions of the program; the main
    // window knows them by their French captions.
    const char* fileCaptions[] = {
        QT_TRANSLATE_NOOP("tracelle::ui::PointsTableWindow", "Enregistrer (points+cal) et  Export"),
        QT_TRANSLATE_NOOP("tracelle::ui::PointsTableWindow", "Export Presse-papier (pts+cal)"),
        QT_TRANSLATE_NOOP("tracelle::ui::PointsTableWindow", "rajouter des points digitalisés"),
        QT_TRANSLATE_NOOP("tracelle::ui::PointsTableWindow", "*.TXT rajouter des points (X,Y,Lib)"),
        QT_TRANSLATE_NOOP("tracelle::ui::PointsTableWindow", "*.XLS rajouter des points (X,Y,Lib)"),
        QT_TRANSLATE_NOOP("tracelle::ui::PointsTableWindow", "rajouter (lib,  distance, cap)"),
        QT_TRANSLATE_NOOP("tracelle::ui::PointsTableWindow", "récup. Cal XY"),
        QT_TRANSLATE_NOOP("tracelle::ui::PointsTableWindow", "CalXY coller")};
    QList<QPushButton*> fileButtons;
    for (const char* caption : fileCaptions) {
        auto* b = button(tr(caption));
        const QString command = QString::fromUtf8(caption);
        connect(b, &QPushButton::clicked, this, [this, command] { emit laterCommand(command); });
        fileButtons << b;
    }

    // The buttons wrap onto further rows when the window is narrow (a small screen).
    auto* commands = new FlowLayout(4);
    for (QWidget* b : std::initializer_list<QWidget*>{deletePoint, deleteLine_, showAll, hideAll,
                                                      calibration, scale, graph, quit})
        commands->addWidget(b);
    // Wide enough for "n° 999": the buttons after it do not move as a line is selected.
    deleteLine_->setMinimumWidth(deleteLine_->fontMetrics().horizontalAdvance(lineCaption(999)) +
                                 16);
    // The label settings stay together when they wrap below the altitude box.
    auto* labelSettings = new QWidget(panel);
    auto* labelRow = new QHBoxLayout(labelSettings);
    labelRow->setContentsMargins(0, 0, 0, 0);
    for (QWidget* w :
         std::initializer_list<QWidget*>{labels_, labelHeight_, labelText_, labelBackground_})
        labelRow->addWidget(w);
    auto* options = new FlowLayout(4);
    options->addWidget(altitude_);
    options->addWidget(labelSettings);
    auto* files = new FlowLayout(4);
    for (QPushButton* b : fileButtons)
        files->addWidget(b);
    layout->addLayout(commands);
    layout->addLayout(options);
    layout->addLayout(files);
    return panel;
}

QString PointsTableWindow::lineCaption(int row) {
    return tr("Supprimer la ligne courante n° %1").arg(row);
}

LabelStyle PointsTableWindow::labelStyle() const {
    LabelStyle style;
    style.shown = labels_->isChecked();
    style.height = model::lit_entier(labelHeight_->text().toStdString()).value;
    style.text = labelText_->property("colour").value<QColor>();
    style.background = labelBackground_->property("colour").value<QColor>();
    return style;
}

void PointsTableWindow::onLineSelected(int row) {
    selectedLine_ = row;
    deleteLine_->setText(row > 0 ? lineCaption(row) : tr("Supprimer la ligne courante"));
}

void PointsTableWindow::linesCellClicked(const QModelIndex& index) {
    auto& lines = project_.lines();
    const int colourColumn = model::indice_col_grille(lines, "couleur");
    if (!index.isValid() || index.column() != colourColumn) return;
    const int row = index.row() + 1;
    const auto now =
        static_cast<std::uint32_t>(model::lit_entier(lines.cell(row, colourColumn)).value);
    if (const auto chosen = interaction().chooseColour(now)) {
        lines.setCell(row, colourColumn, std::to_string(*chosen));
        emit redessinerDemande();
    }
}

void PointsTableWindow::supprimeLigneCourante() {
    if (selectedLine_ < 1) return;
    const model::LigneASupprimer line = model::ligneASupprimer(project_, selectedLine_);
    if (model::supprimeLigneSansQuestion(project_, line)) return;
    if (interaction().dlg_titre_message_ONEK_oui_non(
            model::titreSuppressionLigne(line), model::messageSuppressionLigne(project_, line),
            "OE", tr("supprimer").toStdString(), tr("annuler").toStdString(),
            platform::DialogWidth::Wide) != 'O')
        return;
    model::supprimeLigne(project_, line);
    setPointCount(project_.N());
    emit redessinerDemande();
}

void PointsTableWindow::recopieZ() {
    const int selected = selectedPointRow();
    if (selected < 1) return;
    if (interaction().dlg_titre_message_ONEK_oui_non(
            model::titreRecopieZ(project_, selected), "", "OE", tr("recopier").toStdString(),
            tr("annuler").toStdString(), platform::DialogWidth::Wide) != 'O')
        return;
    model::recopieZ(project_, selected);
    project_.setSaved(false);
}

void PointsTableWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_F9:
        if (grids_[0]->hasFocus()) recopieZ();
        return;
    case Qt::Key_Escape:
    case Qt::Key_F4:
        // Only with a digitizing table: the window then gives the keyboard back.
        if (project_.tableMode()) {
            hide();
            emit rendLaMain();
        }
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

} // namespace tracelle::ui
