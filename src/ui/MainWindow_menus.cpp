// The command table: menus, items, captions and shortcuts.
#include "ui/MainWindow.h"
#include "ui/PointsTableWindow.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace tracelle::ui {

QAction* MainWindow::addCommand(QMenu* menu, const QString& caption, void (MainWindow::*handler)(),
                                const QKeySequence& key) {
    auto* action = menu ? menu->addAction(caption) : menuBar()->addAction(caption);
    if (!key.isEmpty()) action->setShortcut(key);
    // A command may need the whole picture: it waits for one still arriving (zoom and pan,
    // which are no commands, stay free meanwhile).
    connect(action, &QAction::triggered, this, [this, handler] {
        waitForPicture();
        (this->*handler)();
    });
    actions_[(menu ? menu->title() : QString()) + '|' + caption] = action;
    return action;
}

void MainWindow::creerMenus() {
    QMenu* fichier = menuBar()->addMenu(QStringLiteral("&Fichier"));
    addCommand(fichier, QStringLiteral("===> Ouvrir un fichier *.trc  (points et image associés)"),
               &MainWindow::openProject, QKeySequence(Qt::SHIFT | Qt::Key_F2));
    QMenu* recents = fichier->addMenu(QStringLiteral("Projets récents"));
    recents->setObjectName("ProjetsRecents");
    connect(recents, &QMenu::aboutToShow, this, [this, recents] { fillRecentProjects(recents); });
    addCommand(fichier, QStringLiteral("=> &Charger une image de fond seule"),
               &MainWindow::Ouvrir_bmp);
    addCommand(fichier, QStringLiteral("&Enregistrer les points et le nom de l'image  => *.trc"),
               &MainWindow::saveProject);
    addCommand(fichier,
               QStringLiteral("Enregistrer l'image BITMAP  *.bmp ou *.jpg SANS les lignes"),
               &MainWindow::savePicture);
    addCommand(fichier, QStringLiteral("Enregistrer l'image avec les lignes ou les points (*.jpg)"),
               &MainWindow::savePictureWithLines);
    addCommand(fichier, QStringLiteral("Enregistrer l'image géoréférencée"),
               &MainWindow::enregistreImageGeoreferencee);
    addCommand(fichier, QStringLiteral("Enregistrer les coordonnées digitalisées"),
               &MainWindow::affiche_panel_sauve);
    addCommand(fichier,
               QStringLiteral("Exporter les coordonnées digitalisées via le presse-papier"),
               &MainWindow::copyTablesToClipboard);
    fichier->addSeparator();
    addCommand(fichier, QStringLiteral("=> Charger l'image présente dans le presse-papier"),
               &MainWindow::openClipboardPicture);
    addCommand(fichier, QStringLiteral("=> Charger un *.TAB MapInfo"), &MainWindow::openMapInfoTab);
    addCommand(fichier, QStringLiteral("=> Charger  un fichier *.hdr ARC/INFO "),
               &MainWindow::openArcInfoHdr);
    addCommand(fichier,
               QStringLiteral("=> Charger une image géoréférencée (GeoTIFF, *.tfw, *.jgw, *.pgw, "
                              "*.wld)"),
               &MainWindow::chargeImageGeoreferencee);
    fichier->addSeparator();
    addCommand(fichier, QStringLiteral("Conversion  emf, wmf, bmp -> TIF, JPEG, BMP"),
               &MainWindow::showPictureConversion);
    addCommand(fichier, QStringLiteral("&Nouvelle saisie avec table à digitaliser "),
               &MainWindow::ouvrir_sans_bmp);
    fichier->addSeparator();
    addCommand(fichier, QStringLiteral("&Quitter"), &MainWindow::quitterMenu,
               QKeySequence(Qt::Key_F12));

    QMenu* edition = menuBar()->addMenu(QStringLiteral("Edition"));
    annulerItem_ = addCommand(edition, QStringLiteral("Annuler"), &MainWindow::annuler,
                              QKeySequence(Qt::CTRL | Qt::Key_Z));
    retablirItem_ = addCommand(edition, QStringLiteral("Rétablir"), &MainWindow::retablir,
                               QKeySequence(Qt::CTRL | Qt::Key_Y));
    retablirItem_->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    // The items name what they would undo, and are greyed with nothing to undo; once the menu
    // is closed, the keys stay live and say so themselves when there is nothing.
    connect(edition, &QMenu::aboutToShow, this, [this] {
        const model::History& h = project_.history();
        annulerItem_->setText(h.canUndo() ? "Annuler " + QString::fromStdString(h.undoName())
                                          : QStringLiteral("Annuler"));
        retablirItem_->setText(h.canRedo() ? "Rétablir " + QString::fromStdString(h.redoName())
                                           : QStringLiteral("Rétablir"));
        annulerItem_->setEnabled(h.canUndo());
        retablirItem_->setEnabled(h.canRedo());
    });
    connect(edition, &QMenu::aboutToHide, this, [this] {
        annulerItem_->setEnabled(true);
        retablirItem_->setEnabled(true);
    });
    edition->addSeparator();
    addCommand(edition, QStringLiteral("Tableau de points et calages  F4"),
               &MainWindow::tab_points);
    addCommand(edition, QStringLiteral("&Nouvelle suite de points [espace]"),
               &MainWindow::Nouvelle_suite_de_points);
    addCommand(edition, QStringLiteral("&Effacer le dernier point  F6"),
               &MainWindow::devalide_point);
    addCommand(edition, QStringLiteral("&Copier dans le presse-papier (->Excel)"),
               &MainWindow::copyExportToClipboard);
    edition->addSeparator();
    addCommand(edition, QStringLiteral("Altitude + delta Z"), &MainWindow::altitudePlus,
               QKeySequence(Qt::Key_F3));
    addCommand(edition, QStringLiteral("Altitude - delta Z"), &MainWindow::altitudeMoins,
               QKeySequence(Qt::Key_F2));
    edition->addSeparator();
    addCommand(
        edition,
        QStringLiteral("Rajout de points digitalisés à partir d'un *trc  associé à la même image"),
        &MainWindow::addPointsFromProject);
    addCommand(
        edition,
        QStringLiteral("Rajout de points (X,Y,Lib) à partir d'un fichier *.TXT (2 ou 3 colonnes)"),
        &MainWindow::importTextPoints);
    addCommand(edition, QStringLiteral("Rajout de points (X,Y,Lib) à partir d'un fichier *.XLS"),
               &MainWindow::chooseSpreadsheet);
    addCommand(edition, QStringLiteral("Récupération de valeurs  réelles (X,Y,Z) de calibration"),
               &MainWindow::importCalibrationValues);
    addCommand(edition,
               QStringLiteral("Valeurs de calibration réelles (X,Y,Z) à partir du presse-papier"),
               &MainWindow::pasteCalibrationValues);

    QMenu* affichage = menuBar()->addMenu(QStringLiteral("&Affichage"));
    addCommand(affichage, QStringLiteral("&Agrandir  [+]"), &MainWindow::agrandir);
    addCommand(affichage, QStringLiteral("&Rétrécir  [-]"), &MainWindow::retrecir);
    addCommand(affichage, QStringLiteral("&Carte complète"), &MainWindow::Carte_complete,
               QKeySequence(Qt::Key_F10));
    addCommand(affichage, QStringLiteral("&Graphe"), &MainWindow::showGraph,
               QKeySequence(Qt::Key_F7));
    addCommand(affichage, QStringLiteral("&Plein écran"), &MainWindow::plein_ecran,
               QKeySequence(Qt::Key_F11))
        ->setCheckable(true);
    QAction* proportions = addCommand(affichage, QStringLiteral("Garder les proportions L x H"),
                                      &MainWindow::applyKeepProportions);
    proportions->setCheckable(true);
    proportions->setChecked(true);

    QMenu* aide = menuBar()->addMenu(QStringLiteral("&?"));
    addCommand(aide, QStringLiteral("&Aide"), &MainWindow::AideClick, QKeySequence(Qt::Key_F1));
    addCommand(aide, QStringLiteral("A &propos ..."), &MainWindow::AProposClick);

    QMenu* options = menuBar()->addMenu(QStringLiteral("&Options"));
    pointsItem_ = addCommand(options, QStringLiteral("Points"), &MainWindow::stylePoints);
    lignesItem_ = addCommand(options, QStringLiteral("Lignes"), &MainWindow::styleLignes);
    tableItem_ = addCommand(options, QStringLiteral("&Table à digitaliser"),
                            &MainWindow::applyDigitizingTable);
    annulationItem_ = options->addAction(QStringLiteral("une annulation colorée"));
    actions_[options->title() + '|' + annulationItem_->text()] = annulationItem_;
    rouletteItem_ = addCommand(options, QStringLiteral("roulette inversée"),
                               &MainWindow::rouletteInverseeClick);
    for (QAction* item : {pointsItem_, lignesItem_, tableItem_, annulationItem_, rouletteItem_})
        item->setCheckable(true);
    pointsItem_->setChecked(true);
    annulationItem_->setChecked(true); // the option of keeping one undo copy before a colouring

    QMenu* conversions = menuBar()->addMenu(QStringLiteral("&Conversions"));
    addCommand(conversions, QStringLiteral("UTM <-> Lat"), &MainWindow::showConverter);
    addCommand(conversions, QStringLiteral("emf, wmf, bmp -> TIF, JPG, BMP"),
               &MainWindow::showPictureConversion);

    addCommand(nullptr, QStringLiteral("Aide"), &MainWindow::AideBascule);
    addCommand(nullptr, QStringLiteral("&Quitter"), &MainWindow::quitterMenu);
    addCommand(nullptr, QStringLiteral("Redessiner"), &MainWindow::Redessiner);
}

} // namespace tracelle::ui
