#include "ui/ConverterWindow.h"

#include "files/LastFolder.h"
#include "files/ReviewedText.h"
#include "files/TextFile.h"
#include "files/Workbook.h"
#include "geodesy/UTMLaLo.h"
#include "model/NumberText.h"
#include "platform/DecimalSeparator.h"
#include "platform/Interaction.h"
#include "platform/Language.h"
#include "platform/Paths.h"
#include "ui/FlowLayout.h"
#include "ui/QtText.h"
#include "ui/TextTableModel.h"
#include "ui/Translations.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>
#include <filesystem>

namespace tracelle::ui {

using platform::interaction;
namespace fs = std::filesystem;

namespace {

// One place in several systems, and the formulas in words: what a user checks a result
// against.
const char* const kNotes = QT_TRANSLATE_NOOP(
    "tracelle::ui::ConverterWindow",
    "REPÈRES\n"
    "Un même point, la cathédrale de Strasbourg à quelques mètres près :\n"
    "  UTM WGS 84 : zone 32, bande U, hémisphère N, Est 406 864 m, Nord 5 383 757 m\n"
    "  degrés décimaux : latitude 48,5999598581, longitude 7,73672367\n"
    "  degrés minutes secondes : 48° 35' 59,8555\" N, 7° 44' 12,2052\" E\n"
    "  approximation kilométrique (Ra 6378, Rb 6347) : x 407 km, y 5384 km\n"
    "\n"
    "UTM (Mercator transverse universelle)\n"
    "  La Terre est découpée en 60 fuseaux de 6° de longitude, numérotés de 1 (180° O à\n"
    "  174° O) à 60 vers l'est ; la France est dans les fuseaux 30, 31 et 32. Chaque fuseau\n"
    "  est projeté sur un cylindre tangent à son méridien central (−3°, 3°, 9°...), avec un\n"
    "  facteur d'échelle de 0,9996 sur ce méridien.\n"
    "  Est : distance au méridien central + 500 000 m (faux Est), entre 166 et 834 km à\n"
    "  l'équateur. Nord : distance à l'équateur ; dans l'hémisphère sud on ajoute\n"
    "  10 000 000 m (faux Nord) pour rester positif.\n"
    "  La lettre (C à X sans I ni O) désigne une bande de 8° de latitude, de −80° à 80° ;\n"
    "  de C à M on est au sud, de N à X au nord. Z : hors des limites de l'UTM.\n"
    "\n"
    "ELLIPSOÏDES\n"
    "  Les coordonnées dépendent de l'ellipsoïde (demi-grand axe a, demi-petit axe b) :\n"
    "  WGS 84 pour le GPS, International (Hayford 1909) pour l'ED 50, Clarke 1880 pour la\n"
    "  NTF... Entre deux ellipsoïdes un même point se déplace de plusieurs dizaines de\n"
    "  mètres. Clic droit dans la colonne Ellipsoïde pour en choisir un.\n"
    "\n"
    "FORMULES, EN MOTS\n"
    "  Latitude, longitude -> UTM : le fuseau vient de la longitude, la distance au\n"
    "  méridien central est développée en série de la différence de longitude (jusqu'à la\n"
    "  puissance 6), la distance à l'équateur en série de la latitude sur l'ellipsoïde.\n"
    "  UTM -> latitude, longitude : la latitude d'appui est tirée du Nord, puis corrigée par\n"
    "  une série de l'écart à 500 000 m. Dans tout le fuseau, l'écart avec la bibliothèque\n"
    "  de référence PROJ reste sous le millimètre.\n"
    "  Degrés minutes secondes : 1° = 60', 1' = 60\" ; 48° 35' 59,8555\" = 48 + 35/60 +\n"
    "  59,8555/3600 = 48,5999598.\n"
    "  Approximation kilométrique : x = (Long − L0) · Ra · cos(Lat) + 500, y = Rb · Lat\n"
    "  (angles en radians), L0 le milieu du fuseau ; 1° ≈ 111 km, 1' ≈ 1855 m, 1\" ≈ 31 m.\n");

QPushButton* button(const QString& caption, const QString& hint, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setToolTip(hint);
    return b;
}

} // namespace

ConverterWindow::ConverterWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("ConverterWindow");
    setWindowTitle(tr("Convertions"));
    resize(1000, 700);

    grid_ = new QTableView(this);
    grid_->setObjectName("GrilleConversion");
    auto* model = new TextTableModel(sheet_.table(), grid_);
    QStringList headers, shown;
    for (const char* h : geodesy::kWorksheetHeaders) {
        headers << QString::fromUtf8(h);
        shown << TextTableModel::shownHeader(h);
    }
    model->setEditableColumns(headers);
    grid_->setModel(model);
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setDefaultSectionSize(20);
    grid_->horizontalHeader()->setDefaultSectionSize(64);
    grid_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::AnyKeyPressed);
    // The widths of the original small font, widened where this font's header or a typical
    // value would not fit: a cell cut by an ellipsis hides the digits the user checks.
    const struct {
        int column, width;
        const char* sample;
    } widths[] = {{0, 30, "999"},
                  {1, 64, "Mont Ventoux"},
                  {2, 74, "9 999 999.99"},
                  {3, 74, "9 999 999.99"},
                  {7, 64, "International"},
                  {8, 85, "-48.5999598581"},
                  {9, 85, "-148.5999598581"},
                  {10, 90, "-48° 35' 59.8555\""},
                  {11, 90, "-148° 35' 59.8555\""},
                  {12, 60, "9 999"},
                  {13, 60, "99 999"}};
    const QFontMetrics metrics = grid_->fontMetrics();
    const auto fits = [&](const QString& text) { return metrics.horizontalAdvance(text) + 14; };
    for (int column = 0; column < model->columnCount(); ++column)
        grid_->setColumnWidth(column, std::max(64, fits(shown[column])));
    for (const auto& c : widths)
        grid_->setColumnWidth(c.column, std::max({c.width, fits(shown[c.column]),
                                                  fits(QString::fromUtf8(c.sample))}));
    grid_->viewport()->installEventFilter(this);

    chooser_ = new QComboBox(grid_->viewport());
    chooser_->setObjectName("ComboBoxEllipsoide");
    const auto& table = geodesy::ellipsoides();
    for (auto it = table.rbegin(); it != table.rend(); ++it)
        chooser_->addItem(QString::fromUtf8(it->Name));
    chooser_->setCurrentIndex(0);
    chooser_->hide();
    chooser_->installEventFilter(this);
    connect(chooser_, &QComboBox::activated, this, &ConverterWindow::chooseEllipsoid);

    notes_ = new QPlainTextEdit(tr(kNotes), this);
    notes_->setObjectName("MemoAide");
    notes_->hide();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_, 1);
    layout->addWidget(buildLabels());
    layout->addWidget(buildButtons());

    auto* f5 = new QShortcut(QKeySequence(Qt::Key_F5), this);
    connect(f5, &QShortcut::activated, this, &ConverterWindow::recopie);
}

// The grid's model listens to the worksheet: it goes first.
ConverterWindow::~ConverterWindow() {
    // The grid's children are told of its end through the filter: it is taken off first.
    grid_->viewport()->removeEventFilter(this);
    chooser_->removeEventFilter(this);
    delete grid_;
}

QWidget* ConverterWindow::buildLabels() {
    auto* panel = new QWidget(this);
    auto* rows = new QVBoxLayout(panel);
    rows->setContentsMargins(0, 0, 0, 0);

    auto* first = new QHBoxLayout;
    first->addWidget(new QLabel(tr("Séparateur décimal ="), panel));
    first->addWidget(new QLabel(
        QStringLiteral("< ") + QChar(platform::decimalSeparator()) + QStringLiteral(" >"), panel));
    first->addSpacing(20);
    count_ = new QLabel(tr("Nombre de points"), panel);
    count_->setObjectName("LabelNombre");
    first->addWidget(count_);
    first->addSpacing(20);
    workbook_ = new QLabel(tr("Fichier XLS"), panel);
    workbook_->setObjectName("LabelFichier");
    first->addWidget(workbook_, 1);
    rows->addLayout(first);

    rows->addWidget(new QLabel(
        tr("Périmètre de la Terre=40076 Km    R=6378 Km  1°=111 Km  1'=1855 m  1\"=31m"), panel));
    auto* radii = new QHBoxLayout;
    ra_ = new QLineEdit(QStringLiteral("6378"), panel);
    ra_->setObjectName("EditRa");
    rb_ = new QLineEdit(QStringLiteral("6347"), panel);
    rb_->setObjectName("EditRb");
    for (QLineEdit* box : {ra_, rb_})
        box->setFixedWidth(60);
    radii->addWidget(new QLabel(tr("si   Ra ="), panel));
    radii->addWidget(ra_);
    radii->addWidget(new QLabel(tr("et Rb ="), panel));
    radii->addWidget(rb_);
    auto* formula =
        new QLabel(tr("alors x = (Long - L0) . Ra . cos(Lat) + 500  avec L0, milieu du fuseau  "
                      "(-3,+3,+9,+15...)  et   y = Rb . Lat   si  Lat < 0  ->  y = y + 10 000 "
                      "en mètres"),
                   panel);
    formula->setWordWrap(true);
    radii->addWidget(formula, 1);
    rows->addLayout(radii);
    rows->addWidget(new QLabel(
        tr(" X est compris entre 166 et 834km  (500km +/- 3° * 111.1km/° à l'équateur)."), panel));
    return panel;
}

QWidget* ConverterWindow::buildButtons() {
    auto* panel = new QWidget(this);
    auto* flow = new FlowLayout(4);
    panel->setLayout(flow);
    const auto add = [&](const QString& caption, const QString& hint, auto&& command) {
        QPushButton* b = button(caption, hint, panel);
        connect(b, &QPushButton::clicked, this, command);
        flow->addWidget(b);
        return b;
    };
    add(tr("UTM --> Lat,Long"), tr("le calcul écrase les Lat et Long"),
        [this] { utmVersLatLon(); });
    add(tr("°lat,°long °'\"--> UTM  (tous)"), tr("Calcul dans TOUS les cas si Lat et Long "),
        [this] { latLonVersUtm(false); });
    add(tr("°lat,°long °'\"--> UTM (vide) "),
        tr("SI les colonnes Est ET Nord sont vides ALORS Calcul"), [this] { latLonVersUtm(true); });
    add(tr("°lat °long --> Lat Long"), tr("dégré ° ---> décimal"), [this] { dmsVersDecimal(); });
    add(tr("Lat Long --> °lat °long"), tr("décimal ---> degrés °"), [this] { decimalVersDms(); });
    add(tr("°lat,°long °'\"--> x et y "), tr("Calcul dans TOUS les cas"), [this] { km(); });
    add(tr("Importer un fichier texte (csv)"), {}, [this] { importeTexte(); });
    add(tr("Importer un fichier XLS UTM->°lat,]lon"), {}, [this] { importeClasseur(true); });
    add(tr("Importer un fichier XLS °lat,]lon->UTM"), {}, [this] { importeClasseur(false); });
    add(tr("Lancer Excel avec ..."), {}, [this] { lanceTableur(); });
    add(tr("Presse papier"), {}, [this] { pressePapier(); });
    add(tr("F5=recopie -> fin"), {}, [this] { recopie(); });
    aide_ = add(tr("Aide "), {}, [this] { basculeAide(); });
    add(tr("Aide UTM.pdf"), {}, [this] { aideUtmPdf(); });
    add(tr("Tout effacer"), {}, [this] { toutEffacer(); });
    add(tr("Retour"), {}, [this] { close(); });
    add(tr("Quitter direct"), {}, [this] { emit quitDirect(); });
    return panel;
}

void ConverterWindow::showStopped(const std::optional<geodesy::Stopped>& stopped) {
    if (stopped) interaction().information(stopped->message);
}

void ConverterWindow::utmVersLatLon() {
    showStopped(sheet_.utmVersLatLon(ra_->text().toStdString(), rb_->text().toStdString()));
}

void ConverterWindow::latLonVersUtm(bool onlyEmpty) {
    showStopped(
        sheet_.latLonVersUtm(onlyEmpty, ra_->text().toStdString(), rb_->text().toStdString()));
}

void ConverterWindow::dmsVersDecimal() {
    sheet_.dmsVersDecimal();
}

void ConverterWindow::decimalVersDms() {
    sheet_.decimalVersDms();
}

void ConverterWindow::km() {
    sheet_.km(ra_->text().toStdString(), rb_->text().toStdString());
}

void ConverterWindow::importeTexte() {
    if (interaction().dlg_titre_message_ONEK_oui_non(
            tr("Importer un fichier texte UTM WGS 84 (séparatuer=Tab)").toStdString(),
            tr("le fichier doit contenir les colonnes \n(Lib)  en colonne 1     \n(Nord) en "
               "colonne 4     \n(Est)  en colonne 5     ")
                .toStdString(),
            "OE", tr("importer").toStdString(), tr("annuler").toStdString(),
            platform::DialogWidth::Wide) != 'O')
        return;
    const auto chosen = interaction().openFileName(
        files::dansDernierDossier(tr("Ouvrir un fichier UTM  Lib[1] Nord[4]  Est[5]").toStdString(),
                                  tr("Fichiers (*.txt)|*.txt;*.prn;*.csv").toStdString()));
    if (!chosen) return;
    files::premiere_ligne_enregistre(files::kLastFolderFile,
                                     fs::path(*chosen).parent_path().string());
    const auto reviewed = files::texteRevu(*chosen);
    if (!reviewed || !remplacementAccepte()) return;
    const int n = sheet_.importeTexte(*reviewed);
    count_->setText(tr("%1 positions").arg(n));
}

void ConverterWindow::importeClasseur(bool utm) {
    const QString format =
        utm ? tr("le fichier doit contenir \nligne 1 colonne 1 ( Zone ) et 2ème colonne son code "
                 "UTM\nligne 2 colonne 1 (Ellipsoide) et 2ème colonne son sigle Ex. WGS 84\nligne "
                 "3 colonne 1 (Hémisphère) et 2ème colonne son code Ex. N\nligne 4 colonne 1 "
                 "(Libellé) colonne 2 (X ou Est) colonne 3 (Y ou Nord)\npuis les valeurs\nLa "
                 "lecture s'arrête si le Libellé est vide")
            : tr("Colonne 1(Nom) colonne 2(Latitude) colonne 3(Longitude)\navec O et S "
                 "remplaçant le signe négatif 15° O=-15° E\nLa lecture s'arrête si le Nom est "
                 "vide\net la 1ère ligne n'est pas lue ");
    const std::string title = tr("Importer un fichier Excel XLS").toStdString();
    const char answer = interaction().dlg_titre_message_ONEK_oui_non(
        title, format.toStdString(), "ONE", tr("Importer").toStdString(),
        tr("Exemple").toStdString(), platform::DialogWidth::Wide);
    if (answer == 'N') {
        const std::string name = utm ? "Exemple UTM to LatLong" : "Exemple LatLog to UTM";
        const std::string example = platform::resourceFile(name + ".xl0");
        std::error_code ec;
        if (example.empty() || !fs::is_regular_file(example, ec)) {
            interaction().information(
                tr("Le fichier < %1.xl0 > n'a pas été trouvé").arg(q(name)).toStdString());
            return;
        }
        const std::string copy = platform::configFile(name + ".xls");
        if (fs::exists(copy, ec) &&
            interaction().dlg_titre_message_ONEK_oui_non(
                title,
                tr("Le fichier %1\n\nexiste déjà\n\nacceptez-vous d'en perdre le contenu ?")
                    .arg(q(copy))
                    .toStdString(),
                "ON", tr("Ecraser").toStdString(), tr("annuler").toStdString(),
                platform::DialogWidth::Wide) != 'O')
            return;
        if (!fs::copy_file(example, copy, fs::copy_options::overwrite_existing, ec)) {
            interaction().information(
                tr("copie impossible vers %1 : %2").arg(q(copy), q(ec.message())).toStdString());
            return;
        }
        interaction().openWithDesktop(copy);
        return;
    }
    if (answer != 'O') return;
    const auto chosen = interaction().openFileName(files::dansDernierDossier(
        (utm ? tr("Ouvrir un fichier UTM  Lib[1] X ou Est[2] Y ou Nord[3]")
             : tr("Ouvrir un fichier Lat/Lon  Lib[1] Lat[2]  Long[3] "))
            .toStdString(),
        std::string(platform::translate("Workbook", files::kWorkbookFilter)) +
            tr("|Fichiers (*.xls; *.txt)|*.xls;*.txt|Tous les fichiers (*.*)|*.*").toStdString()));
    if (!chosen) return;
    files::premiere_ligne_enregistre(files::kLastFolderFile,
                                     fs::path(*chosen).parent_path().string());
    workbook_->setText(q(*chosen));
    workbookPath_ = *chosen;
    if (model::majuscules(*chosen).find(".XLA") != std::string::npos) {
        interaction().information(tr("Le fichier <%1> n'est pas valide\rveuillez désactiver "
                                     "cette macro complémentaire...")
                                      .arg(q(*chosen))
                                      .toStdString());
        return;
    }
    std::string error;
    const auto book = files::Workbook::open(*chosen, error);
    if (!book) {
        interaction().information(error);
        return;
    }
    if (!remplacementAccepte()) return;
    platform::BusyCursor busy;
    const int n = utm ? sheet_.importeClasseurUtm(*book) : sheet_.importeClasseurLatLon(*book);
    count_->setText(tr("%1 points").arg(n));
}

void ConverterWindow::lanceTableur() {
    std::error_code ec;
    if (workbookPath_.empty() || !fs::is_regular_file(workbookPath_, ec)) {
        interaction().information((workbookPath_.empty()
                                       ? tr("Aucun classeur : importez d'abord un fichier XLS")
                                       : tr("<%1> introuvable").arg(q(workbookPath_)))
                                      .toStdString());
        return;
    }
    interaction().openWithDesktop(workbookPath_);
}

void ConverterWindow::pressePapier() {
    if (!interaction().confirm(tr("Voulez-vous copier le tableazu \r  dans le presse papier "
                                  "(valeurs séparées par TABULATION) \r  et dans un fichier "
                                  "<UTMpresse_papier.txt> ?")
                                   .toStdString()))
        return;
    const std::string text = sheet_.texteExport();
    const std::string path = platform::configFile("UTMpresse_papier.txt");
    if (const std::string error = files::writeTextFile(path, text); !error.empty()) {
        interaction().information(error);
        return;
    }
    interaction().setClipboardText(text);
    interaction().information(
        tr("Le presse-papier est à jour  \r ainsi que le fichier <%1>").arg(q(path)).toStdString());
}

bool ConverterWindow::remplacementAccepte() {
    // The example rows are nobody's work; anything else may hold results found nowhere else.
    if (sheet_.texteExport() == geodesy::Worksheet().texteExport()) return true;
    return interaction().confirm(
        tr("Les lignes du tableau vont être remplacées par celles du fichier. Continuer ?")
            .toStdString());
}

std::pair<int, int> ConverterWindow::currentCell() const {
    const QModelIndex at = grid_->currentIndex();
    if (!at.isValid()) return {0, 0};
    return {at.row() + 1, at.column()};
}

void ConverterWindow::recopie() {
    const auto [row, column] = currentCell();
    if (row == 0) return;
    const std::string text(sheet_.table().cell(row, column));
    if (interaction().dlg_titre_message_ONEK_oui_non(
            tr("recopie").toStdString(),
            tr("copier <%1>  j'usqu'à la fin").arg(q(text)).toStdString(), "ON",
            tr("recopier").toStdString(), tr("annuler").toStdString(),
            platform::DialogWidth::Wide) == 'O')
        sheet_.recopie(row, column);
}

void ConverterWindow::placeNotes() {
    const QRect g = grid_->geometry();
    notes_->setGeometry(g.left(), g.top() + 150, g.width(), std::max(80, g.height() - 150));
}

void ConverterWindow::basculeAide() {
    const bool show = !notes_->isVisible();
    if (show) {
        placeNotes();
        notes_->show();
        notes_->raise();
    } else {
        notes_->hide();
    }
    aide_->setText(show ? tr("Fermer l'aide") : tr("Aide"));
}

void ConverterWindow::aideUtmPdf() {
    const std::string pdf = localisedResourceFile("Projection_UTM.pdf");
    std::error_code ec;
    if (pdf.empty() || !fs::is_regular_file(pdf, ec)) {
        interaction().information(tr("<Projection_UTM.pdf> introuvable").toStdString());
        return;
    }
    interaction().openWithDesktop(pdf);
}

void ConverterWindow::toutEffacer() {
    // The worksheet may hold a whole import: it is not thrown away on one click.
    if (!interaction().confirm(tr("Effacer toutes les valeurs du tableau ?").toStdString())) return;
    sheet_.toutEffacer();
}

void ConverterWindow::showChooser() {
    const QModelIndex at = grid_->currentIndex();
    if (!at.isValid() || sheet_.table().cell(0, at.column()) != "Ellipsoïde") {
        hideChooser();
        return;
    }
    const QRect cell = grid_->visualRect(at);
    chooser_->setGeometry(cell.left(), cell.top(), std::max(cell.width(), 180),
                          chooser_->sizeHint().height());
    const int found = chooser_->findText(q(sheet_.table().cell(at.row() + 1, at.column())));
    chooser_->setCurrentIndex(found >= 0 ? found : 0);
    chooser_->show();
    chooser_->setFocus();
    chooser_->showPopup();
}

void ConverterWindow::chooseEllipsoid(int index) {
    const auto [row, column] = currentCell();
    if (row > 0 && index >= 0)
        sheet_.table().setCell(row, column, chooser_->itemText(index).toStdString());
    hideChooser();
}

void ConverterWindow::hideChooser() {
    // Focus back on the grid first: a focused widget that hides hands the focus on as a Tab
    // would, and the grid takes a Tab for a move to the next cell.
    grid_->setFocus();
    chooser_->hide();
}

bool ConverterWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grid_->viewport() && event->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton) {
            // The right click chooses the cell it is on, as the left one does.
            const QModelIndex at = grid_->indexAt(mouse->position().toPoint());
            if (at.isValid()) grid_->setCurrentIndex(at);
            showChooser();
            return true;
        }
        if (chooser_->isVisible()) hideChooser();
    } else if (watched == chooser_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Up &&
            key != Qt::Key_Down) {
            hideChooser();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ConverterWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange) {
        if (isActiveWindow()) {
            if (!isMaximized()) showMaximized();
        } else {
            emit left();
        }
    }
    QWidget::changeEvent(event);
}

void ConverterWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (notes_->isVisible()) placeNotes();
}

} // namespace tracelle::ui
