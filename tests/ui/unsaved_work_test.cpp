#include "MapWindow.h"
#include "files/RecentProjects.h"
#include "ui/QtInteraction.h"

#include <QTimer>
#include <functional>

using namespace tracelle;
namespace fs = std::filesystem;

namespace {

// Points clicked on the picture: work that is not saved yet.
class UnsavedWork : public tracelle::testing::MapWindow {
protected:
    UnsavedWork() : MapWindow("tracelle_unsaved_") {
        fs::current_path(home_.dir);
        load();
    }
    ~UnsavedWork() override { fs::current_path(previous_); }

    void digitize(int points) {
        for (int i = 0; i < points; ++i)
            click(20 + 10 * i, 50);
    }
    std::string saveAs(const std::string& name) {
        ui.answerFileName((home_.dir / name).string());
        w.saveProject();
        return (home_.dir / name).string();
    }
    QMenu* recentMenu() { return w.findChild<QMenu*>("ProjetsRecents"); }

    const fs::path previous_ = fs::current_path();
};

// Every command that replaces the work asks first; "Annuler" changes nothing, "Enregistrer"
// saves before going on and stops when the save is cancelled, "Ne pas enregistrer" goes on.
TEST_F(UnsavedWork, EveryCommandThatReplacesTheWorkAsksFirst) {
    digitize(5);
    const std::string other = saveAs("autre.trc");
    const auto item = [this](const char* path) {
        return [this, path] { w.action(path)->trigger(); };
    };
    const struct Command {
        const char* name;
        std::function<void()> run;
        bool asksForAFile; // its own dialog comes after the question
    } commands[] = {
        {"Shift+F2", [&] { key(Qt::Key_F2, Qt::ShiftModifier); }, true},
        {"menu Ouvrir", item("&Fichier|===> Ouvrir un fichier *.trc  (points et image associés)"),
         true},
        {"bouton Lire",
         [&] { QTest::mouseClick(button(" Lire un tableau de points Maj F2"), Qt::LeftButton); },
         true},
        {"ligne de commande",
         [&] {
             w.setParametre(QString::fromStdString(other));
             w.ouvrirParametre();
         },
         false},
        {"projet récent",
         [&] {
             emit recentMenu()->aboutToShow();
             for (QAction* a : recentMenu()->actions())
                 if (a->text().toStdString() == other) a->trigger();
         },
         false},
        {"image de fond", item("&Fichier|=> &Charger une image de fond seule"), true},
        {"MapInfo", item("&Fichier|=> Charger un *.TAB MapInfo"), true},
        {"ARC/INFO", item("&Fichier|=> Charger  un fichier *.hdr ARC/INFO "), true},
        {"image géoréférencée",
         item("&Fichier|=> Charger une image géoréférencée (GeoTIFF, *.tfw, *.jgw, *.pgw, *.wld)"),
         true},
        {"presse-papier",
         [&] {
             ui.clipboardImage = picture::Rgb24{1, 1, {1, 2, 3}};
             w.action("&Fichier|=> Charger l'image présente dans le presse-papier")->trigger();
         },
         true},
        {"table à digitaliser", item("&Fichier|&Nouvelle saisie avec table à digitaliser "), false},
    };
    for (const Command& c : commands) {
        SCOPED_TRACE(c.name);
        ASSERT_FALSE(ui.messages.size()) << ui.messages[0];
        click(150, 80); // one more point: unsaved again
        const int n = w.project().N();
        ASSERT_FALSE(w.project().saved());

        ui.answerDialog('E');
        c.run();
        EXPECT_EQ(ui.questions.back(),
                  "Le projet en cours n'est pas enregistré. L'enregistrer avant de continuer ?");
        EXPECT_EQ(w.project().N(), n) << "Annuler changes nothing";

        ui.answerDialog('O');
        ui.answerFileName(std::nullopt); // the save dialog cancelled: the command stops too
        c.run();
        EXPECT_EQ(w.project().N(), n);
        EXPECT_FALSE(w.project().saved());

        ui.answerDialog('O');
        ui.answerFileName((home_.dir / "sauve.trc").string());
        if (c.asksForAFile) ui.answerFileName(std::nullopt);
        c.run();
        EXPECT_TRUE(fs::exists(home_.dir / "sauve.trc"));
        fs::remove(home_.dir / "sauve.trc");
        EXPECT_TRUE(w.project().saved());

        click(150, 80);
        ui.answerDialog('N');
        if (c.asksForAFile) ui.answerFileName(std::nullopt);
        c.run();
        if (!c.asksForAFile) {
            EXPECT_NE(w.project().N(), n + 1) << "the work was replaced";
        }
        if (w.project().saved()) click(150, 80);
    }
}

TEST_F(UnsavedWork, TheCaptionNamesTheProjectAndMarksUnsavedWork) {
    const QString picture =
        QStringLiteral("    t r a c e l l e                  carte.bmp  200 x 100");
    EXPECT_EQ(w.windowTitle(), picture);
    click(20, 20);
    EXPECT_EQ(w.windowTitle(), picture + " *");
    digitize(3);
    const std::string path = saveAs("plan");
    EXPECT_EQ(w.windowTitle(), picture + QStringLiteral("  —  plan.trc"));
    click(60, 60);
    EXPECT_EQ(w.windowTitle(), picture + QStringLiteral("  —  plan.trc *"));
    key(Qt::Key_Delete);
    EXPECT_EQ(w.windowTitle(), picture + QStringLiteral("  —  plan.trc *"));
    ui.answerDialog('N');
    w.ouvrir_sans_bmp();
    EXPECT_EQ(w.windowTitle(), ui::kCaption) << "a blank sheet is a new project";
    w.ouvreProjet(path + ".trc");
    EXPECT_EQ(w.windowTitle(), picture + QStringLiteral("  —  plan.trc"));
}

TEST_F(UnsavedWork, RecentProjectsOpenAndForgetMissingFiles) {
    digitize(4);
    const std::string first = saveAs("un.trc");
    const std::string second = saveAs("deux.trc");
    QMenu* menu = recentMenu();
    ASSERT_TRUE(menu);
    emit menu->aboutToShow();
    ASSERT_EQ(menu->actions().size(), 2);
    EXPECT_EQ(menu->actions()[0]->text().toStdString(), second);
    EXPECT_EQ(menu->actions()[1]->text().toStdString(), first);

    fs::remove(second);
    menu->actions()[0]->trigger();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0], "Le projet <" + second +
                                  "> est introuvable : il est retiré de la liste des projets "
                                  "récents.");
    EXPECT_EQ(files::projetsRecents(), std::vector<std::string>{first});
    emit menu->aboutToShow();
    menu->actions()[0]->trigger();
    EXPECT_EQ(w.projectFile(), first);
    EXPECT_EQ(w.project().N(), 4);
}

TEST_F(UnsavedWork, TheClipboardCopyLeavesNoFileAndTheWorkUnsaved) {
    digitize(4);
    w.action("Edition|&Copier dans le presse-papier (->Excel)")->trigger();
    ASSERT_EQ(ui.messages.size(), 1u) << ui.messages[0];
    EXPECT_EQ(ui.messages[0], " Presse papier... OK   ");
    EXPECT_EQ(ui.clipboard.rfind("4\t0\r\n", 0), 0u) << ui.clipboard;
    EXPECT_EQ(std::count(ui.clipboard.begin(), ui.clipboard.end(), '\n'), 5);
    EXPECT_FALSE(w.project().saved()) << "the clipboard is no save";
    for (const auto& entry : fs::directory_iterator(home_.dir))
        EXPECT_EQ(entry.path().filename().string().find("~tmp"), std::string::npos) << entry.path();
}

TEST_F(UnsavedWork, AFailedSaveLeavesTheWorkUnsaved) {
    digitize(4);
    ui.answerFileName((home_.dir / "absent" / "p.trc").string());
    w.saveProject();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].find("impossible de créer le fichier"), std::string::npos);
    EXPECT_FALSE(w.project().saved());
    ui.answerDialog('E');
    EXPECT_FALSE(w.askToQuit()) << "quitting still asks";
}

// The quit the rescue save asks for goes through the main window's own question: "annuler"
// keeps the program and every window as they were.
TEST_F(UnsavedWork, AnnulerOnTheQuitQuestionKeepsTheProgramAndItsWindows) {
    table.show();
    ui::QtInteraction desktop(&w, nullptr);
    ui.answerDialog('N'); // "Quitter ?": annuler
    QTimer::singleShot(0, &w, [&desktop] {
        desktop.requestQuit();
        // Once the request is dealt with, the loop ends here, unless the program ended it.
        QMetaObject::invokeMethod(
            qApp, [] { QApplication::exit(7); }, Qt::QueuedConnection);
    });
    EXPECT_EQ(QApplication::exec(), 7) << "the program stays";
    ASSERT_FALSE(ui.questions.empty());
    EXPECT_EQ(ui.questions.back(), "Quitter");
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(table.isVisible()) << "no window closed behind the user's back";
}

} // namespace
