// Copied into the bin folder of an installed tree and run from there: the program finds the
// files installed in its share folder, and a project opened at start-up from another folder
// comes with its help.
#include "SampleProject.h"
#include "files/Cp1252.h"
#include "gis/GisModule.h"
#include "platform/Paths.h"
#include "support/TempFiles.h"
#include "ui/Application.h"
#include "ui/HelpWindow.h"
#include "ui/MainWindow.h"
#include "ui/Startup.h"
#include "ui/Translations.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>
#include <clocale>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace fs = std::filesystem;
using namespace tracelle;

namespace {

fs::path shareFolder() {
    return fs::path(QCoreApplication::applicationDirPath().toStdString()).parent_path() / "share" /
           "tracelle";
}

TEST(InstalledTree, ResourcesAreTakenFromTheSharedFolderOfThePrefix) {
    for (const char* name :
         {"tracelle.hep", "tracelle_en.hep", "Exemple UTM to LatLong.xl0",
          "Exemple LatLog to UTM.xl0", "Projection_UTM.pdf", "Projection_UTM_en.pdf",
          "translations/qtbase_fr.qm", "translations/tracelle_en.qm"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(platform::resourceFile(name), (shareFolder() / name).string());
    }
    EXPECT_TRUE(ui::installTranslations(*qApp, platform::Language::French));
}

// The GIS module is installed where the installed program looks for it, with what it needs:
// a system is read through it.
TEST(InstalledTree, TheGisModuleIsFoundFromTheProgramsFolder) {
    std::string why;
    EXPECT_NE(gis::module(&why), nullptr) << why;
    const auto system = gis::readSystem("EPSG:2154", &why);
    ASSERT_TRUE(system) << why;
    EXPECT_EQ(system->name(), "RGF93 v1 / Lambert-93");
}

// The current folder changed for a scope, as a user starting the program elsewhere.
struct WorkingFolder {
    explicit WorkingFolder(const fs::path& to) { fs::current_path(to); }
    ~WorkingFolder() { fs::current_path(before); }
    const fs::path before = fs::current_path();
};

TEST(InstalledTree, AProjectOpenedFromAnotherFolderShowsItsHelp) {
    tracelle::testing::ConfigHome home("tracelle_installed_gui_");
    const fs::path elsewhere = home.dir / "ailleurs", projects = home.dir / "projets";
    fs::create_directories(elsewhere);
    fs::create_directories(projects);
    const std::string project = tracelle::testing::writeSampleProject(projects);
    const WorkingFolder cwd(elsewhere);

    // Any question would wait for a user: answer it, and count it as a failure.
    QStringList questions;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (QWidget* question = QApplication::activeModalWidget()) {
            questions << question->windowTitle();
            QTest::keyClick(question, Qt::Key_Escape);
        }
    });
    poll.start(20);
    ui::Startup startup({QString::fromStdString(project)});
    startup.show();
    poll.stop();
    EXPECT_TRUE(questions.isEmpty()) << questions.join(", ").toStdString();
    EXPECT_EQ(startup.mainWindow().project().N(), 6);

    startup.mainWindow().AideClick();
    ui::HelpWindow* help = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "HelpWindow") help = static_cast<ui::HelpWindow*>(w);
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    const auto bytes = tracelle::testing::bytesOf((shareFolder() / "tracelle.hep").string());
    QPlainTextEdit shown;
    shown.setPlainText(QString::fromStdString(files::fileTextToUtf8({bytes.data(), bytes.size()})));
    EXPECT_FALSE(shown.toPlainText().isEmpty());
    EXPECT_EQ(help->text().toStdString(), shown.toPlainText().toStdString());
}

} // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    unsetenv("TRACELLE_MODULE_DIR"); // the modules looked for where the installed program looks
    ui::Application app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    return RUN_ALL_TESTS();
}
