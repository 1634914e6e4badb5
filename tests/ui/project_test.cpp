#include "MapWindow.h"
#include "files/ProjectFile.h"
#include "ui/SheetImportPanel.h"

#include <QStatusBar>
#include <functional>

using namespace tracelle;
using tracelle::testing::ScriptedInteraction;
namespace fs = std::filesystem;

namespace {

// Writes `bytes` as the file `name` in `dir` and gives its path.
std::string write(const fs::path& dir, const std::string& name, const std::string& bytes) {
    const std::string path = (dir / name).string();
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

// The last message said begins with `start`.
void expectLastStartsWith(const std::vector<std::string>& said, const std::string& start) {
    ASSERT_FALSE(said.empty());
    EXPECT_EQ(said.back().rfind(start, 0), 0u) << said.back();
}

// Projects on the blank sheet of a digitizing table: three points on two lines.
class Projects : public ::testing::Test {
protected:
    void digitize(ui::MainWindow& w, int count, int lines) {
        w.ouvrir_sans_bmp();
        auto& p = w.project();
        p.setDefaultCalibration(2100, 1485, 0, 0);
        for (int l = 1; l <= lines; ++l) {
            if (l > 1) {
                ui.answerColour(std::nullopt);
                p.Nouvelle_suite_de_points();
            }
            for (int i = 0; i < count; ++i)
                p.ajoute_point(100 * l + 10 * i, 200 + 10 * i);
        }
    }
    std::string saveAs(ui::MainWindow& w, const std::string& name) {
        ui.answerFileName((home_.dir / name).string());
        w.sauve_fic_points();
        return (home_.dir / name).replace_extension(".trc").string();
    }
    void open(ui::MainWindow& w, const std::string& path) {
        ui.answerFileName(path);
        w.openProject();
    }
    // The file chosen after the question before the file dialog is answered yes.
    void confirmThenChoose(const std::string& path) {
        ui.answerConfirm(true);
        ui.answerFileName(path);
    }
    // A project of `count` points on each of `lines` lines, saved as `name`, its window gone.
    std::string savedProject(int count, int lines, const std::string& name,
                             const std::function<void(model::Project&)>& edit = {}) {
        ui::MainWindow w;
        digitize(w, count, lines);
        if (edit) edit(w.project());
        return saveAs(w, name);
    }

    tracelle::testing::ConfigHome home_{"tracelle_projects_"};
    ScriptedInteraction ui;
};

TEST_F(Projects, SavedThenOpenedAsTheyWere) {
    std::string path;
    {
        ui::MainWindow w;
        digitize(w, 2, 2);
        EXPECT_FALSE(w.project().saved());
        path = saveAs(w, "plan.xls"); // whatever the extension typed, the project is a .trc
        EXPECT_TRUE(fs::exists(path));
        EXPECT_TRUE(w.project().saved());
    }
    ui::MainWindow w;
    open(w, path);
    const auto& p = w.project();
    EXPECT_EQ(p.N(), 4);
    EXPECT_EQ(p.currentLine(), 2);
    EXPECT_EQ(p.K(), 3);
    EXPECT_EQ(p.points().cell(3, p.indice_col("L")), "  2");
    EXPECT_EQ(w.layer().width(), 2100) << "no picture: a blank sheet";
    EXPECT_TRUE(ui.messages.empty()) << (ui.messages.empty() ? "" : ui.messages[0]);
}

TEST_F(Projects, BadFilesAreToldAndChangeNothing) {
    ui::MainWindow w;
    digitize(w, 3, 1);
    const std::string good = saveAs(w, "good");
    const std::string text = tracelle::testing::textOf(good);
    const auto replaced = [&text](const std::string& from, const std::string& to) {
        std::string t = text;
        t.replace(t.find(from), from.size(), to);
        return t;
    };
    const struct {
        const char* name;
        std::string content;
        const char* message;
    } cases[] = {
        {"word.trc", replaced("/TRACELLE\r\n", "/TRACELLE \r\n"),
         " Le fichier n'est pas compatible"},
        {"binary.trc", std::string("\x89PNG\r\n\x1A\n\0\0\0", 11),
         " Le fichier n'est pas compatible"},
        {"old.trc", replaced("2100  1485  0  0", "2100  1485"), "Ancien format : erreur =5"},
        {"k4.trc", replaced("(Z)\r\n3\r\n", "(Z)\r\n4\r\n"), "Problème de lecture\nn_calc=4"},
        {"huge.trc", replaced("points\r\n3\r\n", "points\r\n2000000000\r\n"),
         "Problème de lecture à la ligne 19 du fichier :\nil manque le point 5 : le fichier "
         "s'arrête à la ligne 18"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ui.messages.clear();
        open(w, write(home_.dir, c.name, c.content));
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].rfind(c.message, 0), 0u) << ui.messages[0];
        EXPECT_EQ(w.project().N(), 3);
    }
}

// A picture with ten points on it, saved as "plan.trc": the project in hand when another is
// opened with Shift+F2.
class OpeningProjects : public tracelle::testing::MapWindow {
protected:
    OpeningProjects() : MapWindow("tracelle_opening_") {
        fs::current_path(home_.dir); // where an emergency save would go
        load();
        for (int i = 0; i < 10; ++i)
            click(20 + 15 * i, 40 + 5 * i);
        ui.answerFileName(plan);
        w.saveProject();
        text = tracelle::testing::textOf(plan);
        shownBefore = shown();
    }
    ~OpeningProjects() override { fs::current_path(previous_); }

    void openWithKeys(const std::string& path) {
        ui.answerFileName(path);
        key(Qt::Key_F2, Qt::ShiftModifier);
    }
    // What the window holds of the project in hand.
    std::string shown() {
        const auto& p = w.project();
        const auto& picture = p.picture();
        return w.windowTitle().toStdString() + " | " + picture.file + " " +
               std::to_string(picture.canvasWidth) + "x" + std::to_string(picture.canvasHeight) +
               "+" + std::to_string(picture.ox) + "+" + std::to_string(picture.oy) + " | " +
               w.projectFile() + " | N=" + std::to_string(p.N()) + " K=" + std::to_string(p.K()) +
               " L=" + std::to_string(p.currentLine()) + (p.saved() ? " saved" : " unsaved") +
               " | layer " + std::to_string(w.layer().width()) + "x" +
               std::to_string(w.layer().height());
    }

    const fs::path previous_ = fs::current_path();
    const std::string plan = (home_.dir / "plan.trc").string();
    std::string text;
    std::string shownBefore;
};

// A truncated project is refused whole, before anything changes, with the line where it stops;
// no question follows and the program stays.
TEST_F(OpeningProjects, ATruncatedProjectIsRefusedWhole) {
    ASSERT_GT(text.size(), 700u);
    openWithKeys(write(home_.dir, "coupe.trc", text.substr(0, 600)));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].rfind("Problème de lecture à la ligne ", 0), 0u) << ui.messages[0];
    EXPECT_NE(ui.messages[0].find("le fichier s'arrête à la ligne "), std::string::npos)
        << ui.messages[0];
    EXPECT_EQ(shown(), shownBefore);
    EXPECT_FALSE(ui.quitRequested);
    EXPECT_FALSE(fs::exists(home_.dir / "~tmp.trc"));
}

// A project whose picture cannot be had (missing and not searched for, or damaged) is refused
// before it touches the project in hand: its picture, canvas, file name and saved state stay.
TEST_F(OpeningProjects, AProjectWhosePictureCannotBeReadChangesNothing) {
    const std::string damaged = write(home_.dir, "abime.bmp", "BM" + std::string(60, '\x7F'));
    const struct {
        const char* name;
        std::string picture;
        bool searched;
    } cases[] = {
        {"missing", (home_.dir / "absente.bmp").string(), false},
        {"damaged", damaged, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string other = text;
        other.replace(other.find(picturePath), picturePath.size(), c.picture);
        const std::string keyword = "/taille image LxH dx0/dy0\r\n";
        const std::size_t canvas = other.find(keyword) + keyword.size();
        other.replace(canvas, other.find('\r', canvas) - canvas, "300  250  7  9");
        ui.answerConfirm(true);                   // a picture other than the one in hand: go on
        if (!c.searched) ui.answerConfirm(false); // not searched for
        ui.messages.clear();
        openWithKeys(write(home_.dir, "autre.trc", other));
        EXPECT_EQ(ui.messages.size(), c.searched ? 1u : 0u);
        EXPECT_EQ(shown(), shownBefore);
    }
    ui.answerFileName((home_.dir / "encore").string());
    w.saveProject();
    EXPECT_EQ(tracelle::testing::textOf((home_.dir / "encore.trc").string()), text)
        << "the next save writes the project in hand";
}

// A picture the user finds again elsewhere leaves the project to save, so that its new place
// is kept and not asked for at the next opening.
TEST_F(OpeningProjects, APictureFoundElsewhereLeavesTheProjectToSave) {
    fs::create_directory(home_.dir / "rangees");
    const std::string moved = (home_.dir / "rangees" / "carte.bmp").string();
    fs::rename(picturePath, moved);
    ui.answerConfirm(true); // searched for
    ui.answerFileName(plan);
    ui.answerFileName(moved);
    key(Qt::Key_F2, Qt::ShiftModifier);
    ASSERT_EQ(w.project().picture().file, moved);
    EXPECT_FALSE(w.project().saved());
    EXPECT_TRUE(w.windowTitle().endsWith(" *")) << w.windowTitle().toStdString();
}

TEST_F(Projects, AppendedPointsComeAfterOursOnNewLines) {
    const std::string other = savedProject(1, 2, "other"); // 2 points, lines 1 and 2
    ui::MainWindow w;
    digitize(w, 2, 3); // 6 points, current line 3
    confirmThenChoose(other);
    w.addPointsFromProject();
    const auto& p = w.project();
    EXPECT_EQ(p.N(), 8);
    EXPECT_EQ(p.points().cell(7, p.indice_col("L")), "  4");
    EXPECT_EQ(p.points().cell(8, p.indice_col("L")), "  5");
    EXPECT_EQ(p.points().cell(8, p.indice_col("Libellé")), "b");
    EXPECT_EQ(p.points().cell(8, p.indice_col("n")), "    8");
    EXPECT_EQ(p.currentLine(), 5);

    // A truncated file adds nothing: no row of it is drawn unless every one reads.
    const std::string text = tracelle::testing::textOf(other);
    confirmThenChoose(write(home_.dir, "coupe.trc", text.substr(0, text.rfind("\"    2\""))));
    w.addPointsFromProject();
    expectLastStartsWith(ui.messages,
                         "Problème de lecture à la ligne 16 du fichier :\nil manque le point 2");
    EXPECT_EQ(p.N(), 8);
    EXPECT_EQ(p.currentLine(), 5);
}

TEST_F(Projects, CalibrationValuesAreTakenWithoutTheImagePositions) {
    const std::string other = savedProject(1, 1, "cal", [](model::Project& p) {
        p.calibration().setCell(1, p.indice_col_cal("X"), "500");
    });
    ui::MainWindow w;
    digitize(w, 1, 1);
    auto& c = w.project().calibration();
    c.setCell(1, w.project().indice_col_cal("x"), "  77");
    confirmThenChoose(other);
    w.importCalibrationValues();
    EXPECT_EQ(c.cell(1, w.project().indice_col_cal("X")), "500");
    EXPECT_EQ(c.cell(1, w.project().indice_col_cal("x")), "  77");
    EXPECT_EQ(c.cell(1, w.project().indice_col_cal("Libellé")), "cal 1");

    // A file cut in its calibration rows replaces nothing.
    const std::string text = tracelle::testing::textOf(other);
    confirmThenChoose(write(home_.dir, "coupe.trc", text.substr(0, text.find("2,0,"))));
    w.importCalibrationValues();
    expectLastStartsWith(ui.messages, "Problème de lecture à la ligne 13 du fichier :\nil manque "
                                      "le point de calage 2");
    EXPECT_EQ(c.cell(2, w.project().indice_col_cal("X")), "0");
    EXPECT_EQ(c.cell(2, w.project().indice_col_cal("Y")), "0");
}

TEST_F(Projects, TheSaveAlsoExportsTheCoordinatesToTheClipboardAndTheEditor) {
    ui::MainWindow w;
    digitize(w, 2, 1);
    const std::string project = saveAs(w, "plan");
    const fs::path exported = fs::path(project).replace_extension(".txt");
    ASSERT_TRUE(fs::exists(exported));
    EXPECT_EQ(ui.clipboard.rfind("2\t0\r\n", 0), 0u) << ui.clipboard;
    EXPECT_EQ(ui.opened.back(), exported.string());

    ui.answerFileName((home_.dir / "seul").string());
    w.saveProject(); // the project only
    EXPECT_TRUE(fs::exists(home_.dir / "seul.trc"));
    EXPECT_FALSE(fs::exists(home_.dir / "seul.txt"));

    ui.answerConfirm(true);
    w.copyTablesToClipboard();
    EXPECT_EQ(ui.clipboard.rfind("L\tLibellé\tX\tY\tZ\t\r\n", 0), 0u) << ui.clipboard;
    EXPECT_TRUE(fs::exists(home_.dir / "config" / "tracelle" / "presse_papier.xls"));
}

TEST_F(Projects, TextPointsAreReviewedThenAddedOnANewLine) {
    const fs::path previous = fs::current_path();
    fs::current_path(home_.dir); // the review copy "~memo.txt" goes to the current folder
    ui::MainWindow w;
    digitize(w, 2, 1);
    const std::string file = write(home_.dir, "points.txt", "10 20 a\n30 40 b\n");
    ui.answerConfirm(true);
    ui.answerDialog('O');
    ui.answerFileName(file);
    ui.answerReview("10 20 a\n' removed during the review\n50 60 c\n");
    ui.answerColour(std::nullopt);
    w.importTextPoints();
    const auto& p = w.project();
    EXPECT_EQ(ui.reviewed.back(), "10 20 a\n30 40 b\n");
    EXPECT_EQ(p.N(), 4);
    EXPECT_EQ(p.points().cell(4, p.indice_col("Libellé")), "c");
    EXPECT_EQ(p.points().cell(4, p.indice_col("L")), "  2") << "an import starts a new line";
    EXPECT_EQ(w.statusText(1), QStringLiteral("Suite 2  point 4 "));
    EXPECT_TRUE(fs::exists(home_.dir / "~memo.txt"));

    ui.clipboard = "100 200 10\n0 0\n1 0\n";
    ui.answerConfirm(true);
    w.pasteCalibrationValues();
    EXPECT_EQ(p.calibration().cell(1, p.indice_col_cal("X")), "100");
    fs::current_path(previous);
}

TEST_F(Projects, SpreadsheetPointsAreReadWithThePanelColumns) {
    ui::MainWindow w;
    digitize(w, 2, 1);
    confirmThenChoose(std::string(TEST_DATA_DIR) + "/points.xlsx");
    w.chooseSpreadsheet();
    EXPECT_EQ(ui.fileDialogs.back().filter.rfind("Classeurs (*.xls *.xlsx *.ods *.csv)|", 0), 0u);
    auto* panel = w.sheetImportPanel();
    ASSERT_FALSE(panel->isHidden());
    ui.answerColour(std::nullopt);
    w.importSpreadsheetPoints();
    EXPECT_EQ(ui.messages.back(),
              "nombre de points rajoutés : 4\n1 ligne ignorée (X ou Y illisible) : 5")
        << "the heading row named";
    EXPECT_TRUE(panel->isHidden());
    const auto& p = w.project();
    EXPECT_EQ(p.N(), 6);
    EXPECT_EQ(p.points().cell(3, p.indice_col("Libellé")), "borne 1");
    EXPECT_EQ(p.points().cell(6, p.indice_col("L")), "  2") << "an import starts a new line";
    EXPECT_FALSE(p.saved());

    // A damaged workbook: a clear message, and neither a point nor a line is added.
    const std::string damaged =
        write(home_.dir, "abîmé.xls", "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1" + std::string(2040, 'x'));
    confirmThenChoose(damaged);
    w.chooseSpreadsheet();
    w.importSpreadsheetPoints();
    expectLastStartsWith(ui.messages, "Impossible d'ouvrir le classeur " + damaged);
    EXPECT_EQ(p.N(), 6);
    EXPECT_EQ(p.currentLine(), 2);

    panel->box(1)->setText("27");
    w.importSpreadsheetPoints();
    EXPECT_EQ(ui.messages.back(),
              "Les colonnes X et Y doivent être comprises entre 1 (A) et 26 (Z)");
}

} // namespace
