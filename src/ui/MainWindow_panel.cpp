// The bottom tool panel and the floating panels of the main window.
#include "ui/AltitudePanel.h"
#include "ui/Artwork.h"
#include "ui/CalibrationPanels.h"
#include "ui/ExportPanel.h"
#include "ui/FlowLayout.h"
#include "ui/GeoreferencedPicturePanel.h"
#include "ui/MainWindow.h"
#include "ui/SheetImportPanel.h"
#include "ui/TextPanel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

namespace tracelle::ui {

QToolButton* MainWindow::toolButton(const QString& caption, const QString& hint, bool checkable) {
    auto* button = new QToolButton(toolPanel_);
    button->setText(caption);
    button->setToolTip(hint);
    button->setCheckable(checkable);
    button->setAutoRaise(false);
    return button;
}

void MainWindow::creerPanneauOutils() {
    toolPanel_->setAutoFillBackground(true);
    QPalette p = toolPanel_->palette();
    p.setColor(QPalette::Window, QColor(212, 208, 200));
    toolPanel_->setPalette(p);
    // A pressed mode shows pressed, as the user must see which mode clicks are in.
    toolPanel_->setStyleSheet("QToolButton { padding: 2px 6px; }"
                              "QToolButton:checked { background-color: rgb(150, 170, 205);"
                              " border: 2px inset rgb(110, 110, 110); }");

    auto* nouvelle = toolButton(tr("Nouvelle ligne"), tr(" nouvelle suite de points [espace]"));
    auto* supprime = toolButton(tr("Supr. points"), tr(" effacer le dernier point [suppr]"));
    connect(nouvelle, &QToolButton::clicked, this, &MainWindow::Nouvelle_suite_de_points);
    connect(supprime, &QToolButton::clicked, this, &MainWindow::devalide_point);

    const std::pair<ToolIcon, const char*> icons[] = {
        {ToolIcon::Table, QT_TR_NOOP(" nouvelle saisie table à digitaliser")},
        {ToolIcon::OpenPicture, QT_TR_NOOP(" Charger une image de fond")},
        {ToolIcon::ReadProject, QT_TR_NOOP(" Lire un tableau de points Maj F2")},
        {ToolIcon::SaveProject, QT_TR_NOOP(" Enregistrer les points")},
        {ToolIcon::SavePicture, QT_TR_NOOP("Enregistrer l'image avec les lignes")},
        {ToolIcon::FitWindow, QT_TR_NOOP("carte adaptée à la fenêtre")}};
    QList<QToolButton*> iconButtons;
    for (const auto& [icon, hint] : icons) {
        auto* button = toolButton(QString(), tr(hint));
        button->setIcon(toolIcon(icon));
        button->setIconSize(QSize(24, 24));
        iconButtons << button;
    }
    connect(iconButtons[0], &QToolButton::clicked, this, &MainWindow::ouvrir_sans_bmp);
    connect(iconButtons[1], &QToolButton::clicked, this, &MainWindow::Ouvrir_bmp);
    connect(iconButtons[4], &QToolButton::clicked, this, &MainWindow::savePictureWithLines);
    connect(iconButtons[5], &QToolButton::clicked, this, &MainWindow::Carte_complete);
    connect(iconButtons[2], &QToolButton::clicked, this, &MainWindow::openProject);
    connect(iconButtons[3], &QToolButton::clicked, this, &MainWindow::sauve_fic_points);

    auto* redessiner = toolButton(tr("Redessiner"), tr("l'image SANS ZONES COLOREES"));
    connect(redessiner, &QToolButton::clicked, this, &MainWindow::Redessiner);

    pointsButton_ = toolButton(tr("Points"), QString(), true);
    lignesButton_ = toolButton(tr("Lignes"), QString(), true);
    auto* style = new QButtonGroup(this);
    style->addButton(pointsButton_);
    style->addButton(lignesButton_);
    connect(pointsButton_, &QToolButton::clicked, this, &MainWindow::stylePoints);
    connect(lignesButton_, &QToolButton::clicked, this, &MainWindow::styleLignes);

    carteTableau_ = toolButton(tr("Carte + Tableau"), QString(), true);
    carteSeule_ = toolButton(tr("Carte seule"), QString(), true);
    auto* arrangement = new QButtonGroup(this);
    arrangement->addButton(carteTableau_);
    arrangement->addButton(carteSeule_);
    carteSeule_->setChecked(true);
    connect(carteTableau_, &QToolButton::clicked, this, &MainWindow::CarteTableauClick);
    connect(carteSeule_, &QToolButton::clicked, this, &MainWindow::CarteSeuleClick);

    digitaliser_ = toolButton(tr("Digitaliser"), QString(), true);
    surface_ = toolButton(tr("Surface"), QString(), true);
    capButton_ =
        toolButton(tr("Cap et angle"),
                   tr("calcul de cumuls de distances et caps  entre points digitalisés"), true);
    auto* cap = capButton_;
    traceButton_ = toolButton(tr("Suivre le trait"),
                              tr("un clic sur un trait le suit et le digitalise"), true);
    lineHeightButton_ = toolButton(
        tr("Z par ligne"), tr("un clic sur une ligne donne un même Z à tous ses points"), true);
    surface_->setToolTip(tr("Calcul des longueurs et surfaces vectorisées"));
    ColourTools& c = colour_;
    c.surface = toolButton(tr("Colorer la surface"),
                           tr("peint la surface tant que la couleur est la même"), true);
    c.bordered =
        toolButton(tr("Colorer la surf. bordée"),
                   tr("peint toute surfaces j'usqu'à la limite de la couleur de bordure"), true);
    c.pickBorder = toolButton(tr("Choix couleur de bord"),
                              tr("Prélèver la couleur choisie de la bordure SUR L'IMAGE"), true);
    c.chooseFill =
        toolButton(tr("Choix couleur de fond"),
                   tr("couleur de fond utilisée pour marquer les surfaces à mesurer"), true);
    c.brush = toolButton(QString(), tr("pinceau"), true);
    c.brush->setIcon(toolIcon(ToolIcon::Brush));
    c.eraser = toolButton(QString(), tr("gomme"), true);
    c.eraser->setIcon(toolIcon(ToolIcon::Eraser));
    c.threshold = toolButton(
        tr("n && b : seuil de gris ->"),
        tr("modifie le contraste momentanément ( clik sur Redessiner pour annuler)"), true);
    auto* modes = new QButtonGroup(this);
    for (QToolButton* b : {digitaliser_, surface_, cap, traceButton_, lineHeightButton_, c.surface,
                           c.bordered, c.pickBorder, c.chooseFill, c.brush, c.eraser, c.threshold})
        modes->addButton(b);
    digitaliser_->setChecked(true);
    connect(digitaliser_, &QToolButton::clicked, this, &MainWindow::DigitaliserClick);
    connect(surface_, &QToolButton::clicked, this, &MainWindow::SurfaceClick);
    connect(cap, &QToolButton::clicked, this, &MainWindow::CapClick);
    connect(traceButton_, &QToolButton::clicked, this, [this] { selectMode(traceButton_); });
    connect(lineHeightButton_, &QToolButton::clicked, this,
            [this] { selectMode(lineHeightButton_); });
    connect(c.surface, &QToolButton::clicked, this, &MainWindow::colourSurfaceMode);
    connect(c.bordered, &QToolButton::clicked, this, &MainWindow::colourBorderedSurfaceMode);
    connect(c.pickBorder, &QToolButton::clicked, this, &MainWindow::pickBorderColourMode);
    connect(c.chooseFill, &QToolButton::clicked, this, &MainWindow::chooseFillColour);
    connect(c.threshold, &QToolButton::clicked, this, [this] { runRasterPass(true); });

    // The swatches are buttons of one colour: a click on one acts as the button beside it.
    const auto swatch = [this](const char* name, const QString& hint) {
        auto* box = new QToolButton(toolPanel_);
        box->setObjectName(name);
        box->setFixedSize(22, 22);
        box->setToolTip(hint);
        return box;
    };
    c.borderSwatch = swatch("Coul_Bord_Panel5", tr("couleur prélevée pour la bordure SUR L'IMAGE"));
    c.fillSwatch = swatch("Coul_fond_Panel6", tr("coleur de fond"));
    connect(c.borderSwatch, &QToolButton::clicked, this, &MainWindow::pickBorderColourMode);
    connect(c.fillSwatch, &QToolButton::clicked, this, &MainWindow::chooseFillColour);
    c.setBorder(c.border);
    c.setFill(c.fill);
    hideColouringControls();

    // The threshold in millions; the second box's text is not read, Enter in it acts alike.
    const auto makeThresholdBox = [this](const char* name, const QString& hint) {
        auto* box = new QLineEdit(QStringLiteral("10"), toolPanel_);
        box->setObjectName(name);
        box->setToolTip(hint);
        box->setFixedWidth(44);
        connect(box, &QLineEdit::returnPressed, this, [this] {
            if (colour_.threshold->isChecked()) runRasterPass(true);
        });
        return box;
    };
    c.thresholdMillions = makeThresholdBox("EditSeuil", tr("seuil de gris  (x 1 000 000)"));
    c.thresholdUnits = makeThresholdBox("EditSeuilUnites", tr("seuil de gris "));

    auto* calcul = toolButton(tr("-> Calcul Surf colorée"),
                              tr("calcul de surfaces colorée en couleur de fond"));
    auto* annuler =
        toolButton(tr("Annuler la dernière coloration"), tr("Annuler la dernière coloration"));
    connect(calcul, &QToolButton::clicked, this, [this] { runRasterPass(false); });
    connect(annuler, &QToolButton::clicked, this, &MainWindow::undoColouring);

    avecLignes_ = toolButton(tr("avec les lignes"), tr("image avec les lignes ou points"), true);
    sansLignes_ = toolButton(tr("sans lignes ni pts"),
                             tr("image sans les lignes et points (pour les surfaces)"), true);
    auto* overlay = new QButtonGroup(this);
    overlay->addButton(avecLignes_);
    overlay->addButton(sansLignes_);
    avecLignes_->setChecked(true);
    // The pair only chooses what the next rebuild of the layer draws: pressing either erases
    // no painted zone.
    connect(sansLignes_, &QToolButton::clicked, this, [this] {
        // The surfaces are measured without the lines: "Surface" shows pressed.
        surface_->setChecked(true);
    });

    auto* quitter = toolButton(tr("Quitter"), QString());
    connect(quitter, &QToolButton::clicked, this, &MainWindow::quitterMenu);
    flottants_ = new QCheckBox(tr("X et Y   flottants"), toolPanel_);
    flottants_->setObjectName("CheckBoxFlottants");
    flottants_->setToolTip(tr("affichage à côté du pointeur de la souris"));
    connect(flottants_, &QCheckBox::toggled, this, [this](bool on) {
        // "Cap et angle" keeps its distance beside the mouse.
        if (!on && !capButton_->isChecked()) floating_->hide();
    });

    aimanter_ = new QCheckBox(tr("Aimanter les clics"), toolPanel_);
    aimanter_->setObjectName("CheckBoxAimanter");
    aimanter_->setToolTip(tr("un clic près d'un trait se place en son milieu"));

    cumulLabel_ = new QLabel(toolPanel_);
    cumulLabel_->setObjectName("LabelCumul");
    stepLabel_ = new QLabel(toolPanel_);
    stepLabel_->setObjectName("LabelPas");
    // The running texts of "Cap et angle" grow long: cut by a narrow window, they never
    // widen it, and on a row of their own they never make the buttons wrap (and the map
    // change its size) as they change.
    for (QLabel* label : {stepLabel_, cumulLabel_})
        label->setMinimumSize(1, label->fontMetrics().height());
    auto* texts = new QHBoxLayout;
    texts->addWidget(cumulLabel_, 3);
    texts->addWidget(stepLabel_, 2);

    // Three groups: files and drawing, the click modes, the colouring tools. Each wraps onto
    // further rows when the window is narrow (a small screen, the map beside the table).
    const auto group = [](std::initializer_list<QWidget*> widgets) {
        auto* layout = new FlowLayout(4);
        for (QWidget* w : widgets)
            layout->addWidget(w);
        return layout;
    };
    auto* files = group({nouvelle, supprime});
    for (QToolButton* b : iconButtons)
        files->addWidget(b);
    for (QWidget* w : std::initializer_list<QWidget*>{redessiner, pointsButton_, lignesButton_,
                                                      carteTableau_, carteSeule_, quitter})
        files->addWidget(w);

    auto* rows = new QVBoxLayout(toolPanel_);
    rows->setContentsMargins(4, 3, 4, 3);
    rows->setSpacing(3);
    rows->addLayout(files);
    rows->addLayout(group({digitaliser_, surface_, cap, traceButton_, lineHeightButton_,
                           avecLignes_, sansLignes_, c.threshold, c.thresholdMillions,
                           c.thresholdUnits, flottants_, aimanter_}));
    rows->addLayout(group({c.surface, c.bordered, c.pickBorder, c.borderSwatch, c.chooseFill,
                           c.fillSwatch, c.brush, c.eraser, calcul, annuler}));
    rows->addLayout(texts);
}

void MainWindow::hideColouringControls() {
    for (QWidget* w : colour_.shownWhenColouring())
        w->hide();
}

void MainWindow::showColouringControls() {
    for (QWidget* w : colour_.shownWhenColouring())
        w->show();
}

void MainWindow::creerPanneauxFlottants() {
    textPanel_ = new TextPanel(centralWidget());
    textPanel_->move(40, 40);
    connect(textPanel_, &TextPanel::closed, this, [this] {
        if (digitaliser_->isChecked() || surface_->isChecked()) hideTextPanelWithRefresh();
    });

    altitudePanel_ = new AltitudePanel(centralWidget());
    calibrationPanel_ = new CalibrationPanel(centralWidget());
    scalePanel_ = new ScalePanel(centralWidget());
    exportPanel_ = new ExportPanel(centralWidget());
    connect(exportPanel_, &ExportPanel::traiter, this, &MainWindow::sauve_fic_points);
    georefPicturePanel_ = new GeoreferencedPicturePanel(centralWidget());
    sheetImportPanel_ = new SheetImportPanel(centralWidget());
    sheetImportPanel_->move(60, 60);
    connect(sheetImportPanel_, &SheetImportPanel::traiter, this,
            &MainWindow::importSpreadsheetPoints);
    connect(altitudePanel_, &AltitudePanel::stepRequested, this, &MainWindow::altitude_pm);
    connect(altitudePanel_, &AltitudePanel::zTyped, this, &MainWindow::setZOfSelectedPoint);
    connect(calibrationPanel_, &CalibrationPanel::calibrer, this, &MainWindow::startCalibration);
    connect(calibrationPanel_, &CalibrationPanel::modeChanged, this, [this](int mode) {
        project_.setCalibrationMode(static_cast<model::CalibrationMode>(mode));
    });
    connect(calibrationPanel_, &CalibrationPanel::addControlPoint, this,
            &MainWindow::armControlPoint);
    connect(calibrationPanel_, &CalibrationPanel::fitChosen, this,
            &MainWindow::chooseCalibrationModel);
    connect(scalePanel_, &ScalePanel::rescale, this, &MainWindow::rescaleToDistance);

    // The three panels share one place: the centre of the screen.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QPoint centre = screen->availableGeometry().center();
        for (QWidget* panel :
             std::initializer_list<QWidget*>{calibrationPanel_, scalePanel_, altitudePanel_})
            panel->move(centre - panel->rect().center());
    }
}

} // namespace tracelle::ui
