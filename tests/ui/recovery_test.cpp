// The copy against a crash: written while the work is unsaved, offered again at the next
// start, gone once the work is saved.
#include "MapWindow.h"
#include "files/Recovery.h"

#include <QProcess>
#include <QStatusBar>

using namespace tracelle;

namespace {

class Recovery : public tracelle::testing::MapWindow {
protected:
    Recovery() : MapWindow("tracelle_secours_") {}
};

// Run by the next test in a process of its own, which it kills: digitizes three points over the
// picture it is given, in the configuration folder it is given, and waits.
TEST_F(Recovery, DISABLED_DigitizesUntilKilled) {
    const char* config = std::getenv("TRACELLE_CRASH_CONFIG");
    const char* picture = std::getenv("TRACELLE_CRASH_PICTURE");
    ASSERT_TRUE(config && picture);
    setenv("XDG_CONFIG_HOME", config, 1);
    ui.answerConfirm(false);
    w.Ouvrir_fichier_image(picture, "");
    for (auto [x, y] : {std::pair{20, 20}, {60, 20}, {100, 60}})
        click(x, y);
    QTest::qWait(60000);
    FAIL() << "never killed";
}

TEST_F(Recovery, TheWorkOfAKilledProgramIsOfferedAtTheNextStart) {
    load();
    w.ecritSecours();
    EXPECT_FALSE(files::secoursLaisse()) << "nothing to keep: the work is saved";

    QProcess victim;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("TRACELLE_CRASH_CONFIG", QString::fromLocal8Bit(std::getenv("XDG_CONFIG_HOME")));
    env.insert("TRACELLE_CRASH_PICTURE", QString::fromStdString(picturePath));
    env.insert("TRACELLE_RECOVERY_SECONDS", "1");
    victim.setProcessEnvironment(env);
    victim.start(QCoreApplication::applicationFilePath(),
                 {"--gtest_filter=Recovery.DISABLED_DigitizesUntilKilled",
                  "--gtest_also_run_disabled_tests"});
    ASSERT_TRUE(victim.waitForStarted());
    const qint64 pid = victim.processId();
    EXPECT_TRUE(QTest::qWaitFor([] { return files::secoursLaisse().has_value(); }, 30000))
        << victim.readAll().toStdString();
    victim.kill(); // SIGKILL: nothing of the program runs after it
    victim.waitForFinished();
    EXPECT_EQ(victim.exitStatus(), QProcess::CrashExit);
    for (const char* left : {"tracelle_secours_", "tracelle_ui_config_"})
        std::filesystem::remove_all(std::filesystem::temp_directory_path() /
                                    (left + std::to_string(pid)));

    // The next start: a new window offers the copy.
    ui::MainWindow next;
    ui.answerConfirm(true);
    next.proposeSecours();
    ASSERT_FALSE(ui.questions.empty());
    EXPECT_EQ(
        ui.questions.back().rfind("Tracelle s'est fermé sans enregistrer le projet carte.bmp. "
                                  "Rouvrir la copie de secours du ",
                                  0),
        0u)
        << ui.questions.back();
    EXPECT_EQ(next.project().N(), 3);
    EXPECT_FALSE(next.project().saved()) << "still to be saved under the user's name";
    EXPECT_EQ(next.project().picture().file, picturePath);

    ui.answerConfirm(false); // declined: the copy goes
    next.proposeSecours();
    EXPECT_FALSE(files::secoursLaisse());
}

// The copy of a project opened from its file, reopened after a crash: the same file name,
// still to be saved.
TEST_F(Recovery, TheRecoveredProjectKeepsItsFileName) {
    load();
    click(20, 20);
    const std::string plan = (home_.dir / "plan.trc").string();
    ui.answerFileName(plan);
    w.saveProject();
    click(60, 20);
    w.ecritSecours();

    ui::MainWindow next;
    ui.answerConfirm(true);
    next.proposeSecours();
    EXPECT_EQ(next.projectFile(), plan);
    EXPECT_FALSE(next.project().saved());
    EXPECT_EQ(next.project().N(), 2);
    EXPECT_TRUE(next.windowTitle().endsWith(QStringLiteral("plan.trc *")))
        << next.windowTitle().toStdString();
}

// Work the user chose not to save is not offered after a crash; while it is still in hand (the
// quit called off) it is copied again.
TEST_F(Recovery, TheCopyOfDiscardedWorkGoes) {
    load();
    click(20, 20);
    w.ecritSecours();
    ASSERT_TRUE(files::secoursLaisse());

    ui.answerDialog('N'); // not saved
    ui.answerDialog('N'); // and the quit called off
    EXPECT_FALSE(w.askToQuit());
    EXPECT_FALSE(files::secoursLaisse());
    w.ecritSecours();
    EXPECT_TRUE(files::secoursLaisse()) << "the work is still in hand";

    ui.answerDialog('N');
    w.ouvrir_sans_bmp(); // a blank sheet in its place
    w.ecritSecours();
    EXPECT_FALSE(files::secoursLaisse());
}

// A copy that cannot be written is said once in the status bar, and tried again at the next
// change until it is written.
TEST_F(Recovery, AFailedCopyIsToldOnceAndTriedAgain) {
    load();
    // In the way of the copy's name file: nothing can be written there.
    const std::filesystem::path blocked = home_.dir / "config" / "tracelle" / "secours.nom";
    std::filesystem::create_directories(blocked / "occupé");
    const QString told = QStringLiteral("La copie de secours ne peut pas être écrite : ");
    click(20, 20);
    w.ecritSecours();
    EXPECT_TRUE(w.statusBar()->currentMessage().startsWith(told))
        << w.statusBar()->currentMessage().toStdString();
    EXPECT_FALSE(files::secoursLaisse());

    w.statusBar()->clearMessage();
    click(40, 20);
    w.ecritSecours();
    EXPECT_EQ(w.statusBar()->currentMessage(), QString()) << "said once";

    std::filesystem::remove_all(blocked);
    w.ecritSecours();
    EXPECT_FALSE(files::secoursLaisse()) << "tried again at the next change, not before";
    click(60, 20);
    w.ecritSecours();
    EXPECT_TRUE(files::secoursLaisse());

    std::filesystem::remove(blocked);
    std::filesystem::create_directories(blocked / "occupé");
    click(80, 20);
    w.ecritSecours();
    EXPECT_TRUE(w.statusBar()->currentMessage().startsWith(told)) << "a new failure is said";
}

} // namespace
