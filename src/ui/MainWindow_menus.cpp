// The command table: menus, items, captions and shortcuts.
#include "ui/MainWindow.h"
#include "ui/PointsTableWindow.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

namespace tracelle::ui {

namespace {

// The French title of a menu: commands are looked up by their French captions, whatever the
// language the menus show.
constexpr const char* kSourceTitle = "sourceTitle";

QString sourceTitle(const QMenu* menu) {
    return menu ? menu->property(kSourceTitle).toString() : QString();
}

} // namespace

QMenu* MainWindow::addMenu(QMenu* parent, const char* title) {
    QMenu* menu = parent ? parent->addMenu(tr(title)) : menuBar()->addMenu(tr(title));
    menu->setProperty(kSourceTitle, QString::fromUtf8(title));
    return menu;
}

QAction* MainWindow::addCommand(QMenu* menu, const char* caption, void (MainWindow::*handler)(),
                                const QKeySequence& key) {
    auto* action = menu ? menu->addAction(tr(caption)) : menuBar()->addAction(tr(caption));
    if (!key.isEmpty()) action->setShortcut(key);
    // A command may need the whole picture: it waits for one still arriving (zoom and pan,
    // which are no commands, stay free meanwhile).
    connect(action, &QAction::triggered, this, [this, handler] {
        waitForPicture();
        (this->*handler)();
    });
    actions_[sourceTitle(menu) + '|' + QString::fromUtf8(caption)] = action;
    return action;
}

void MainWindow::creerMenus() {
    QMenu* fichier = addMenu(nullptr, QT_TR_NOOP("&Fichier"));
    addCommand(fichier, QT_TR_NOOP("===> Ouvrir un fichier *.trc  (points et image associés)"),
               &MainWindow::openProject, QKeySequence(Qt::SHIFT | Qt::Key_F2));
    QMenu* recents = addMenu(fichier, QT_TR_NOOP("Projets récents"));
    recents->setObjectName("ProjetsRecents");
    connect(recents, &QMenu::aboutToShow, this, [this, recents] { fillRecentProjects(recents); });
    addCommand(fichier, QT_TR_NOOP("=> &Charger une image de fond seule"), &MainWindow::Ouvrir_bmp);
    addCommand(fichier, QT_TR_NOOP("&Enregistrer les points et le nom de l'image  => *.trc"),
               &MainWindow::saveProject);
    addCommand(fichier, QT_TR_NOOP("Enregistrer l'image BITMAP  *.bmp ou *.jpg SANS les lignes"),
               &MainWindow::savePicture);
    addCommand(fichier, QT_TR_NOOP("Enregistrer l'image avec les lignes ou les points (*.jpg)"),
               &MainWindow::savePictureWithLines);
    addCommand(fichier, QT_TR_NOOP("Enregistrer l'image géoréférencée"),
               &MainWindow::enregistreImageGeoreferencee);
    addCommand(fichier, QT_TR_NOOP("Enregistrer les coordonnées digitalisées"),
               &MainWindow::affiche_panel_sauve);
    addCommand(fichier, QT_TR_NOOP("Exporter les coordonnées digitalisées via le presse-papier"),
               &MainWindow::copyTablesToClipboard);
    fichier->addSeparator();
    addCommand(fichier, QT_TR_NOOP("=> Charger l'image présente dans le presse-papier"),
               &MainWindow::openClipboardPicture);
    addCommand(fichier, QT_TR_NOOP("=> Charger un *.TAB MapInfo"), &MainWindow::openMapInfoTab);
    addCommand(fichier, QT_TR_NOOP("=> Charger  un fichier *.hdr ARC/INFO "),
               &MainWindow::openArcInfoHdr);
    addCommand(fichier,
               QT_TR_NOOP("=> Charger une image géoréférencée (GeoTIFF, *.tfw, *.jgw, *.pgw, "
                          "*.wld)"),
               &MainWindow::chargeImageGeoreferencee);
    fichier->addSeparator();
    addCommand(fichier, QT_TR_NOOP("Conversion  emf, wmf, bmp -> TIF, JPEG, BMP"),
               &MainWindow::showPictureConversion);
    addCommand(fichier, QT_TR_NOOP("&Nouvelle saisie avec table à digitaliser "),
               &MainWindow::ouvrir_sans_bmp);
    fichier->addSeparator();
    addCommand(fichier, QT_TR_NOOP("&Quitter"), &MainWindow::quitterMenu,
               QKeySequence(Qt::Key_F12));

    QMenu* edition = addMenu(nullptr, QT_TR_NOOP("Edition"));
    annulerItem_ = addCommand(edition, QT_TR_NOOP("Annuler"), &MainWindow::annuler,
                              QKeySequence(Qt::CTRL | Qt::Key_Z));
    retablirItem_ = addCommand(edition, QT_TR_NOOP("Rétablir"), &MainWindow::retablir,
                               QKeySequence(Qt::CTRL | Qt::Key_Y));
    retablirItem_->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    // The items name what they would undo, and are greyed with nothing to undo; once the menu
    // is closed, the keys stay live and say so themselves when there is nothing.
    connect(edition, &QMenu::aboutToShow, this, [this] {
        const model::History& h = project_.history();
        annulerItem_->setText(h.canUndo()
                                  ? tr("Annuler %1").arg(QString::fromStdString(h.undoName()))
                                  : tr("Annuler"));
        retablirItem_->setText(h.canRedo()
                                   ? tr("Rétablir %1").arg(QString::fromStdString(h.redoName()))
                                   : tr("Rétablir"));
        annulerItem_->setEnabled(h.canUndo());
        retablirItem_->setEnabled(h.canRedo());
    });
    connect(edition, &QMenu::aboutToHide, this, [this] {
        annulerItem_->setEnabled(true);
        retablirItem_->setEnabled(true);
    });
    edition->addSeparator();
    addCommand(edition, QT_TR_NOOP("Tableau de points et calages  F4"), &MainWindow::tab_points);
    addCommand(edition, QT_TR_NOOP("&Nouvelle suite de points [espace]"),
               &MainWindow::Nouvelle_suite_de_points);
    addCommand(edition, QT_TR_NOOP("&Effacer le dernier point  F6"), &MainWindow::devalide_point);
    addCommand(edition, QT_TR_NOOP("&Copier dans le presse-papier (->Excel)"),
               &MainWindow::copyExportToClipboard);
    edition->addSeparator();
    addCommand(edition, QT_TR_NOOP("Altitude + delta Z"), &MainWindow::altitudePlus,
               QKeySequence(Qt::Key_F3));
    addCommand(edition, QT_TR_NOOP("Altitude - delta Z"), &MainWindow::altitudeMoins,
               QKeySequence(Qt::Key_F2));
    edition->addSeparator();
    addCommand(
        edition,
        QT_TR_NOOP("Rajout de points digitalisés à partir d'un *trc  associé à la même image"),
        &MainWindow::addPointsFromProject);
    addCommand(
        edition,
        QT_TR_NOOP("Rajout de points (X,Y,Lib) à partir d'un fichier *.TXT (2 ou 3 colonnes)"),
        &MainWindow::importTextPoints);
    addCommand(edition, QT_TR_NOOP("Rajout de points (X,Y,Lib) à partir d'un fichier *.XLS"),
               &MainWindow::chooseSpreadsheet);
    addCommand(edition, QT_TR_NOOP("Récupération de valeurs  réelles (X,Y,Z) de calibration"),
               &MainWindow::importCalibrationValues);
    addCommand(edition,
               QT_TR_NOOP("Valeurs de calibration réelles (X,Y,Z) à partir du presse-papier"),
               &MainWindow::pasteCalibrationValues);

    QMenu* affichage = addMenu(nullptr, QT_TR_NOOP("&Affichage"));
    addCommand(affichage, QT_TR_NOOP("&Agrandir  [+]"), &MainWindow::agrandir);
    addCommand(affichage, QT_TR_NOOP("&Rétrécir  [-]"), &MainWindow::retrecir);
    addCommand(affichage, QT_TR_NOOP("&Carte complète"), &MainWindow::Carte_complete,
               QKeySequence(Qt::Key_F10));
    addCommand(affichage, QT_TR_NOOP("&Graphe"), &MainWindow::showGraph, QKeySequence(Qt::Key_F7));
    addCommand(affichage, QT_TR_NOOP("&Plein écran"), &MainWindow::plein_ecran,
               QKeySequence(Qt::Key_F11))
        ->setCheckable(true);
    QAction* proportions = addCommand(affichage, QT_TR_NOOP("Garder les proportions L x H"),
                                      &MainWindow::applyKeepProportions);
    proportions->setCheckable(true);
    proportions->setChecked(true);

    QMenu* aide = addMenu(nullptr, QT_TR_NOOP("&?"));
    addCommand(aide, QT_TR_NOOP("&Aide"), &MainWindow::AideClick, QKeySequence(Qt::Key_F1));
    addCommand(aide, QT_TR_NOOP("A &propos ..."), &MainWindow::AProposClick);

    QMenu* options = addMenu(nullptr, QT_TR_NOOP("&Options"));
    pointsItem_ = addCommand(options, QT_TR_NOOP("Points"), &MainWindow::stylePoints);
    lignesItem_ = addCommand(options, QT_TR_NOOP("Lignes"), &MainWindow::styleLignes);
    tableItem_ =
        addCommand(options, QT_TR_NOOP("&Table à digitaliser"), &MainWindow::applyDigitizingTable);
    const char* annulation = QT_TR_NOOP("une annulation colorée");
    annulationItem_ = options->addAction(tr(annulation));
    actions_[sourceTitle(options) + '|' + QString::fromUtf8(annulation)] = annulationItem_;
    rouletteItem_ =
        addCommand(options, QT_TR_NOOP("roulette inversée"), &MainWindow::rouletteInverseeClick);
    for (QAction* item : {pointsItem_, lignesItem_, tableItem_, annulationItem_, rouletteItem_})
        item->setCheckable(true);
    pointsItem_->setChecked(true);
    annulationItem_->setChecked(true); // the option of keeping one undo copy before a colouring
    creerMenuLangue(addMenu(options, QT_TR_NOOP("Langue")));

    QMenu* conversions = addMenu(nullptr, QT_TR_NOOP("&Conversions"));
    addCommand(conversions, QT_TR_NOOP("UTM <-> Lat"), &MainWindow::showConverter);
    addCommand(conversions, QT_TR_NOOP("emf, wmf, bmp -> TIF, JPG, BMP"),
               &MainWindow::showPictureConversion);

    addCommand(nullptr, QT_TR_NOOP("Aide"), &MainWindow::AideBascule);
    addCommand(nullptr, QT_TR_NOOP("&Quitter"), &MainWindow::quitterMenu);
    addCommand(nullptr, QT_TR_NOOP("Redessiner"), &MainWindow::Redessiner);
}

void MainWindow::creerMenuLangue(QMenu* menu) {
    menu->setObjectName("MenuLangue");
    auto* group = new QActionGroup(menu);
    const auto code = [](std::optional<platform::Language> language) {
        if (!language) return QString();
        const std::string_view c = platform::languageCode(*language);
        return QString::fromLatin1(c.data(), static_cast<qsizetype>(c.size()));
    };
    // The mark on the choice in force, kept in the settings.
    const auto mark = [menu, code] {
        for (QAction* item : menu->actions())
            item->setChecked(item->data().toString() == code(platform::savedLanguage()));
    };
    // Each language is named in its own tongue, whatever the menus speak, so that its reader
    // finds it.
    const std::pair<QString, std::optional<platform::Language>> choices[] = {
        {tr("Selon la session"), std::nullopt},
        {tr("Français"), platform::Language::French},
        {tr("English"), platform::Language::English}};
    for (const auto& [caption, language] : choices) {
        QAction* item = menu->addAction(caption);
        item->setCheckable(true);
        item->setData(code(language));
        group->addAction(item);
        connect(item, &QAction::triggered, this, [mark, language] {
            if (!chooseLanguage(language)) mark(); // not saved: the choice in force stays
        });
    }
    mark();
}

bool MainWindow::chooseLanguage(std::optional<platform::Language> language) {
    if (!platform::saveLanguage(language)) {
        platform::interaction().information(
            tr("La langue choisie n'a pas pu être enregistrée.").toStdString());
        return false;
    }
    // Said in the language chosen, which the catalogue in force may not hold.
    platform::interaction().information(
        language.value_or(platform::languageFromEnvironment()) == platform::Language::English
            ? "The chosen language will apply the next time Tracelle starts."
            : "La langue choisie s'appliquera au prochain démarrage de Tracelle.");
    return true;
}

} // namespace tracelle::ui
