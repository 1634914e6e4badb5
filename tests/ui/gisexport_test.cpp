// The export panel's section for GIS and CAD driven as the user drives it: the menu opens the
// panel, the system is typed or chosen in the list, the format clicked, the file named in the
// save dialog.
#include "MapWindow.h"
#include "ui/ExportPanel.h"
#include "ui/GisExportSection.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QWheelEvent>
#include <cstdio>

namespace fs = std::filesystem;
using namespace tracelle;

namespace {

class GisExportPanel : public tracelle::testing::MapWindow {
protected:
    GisExportPanel() : MapWindow("tracelle_gis_ui_") {
        load();
        // Three points on line 1, one on line 2, in Lambert-93.
        auto& p = w.project();
        const double points[4][3] = {{1, 650243.197, 6860286.047},
                                     {1, 650256.803, 6860262.791},
                                     {1, 650260, 6860300},
                                     {2, 650353.741, 6860767.442}};
        for (int i = 0; i < 4; ++i) {
            p.affecte_en(i + 1, static_cast<int>(points[i][0]), "", 0, points[i][1], points[i][2],
                         10 * i, 10 * i);
            p.setN(i + 1);
        }
        p.lines().setRow(2, {"2", "4", "65280", "x"});
        // The project saved under a name, for the system to be remembered with it.
        ui.answerFileName(path("carte.trc"));
        w.action("&Fichier|&Enregistrer les points et le nom de l'image  => *.trc")->trigger();
        openPanel();
        section = w.exportPanel()->gisSection();
        system = section->findChild<QLineEdit*>("Systeme");
        list = section->findChild<QComboBox*>("ListeSystemes");
        told = section->findChild<QLabel*>("NomSysteme");
        done = section->findChild<QLabel*>("ExportSigFait");
    }

    std::string path(const std::string& name) const { return (home_.dir / name).string(); }
    void openPanel() {
        w.action("&Fichier|Enregistrer les coordonnées digitalisées")->trigger();
        EXPECT_TRUE(w.exportPanel()->isVisible());
    }
    // Typed as the keyboard sends it: to the widget that has the focus once the box is clicked.
    void typeSystem(const QString& text) {
        QTest::mouseClick(system, Qt::LeftButton);
        ASSERT_EQ(QApplication::focusWidget(), system);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
        QTest::keyClicks(QApplication::focusWidget(), text);
    }
    // The list opened with the mouse and one of its lines clicked.
    void chooseInList(int row) {
        QTest::mouseClick(list, Qt::LeftButton);
        QAbstractItemView* view = list->view();
        ASSERT_TRUE(view->isVisible());
        // The list takes no release this soon after opening, as it would from a double click.
        QTest::qWait(QApplication::doubleClickInterval() + 50);
        const QRect line = view->visualRect(view->model()->index(row, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, line.center());
    }
    // At the middle of the indicator: a radio button or a check box is clicked where it reacts.
    static void clickButton(QAbstractButton* b) {
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2));
    }
    void clickFormat(const char* name) {
        for (auto* b : section->findChildren<QRadioButton*>())
            if (b->text() == name) clickButton(b);
    }
    void clickExport(const std::string& file) {
        ui.answerFileName(path(file));
        QTest::mouseClick(section->findChild<QPushButton*>("ExporterSig"), Qt::LeftButton);
    }

    ui::GisExportSection* section = nullptr;
    QLineEdit* system = nullptr;
    QComboBox* list = nullptr;
    QLabel* told = nullptr;
    QLabel* done = nullptr;
};

TEST_F(GisExportPanel, TheSystemIsCheckedAsItIsTyped) {
    EXPECT_EQ(system->text().toStdString(), "aucun");
    EXPECT_TRUE(told->text().endsWith("le GeoJSON demande un système"))
        << told->text().toStdString();
    typeSystem("EPSG:99999");
    EXPECT_EQ(told->text().toStdString(), "code EPSG inconnu : 99999");
    typeSystem("EPSG:215");
    EXPECT_EQ(told->text().toStdString(), "code EPSG inconnu : 215") << "told at each key";
    QTest::keyClicks(QApplication::focusWidget(), "4");
    EXPECT_EQ(told->text().toStdString(), "RGF93 v1 / Lambert-93");
    // The list shows names and puts the code in the box.
    EXPECT_EQ(list->itemText(1).toStdString(), "Lambert-93 (EPSG:2154)");
    chooseInList(2);
    EXPECT_EQ(system->text().toStdString(), "EPSG:3942");
    EXPECT_EQ(told->text().toStdString(), "RGF93 v1 / CC42");
}

// The panel scrolls on a small screen: the wheel turned over one of its lists scrolls past it
// and leaves the choice made, until the list is clicked into.
TEST_F(GisExportPanel, TheWheelOverAListChangesNoChoice) {
    const auto turn = [](QComboBox* l) {
        QWheelEvent wheel(QPointF(5, 5), l->mapToGlobal(QPointF(5, 5)), {}, {0, -120}, Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(l, &wheel);
    };
    for (QComboBox* l : w.exportPanel()->findChildren<QComboBox*>()) {
        SCOPED_TRACE(l->currentText().toStdString());
        const int chosen = l->currentIndex();
        turn(l);
        EXPECT_EQ(l->currentIndex(), chosen);
    }
    EXPECT_EQ(system->text().toStdString(), "aucun");
    auto* separator = w.exportPanel()->findChildren<QComboBox*>().front();
    separator->setFocus();
    turn(separator);
    EXPECT_NE(separator->currentIndex(), 1) << "clicked into, the list turns";
}

TEST_F(GisExportPanel, AShapefileIsWrittenAndItsSystemRemembered) {
    typeSystem("EPSG:2154");
    clickFormat("Shapefile");
    clickExport("carte.shp");
    ASSERT_EQ(ui.fileDialogs.size(), 2u);
    EXPECT_EQ(ui.fileDialogs.back().filter, "Shapefile (*.shp)|*.shp|Tous les fichiers (*.*)|*.*");
    EXPECT_EQ(ui.fileDialogs.back().fileName, "carte") << "named after the project";
    EXPECT_TRUE(ui.messages.empty());
    for (const char* file : {"carte.shp", "carte.dbf", "carte.prj", "carte_points.shp"})
        EXPECT_TRUE(fs::exists(path(file))) << file;
    EXPECT_EQ(done->text().toStdString(),
              "Écrit : carte.shp et carte_points.shp (1 ligne, 4 points)");

    typeSystem("EPSG:32631");
    for (auto* b : w.exportPanel()->findChildren<QPushButton*>())
        if (b->text() == "fermer") QTest::mouseClick(b, Qt::LeftButton);
    EXPECT_FALSE(w.exportPanel()->isVisible());
    openPanel();
    EXPECT_EQ(system->text().toStdString(), "EPSG:2154")
        << "the system of the last export of carte.trc";
    EXPECT_TRUE(done->text().isEmpty()) << "no report of an export made before, maybe of "
                                           "another project";
}

// The save dialog asked about carte.shp only: its companions already there are named in one
// question, and "non" writes nothing. A label too long for a shapefile is told of once.
TEST_F(GisExportPanel, ReplacingAShapefileAsksFirstAndTellsOfCutLabels) {
    typeSystem("EPSG:2154");
    clickFormat("Shapefile");
    clickExport("carte.shp");
    const std::size_t asked = ui.questions.size();
    const auto written = fs::last_write_time(path("carte_points.dbf"));
    w.project().points().setCell(1, w.project().indice_col("Libellé"), std::string(300, 'x'));

    ui.answerConfirm(false);
    clickExport("carte.shp");
    ASSERT_EQ(ui.questions.size(), asked + 1) << "once, nothing there before";
    EXPECT_EQ(ui.questions.back(),
              "« carte.shx », « carte.dbf », « carte.prj », « carte_points.shp », "
              "« carte_points.shx », « carte_points.dbf » et « carte_points.prj » existent déjà. "
              "Les remplacer ?");
    EXPECT_EQ(fs::last_write_time(path("carte_points.dbf")), written);
    EXPECT_TRUE(done->text().isEmpty());
    EXPECT_TRUE(ui.messages.empty());

    ui.answerConfirm(true);
    clickExport("carte.shp");
    EXPECT_EQ(ui.questions.size(), asked + 2);
    EXPECT_NE(fs::last_write_time(path("carte_points.dbf")), written);
    EXPECT_EQ(done->text().toStdString(),
              "Écrit : carte.shp et carte_points.shp (1 ligne, 4 points)");
    EXPECT_EQ(ui.messages, std::vector<std::string>{"1 libellé a plus de 254 caractères, la "
                                                    "limite du format Shapefile : il y est "
                                                    "écrit coupé."});
}

TEST_F(GisExportPanel, GeoJsonWithoutASystemIsRefused) {
    clickFormat("GeoJSON");
    clickExport("carte.geojson");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].find("au lieu de « aucun »"), std::string::npos);
    EXPECT_FALSE(fs::exists(path("carte.geojson")));
    EXPECT_TRUE(done->text().isEmpty());
}

TEST_F(GisExportPanel, HiddenLinesFollowThePanelsChoice) {
    w.project().lines().setCell(2, 3, "");
    typeSystem("EPSG:2154");
    clickFormat("KML");
    clickExport("carte.kml");
    EXPECT_EQ(done->text().toStdString(), "Écrit : carte.kml (1 ligne, 3 points)");
    for (auto* box : w.exportPanel()->findChildren<QCheckBox*>())
        if (box->text() == "juste les lignes affichées") clickButton(box);
    clickFormat("DXF");
    clickExport("carte");
    EXPECT_TRUE(fs::exists(path("carte.dxf"))) << "the format's extension added";
    EXPECT_EQ(done->text().toStdString(), "Écrit : carte.dxf (1 ligne, 4 points)");
}

// What the box says of the system typed never moves the button under the mouse, and is
// shown whole.
TEST_F(GisExportPanel, TheExportButtonStaysStillWhileTheSystemIsTyped) {
    auto* exporter = section->findChild<QPushButton*>("ExporterSig");
    const QPoint place = exporter->mapTo(section, QPoint());
    for (const char* text : {"2154", "", "EPSG:4326", "n'importe quoi", "EPSG:999999", "4",
                             "+proj=longlat +datum=WGS84 +no_defs", "aucun"}) {
        SCOPED_TRACE(text);
        typeSystem(QString::fromUtf8(text));
        QApplication::processEvents(); // the layout follows the text
        EXPECT_EQ(exporter->mapTo(section, QPoint()), place);
        EXPECT_LE(told->heightForWidth(told->width()), told->height()) << "whole";
    }
}

// An installation without the GIS module: the box and the export tell why, nothing is
// written, the window goes on. In a process of its own, since a module once opened stays open.
TEST_F(GisExportPanel, WithoutItsModuleTheExportSaysWhy) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            const fs::path none = home_.dir / "sans_modules";
            fs::create_directories(none);
            setenv("TRACELLE_MODULE_DIR", none.c_str(), 1);
            typeSystem("EPSG:2154");
            clickFormat("Shapefile");
            clickExport("carte.shp");
            for (const std::string& message : ui.messages)
                std::fprintf(stderr, "%s\n", message.c_str());
            const bool said =
                ui.messages.size() == 1 && told->text().toStdString() == ui.messages[0];
            std::fflush(stderr);
            std::_Exit(said && !fs::exists(path("carte.shp")) && done->text().isEmpty() ? 0 : 1);
        },
        ::testing::ExitedWithCode(0),
        "le module .*/sans_modules/tracelle_gis.so ne peut pas être chargé .* : installation "
        "incomplète");
}

} // namespace
