#include "platform/Language.h"
#include "platform/Paths.h"
#include "platform/WheelSetting.h"
#include "support/ScriptedInteraction.h"
#include "support/TempFiles.h"
#include "ui/AltitudePanel.h"
#include "ui/ExportPanel.h"
#include "ui/MainWindow.h"
#include "ui/PointsTableWindow.h"
#include "ui/TextPanel.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

using namespace tracelle::ui;
using tracelle::testing::ScriptedInteraction;
namespace fs = std::filesystem;

namespace {

// Each test keeps its configuration files in a folder of its own.
class MainWindowTest : public ::testing::Test {
protected:
    tracelle::testing::ConfigHome home_{"tracelle_ui_test_"};
    ScriptedInteraction ui;
};

// The items other tests trigger by their captions are not listed again.
TEST_F(MainWindowTest, MenusHoldEveryCommandWithItsShortcut) {
    MainWindow w;
    const std::pair<const char*, const char*> items[] = {
        {"&Fichier|===> Ouvrir un fichier *.trc  (points et image associés)", "Shift+F2"},
        {"&Fichier|Exporter les coordonnées digitalisées via le presse-papier", ""},
        {"&Fichier|Conversion  emf, wmf, bmp -> TIF, JPEG, BMP", ""},
        {"&Fichier|&Quitter", "F12"},
        {"Edition|Tableau de points et calages  F4", ""},
        {"Edition|&Nouvelle suite de points [espace]", ""},
        {"Edition|&Effacer le dernier point  F6", ""},
        {"Edition|Altitude + delta Z", "F3"},
        {"Edition|Altitude - delta Z", "F2"},
        {"Edition|Rajout de points digitalisés à partir d'un *trc  associé à la même image", ""},
        {"Edition|Rajout de points (X,Y,Lib) à partir d'un fichier *.TXT (2 ou 3 colonnes)", ""},
        {"Edition|Rajout de points (X,Y,Lib) à partir d'un fichier *.XLS", ""},
        {"Edition|Récupération de valeurs  réelles (X,Y,Z) de calibration", ""},
        {"Edition|Valeurs de calibration réelles (X,Y,Z) à partir du presse-papier", ""},
        {"&Affichage|&Agrandir  [+]", ""},
        {"&Affichage|&Rétrécir  [-]", ""},
        {"&Affichage|&Carte complète", "F10"},
        {"&Affichage|&Graphe", "F7"},
        {"&Affichage|&Plein écran", "F11"},
        {"&?|&Aide", "F1"},
        {"&?|A &propos ...", ""},
        {"&Conversions|UTM <-> Lat", ""},
        {"&Conversions|emf, wmf, bmp -> TIF, JPG, BMP", ""},
        {"|Aide", ""},
        {"|&Quitter", ""},
        {"|Redessiner", ""},
    };
    for (const auto& [path, key] : items) {
        SCOPED_TRACE(path);
        QAction* action = w.action(QString::fromUtf8(path));
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->shortcut().toString(), QString::fromUtf8(key));
    }
    EXPECT_TRUE(w.action("&Affichage|Garder les proportions L x H")->isChecked());
    EXPECT_TRUE(w.action("&Options|une annulation colorée")->isChecked());
}

TEST_F(MainWindowTest, LaterCommandsSaySoInsteadOfDoingNothing) {
    MainWindow w;
    tracelle::ui::PointsTableWindow table(w.project());
    w.attachWindows({&table, nullptr, nullptr, nullptr, nullptr, nullptr});
    for (auto* b : table.findChildren<QPushButton*>())
        if (b->text() == "rajouter (lib,  distance, cap)") QTest::mouseClick(b, Qt::LeftButton);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0],
              "« rajouter (lib,  distance, cap) » : cette fonction n'est pas encore "
              "disponible dans cette version de Tracelle.");
}

TEST_F(MainWindowTest, QuittingAsksToSaveOnlyUnsavedWork) {
    {
        MainWindow w;
        ui.answerDialog('N'); // "annuler"
        EXPECT_FALSE(w.askToQuit());
        EXPECT_TRUE(ui.questions.size() == 1 && ui.questions[0] == "Quitter")
            << "right after start-up only the final confirmation is asked";
        ui.answerDialog('O');
        EXPECT_TRUE(w.askToQuit());
    }
    ui.questions.clear();
    {
        MainWindow w;
        w.project().setSaved(false);
        ui.answerDialog('E'); // "Annuler": nothing else is asked, the window stays
        EXPECT_FALSE(w.askToQuit());
        ASSERT_EQ(ui.questions.size(), 1u);
        EXPECT_EQ(ui.questions[0], " Voulez-vous enregistrer le tableau de points ? ");
        ui.answerDialog('O'); // "Enregistrer", but the save dialog is cancelled: no quitting
        ui.answerFileName(std::nullopt);
        EXPECT_FALSE(w.askToQuit());
        ui.answerDialog('N'); // "Ne pas enregistrer"
        ui.answerDialog('O');
        EXPECT_TRUE(w.askToQuit());
    }
}

TEST_F(MainWindowTest, InvertedWheelIsKeptFromOneRunToTheNext) {
    const fs::path kept = home_.dir / "config" / "tracelle" / "~tracelle_roulette_inv.cfg";
    {
        MainWindow w;
        EXPECT_EQ(w.wheelDirection(), 1);
        w.action("&Options|roulette inversée")->trigger();
        EXPECT_EQ(w.wheelDirection(), -1);
        ui.answerDialog('O');
        w.askToQuit();
    }
    EXPECT_TRUE(fs::exists(kept));
    EXPECT_EQ(fs::file_size(kept), 0u);
    {
        MainWindow w;
        EXPECT_TRUE(w.action("&Options|roulette inversée")->isChecked());
        EXPECT_EQ(w.wheelDirection(), -1);
        w.action("&Options|roulette inversée")->trigger();
        ui.answerDialog('O');
        w.askToQuit();
    }
    EXPECT_FALSE(fs::exists(kept));
}

TEST_F(MainWindowTest, KeysWithoutAPictureActAndBeep) {
    MainWindow w;
    QTest::keyClick(&w, Qt::Key_Space);
    EXPECT_EQ(ui.beeps, 1) << "no point: no new line, but no picture: beep";
    QTest::keyClick(&w, Qt::Key_Delete);
    EXPECT_EQ(ui.beeps, 1) << "Delete never beeps";
    QTest::keyClick(&w, Qt::Key_Left);
    EXPECT_EQ(ui.beeps, 2);
    QTest::keyClick(&w, Qt::Key_F4);
    EXPECT_EQ(ui.beeps, 2) << "F4 never beeps";
    QTest::keyClick(&w, Qt::Key_F6);
    EXPECT_EQ(ui.beeps, 2) << "nor F6, the twin of Delete";

    w.wheel(-1, QPoint(10, 10));
    EXPECT_EQ(ui.beeps, 3) << "the wheel acts as the zoom keys";
    w.action("&Options|&Table à digitaliser")->trigger();
    w.wheel(-1, QPoint(10, 10));
    EXPECT_EQ(ui.beeps, 3) << "no wheel in table mode";
}

TEST_F(MainWindowTest, AListBoxOfAPanelKeepsItsArrows) {
    MainWindow w;
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w)) << "the keys go to the focused box";
    w.affiche_panel_sauve();
    auto* separator = w.exportPanel()->findChildren<QComboBox*>().front();
    separator->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), separator);
    const int before = separator->currentIndex();
    QTest::keyClick(separator, Qt::Key_Down);
    EXPECT_EQ(separator->currentIndex(), before + 1)
        << "the arrow chooses, it does not move the map";
    EXPECT_EQ(ui.beeps, 0);
}

TEST_F(MainWindowTest, EscapeHidesTheTextPanelBeforeQuitting) {
    MainWindow w;
    w.textPanel()->show();
    w.FormKeyDown(Qt::Key_Escape, Qt::NoModifier);
    EXPECT_TRUE(w.textPanel()->isHidden());
    EXPECT_EQ(ui.beeps, 0);
    ui.answerDialog('E');
    w.FormKeyDown(Qt::Key_Escape, Qt::NoModifier);
    EXPECT_EQ(ui.questions.back(), "Quitter");
}

TEST_F(MainWindowTest, DrawingStyleKeepsMenuAndButtonsInStep) {
    MainWindow w;
    EXPECT_TRUE(w.drawsLines());
    EXPECT_TRUE(w.action("&Options|Lignes")->isChecked());
    EXPECT_FALSE(w.action("&Options|Points")->isChecked());
    w.action("&Options|Points")->trigger();
    EXPECT_FALSE(w.drawsLines());
    EXPECT_TRUE(w.action("&Options|Points")->isChecked());
    EXPECT_FALSE(w.action("&Options|Lignes")->isChecked());
}

TEST_F(MainWindowTest, TextPanelCopiesOrAppendsToTheClipboard) {
    MainWindow w;
    w.textPanel()->append("L = 12,5");
    w.textPanel()->appendToClipboard(); // empty clipboard: a plain copy
    EXPECT_EQ(ui.clipboard, "L = 12,5");
    EXPECT_EQ(ui.messages.back(), "le texte à été copié dans le presse papier");
    ui.clipboard = "avant";
    w.textPanel()->appendToClipboard();
    EXPECT_EQ(ui.clipboard, "avant\nL = 12,5\n");
    EXPECT_EQ(ui.messages.back(), "le texte à été rajouté dans le presse papier");
}

TEST_F(MainWindowTest, AltitudeKeysStepTheSelectedPointWhileTheBoxIsChecked) {
    MainWindow w;
    PointsTableWindow table(w.project());
    w.attachWindows({&table, nullptr, nullptr, nullptr, nullptr, nullptr});
    auto& p = w.project();
    p.setDefaultCalibration(100, 100, 0, 0);
    p.ajoute_point(10, 10);
    p.ajoute_point(20, 20);
    EXPECT_EQ(table.selectedPointRow(), 2);

    w.altitude_pm(+1);
    EXPECT_EQ(p.points().cell(2, p.indice_col("Z")), "0.00000000") << "box unchecked: nothing";
    table.altitudeCheckBox()->setChecked(true);
    EXPECT_FALSE(w.altitudePanel()->isHidden());
    p.setSaved(true);
    w.altitude_pm(+1);
    w.altitude_pm(+1);
    w.altitude_pm(-1);
    EXPECT_EQ(p.points().cell(2, p.indice_col("Z")), "50");
    EXPECT_EQ(w.altitudePanel()->zBox()->text(), "50");
    EXPECT_FALSE(p.saved());
    w.altitudePanel()->decimalsBox()->setText("2");
    w.altitudePanel()->deltaBox()->setText("0,25");
    w.altitude_pm(-1);
    EXPECT_EQ(p.points().cell(2, p.indice_col("Z")), "49.75");
    table.altitudeCheckBox()->setChecked(false);
    EXPECT_TRUE(w.altitudePanel()->isHidden());
}

TEST_F(MainWindowTest, TheGridsShowTheProjectTablesAsTheyChange) {
    MainWindow w;
    PointsTableWindow table(w.project());
    w.attachWindows({&table, nullptr, nullptr, nullptr, nullptr, nullptr});
    auto& p = w.project();
    QAbstractItemModel* points = table.pointsGrid()->model();
    EXPECT_EQ(points->rowCount(), 0);
    EXPECT_EQ(points->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Libellé"));
    EXPECT_EQ(table.calibrationGrid()->model()->rowCount(), 4) << "and the row to type into";
    EXPECT_EQ(table.linesGrid()->model()->data(table.linesGrid()->model()->index(0, 2)).toString(),
              "255");

    p.setDefaultCalibration(1000, 1000, 0, 0);
    for (int i = 0; i < 3; ++i)
        p.ajoute_point(10 * i, 10 * i);
    EXPECT_EQ(points->rowCount(), 3);
    EXPECT_EQ(points->data(points->index(2, 6)).toString(), "    20");
    EXPECT_EQ(table.selectedPointRow(), 3);
    w.FormKeyDown(Qt::Key_Delete, Qt::NoModifier);
    EXPECT_EQ(points->rowCount(), 2);

    {
        tracelle::model::TextTable::Bulk bulk(p.points()); // as a file read or an import does
        for (int i = 3; i <= 100002; ++i)
            p.affecte_en(i, 1, "", 0, i, i, i % 1000, i / 100);
    }
    EXPECT_EQ(points->rowCount(), 100002);
    table.pointsGrid()->scrollToBottom();
    EXPECT_EQ(points->data(points->index(100001, 0)).toString(), "100002");
}

// Options › Langue: the choice waits for the next start, and says so in the language chosen,
// which is not the one the window speaks (the session's, here English, for "Selon la session").
TEST_F(MainWindowTest, LanguageChoiceAppliesAtTheNextStart) {
    using tracelle::platform::Language;
    const char* const before = std::getenv("LANGUAGE");
    const std::string session = before ? before : "";
    setenv("LANGUAGE", "en_GB", 1);
    const std::pair<const char*, std::optional<Language>> rows[] = {
        {"Français", Language::French},
        {"English", Language::English},
        {"Selon la session", std::nullopt}};
    for (const auto& [caption, saved] : rows) {
        SCOPED_TRACE(caption);
        {
            MainWindow w;
            for (QAction* item : w.findChild<QMenu*>("MenuLangue")->actions())
                if (item->text() == QString::fromUtf8(caption)) item->trigger();
        }
        EXPECT_EQ(tracelle::platform::savedLanguage(), saved);
        MainWindow next;
        for (QAction* item : next.findChild<QMenu*>("MenuLangue")->actions())
            EXPECT_EQ(item->isChecked(), item->text() == QString::fromUtf8(caption));
    }
    before ? setenv("LANGUAGE", session.c_str(), 1) : unsetenv("LANGUAGE");

    // A setting that cannot be written: said, and the mark stays on the choice in force.
    fs::create_directories(fs::path(tracelle::platform::configDir()) / "langue.cfg" / "x");
    MainWindow w;
    QAction* english = w.findChild<QMenu*>("MenuLangue")->actions().at(2);
    english->trigger();
    EXPECT_FALSE(english->isChecked());
    const std::string chosen = "The chosen language will apply the next time Tracelle starts.";
    EXPECT_EQ(ui.messages, (std::vector<std::string>{
                               "La langue choisie s'appliquera au prochain démarrage de Tracelle.",
                               chosen, chosen, "La langue choisie n'a pas pu être enregistrée."}));
}

} // namespace
