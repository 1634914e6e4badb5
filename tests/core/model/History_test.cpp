// Undo and redo: every kind of action undone gives back the project before it, byte for byte
// through the project writer, and redone gives back the project after it.
#include "files/PointImport.h"
#include "files/ProjectFile.h"
#include "measure/VectorMeasure.h"
#include "model/History.h"
#include "model/NumberText.h"
#include "model/Project.h"
#include "model/TableEditing.h"
#include "support/ScriptedInteraction.h"
#include "support/Separator.h"
#include "support/TempFiles.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <random>
#include <set>
#include <sstream>

using namespace tracelle;
using model::History;

namespace {

class Undo : public ::testing::Test {
protected:
    Undo() : dir_(tracelle::testing::tempFolder("tracelle_undo_")) {
        std::filesystem::create_directories(dir_);
        p.setDefaultCalibration(1001, 1001, 0, 0);
        for (auto [x, y] : {std::pair{100, 100}, {300, 100}, {300, 400}})
            click(x, y);
        newLine(0x00FF00);
        for (auto [x, y] : {std::pair{500, 500}, {800, 900}})
            click(x, y);
        p.history().clear();
    }
    ~Undo() override { std::filesystem::remove_all(dir_); }

    // One user action: whatever `change` does is one step to undo.
    template <class F> void act(F change) {
        History::Step step(p.history());
        change();
    }
    void click(int x, int y) {
        act([&] { p.ajoute_point(x, y); });
    }
    void newLine(std::uint32_t colour) {
        act([&] {
            ui.answerColour(colour);
            p.Nouvelle_suite_de_points();
        });
    }
    // The whole project as its file holds it, and what the file does not hold.
    std::string state() {
        const std::string file = (dir_ / "etat.trc").string();
        EXPECT_EQ(files::sauve_projet(p, file), "");
        const auto bytes = tracelle::testing::bytesOf(file);
        std::ostringstream s;
        s << std::string(bytes.begin(), bytes.end()) << '|' << p.currentLine() << '|'
          << p.lineBreakPending();
        for (int k = 1; k <= 3; ++k)
            s << '|' << p.record(k).x << ',' << p.record(k).y;
        s << '|' << p.decimalsText();
        return s.str();
    }

    std::filesystem::path dir_;
    tracelle::testing::SeparatorScope scope{'.'};
    tracelle::testing::ScriptedInteraction ui;
    model::Project p;
};

struct Action {
    const char* name;
    std::function<void(model::Project&, tracelle::testing::ScriptedInteraction&)> run;
};

const Action kActions[] = {
    {"click", [](model::Project& p, auto&) { p.ajoute_point(640, 200); }},
    {"new line",
     [](model::Project& p, auto& ui) {
         if (p.N() > 0) ui.answerColour(0xFF0000); // asked for a line after a point only
         p.Nouvelle_suite_de_points();
     }},
    {"delete last", [](model::Project& p, auto&) { p.devalide_point(); }},
    {"delete middle", [](model::Project& p, auto&) { p.supprimePoint(2); }},
    {"insert", [](model::Project& p, auto&) { p.inserePoint(2, 200, 120); }},
    {"move", [](model::Project& p, auto&) { p.deplacePoint(4, 510, 520); }},
    {"move calibration", [](model::Project& p, auto&) { p.deplaceCalage(3, 1010, 1000); }},
    {"label and Z",
     [](model::Project& p, auto&) {
         p.points().setCell(1, p.indice_col("Libellé"), "borne");
         p.points().setCell(1, p.indice_col("Z"), "12.5");
     }},
    {"line colour and width",
     [](model::Project& p, auto&) {
         p.lines().setCell(2, 2, "65535");
         p.lines().setCell(2, 1, "7");
     }},
    {"hide lines", [](model::Project& p, auto&) { model::afficheLignes(p, false); }},
    {"copy Z",
     [](model::Project& p, auto&) {
         p.points().setCell(1, p.indice_col("Z"), "4.5");
         model::recopieZ(p, 1);
     }},
    {"delete line",
     [](model::Project& p, auto&) { model::supprimeLigne(p, model::ligneASupprimer(p, 1)); }},
    {"calibration typed",
     [](model::Project& p, auto&) {
         p.calibration().setCell(1, p.indice_col_cal("X"), "12");
         p.calcul_nouveaux_calage();
     }},
    {"rescale",
     [](model::Project& p, auto& ui) {
         ui.answerConfirm(true);
         p.setLastDistance(200);
         p.rescale("400");
     }},
    {"decimals",
     [](model::Project& p, auto&) {
         p.setDecimalsText("3");
         p.affecte_ndecimale();
     }},
    {"text import",
     [](model::Project& p, auto&) { files::ajoutePointsTexte(p, "10 20 a\n30 40 b\n50 60 c\n"); }},
    {"control point",
     [](model::Project& p, auto&) { p.addControlPoint(700, 300, 690.5L, 705, 0); }},
    {"pasted control points",
     [](model::Project& p, auto&) {
         const std::vector<model::CalibrationRecord> pasted = {{true, 700, 300, 690.5L, 705, 0},
                                                               {true, 200, 900, 190, 95.5L, 3}};
         p.addControlPoints(pasted);
     }},
    {"georeferenced calibration",
     [](model::Project& p, auto&) {
         p.setCalibration({{{"0", "500", 0, 0}, {"0", "0", 0, 1000}, {"500", "0", 1000, 1000}}});
         p.calcul_nouveaux_calage();
     }},
    {"model",
     [](model::Project& p, auto&) {
         const bool affine = p.calibrationMethod() == model::TransformMethod::Affine;
         p.setCalibrationModel(affine ? model::TransformMethod::Helmert
                                      : model::TransformMethod::Affine,
                               p.axisKinds());
     }},
    {"logarithmic axes",
     [](model::Project& p, auto&) {
         // Positive values first, so that both axes may be logarithmic.
         p.setCalibration({{{"1", "500", 0, 0}, {"1", "1", 0, 1000}, {"500", "1", 1000, 1000}}});
         p.calcul_nouveaux_calage();
         model::AxisKinds axes = p.axisKinds();
         axes.x = axes.y =
             axes.x == model::AxisScale::Log10 ? model::AxisScale::Linear : model::AxisScale::Log10;
         p.setCalibrationModel(p.calibrationMethod(), axes);
     }},
    {"point left out",
     [](model::Project& p, auto&) {
         const int last = p.controlPointCount();
         p.setControlPointUsed(last, !p.controlPointUsed(last));
     }},
};

// Every kind of action, then actions at random: each undo gives back the project before it, byte
// for byte, and each redo the project after it.
TEST_F(Undo, ALongRandomSessionUndoesToItsStartAndRedoesToItsEnd) {
    std::mt19937 random(42);
    std::vector<std::string> states{state()};
    std::vector<std::string> names{""};
    std::set<std::string> recorded;
    const std::size_t kinds = std::size(kActions);
    for (std::size_t k = 0; k < kinds + 120; ++k) { // each kind once, then at random
        const Action& a = kActions[k < kinds ? k : random() % kinds];
        const std::size_t steps = p.history().steps();
        act([&] { a.run(p, ui); });
        if (p.history().steps() > steps) {
            states.push_back(state());
            names.push_back(a.name);
            recorded.insert(a.name);
        } else {
            ASSERT_EQ(state(), states.back()) << a.name << " changed the project unrecorded";
        }
    }
    for (auto s = states.rbegin() + 1; s != states.rend(); ++s) {
        ASSERT_TRUE(p.history().canUndo());
        p.history().undo();
        ASSERT_EQ(state(), *s)
            << "undoing " << names[names.size() - static_cast<std::size_t>(s - states.rbegin())];
    }
    EXPECT_FALSE(p.history().canUndo());
    for (auto s = states.begin() + 1; s != states.end(); ++s) {
        p.history().redo();
        ASSERT_EQ(state(), *s);
    }
    EXPECT_FALSE(p.history().canRedo());
    for (const Action& a : kActions)
        EXPECT_EQ(recorded.count(a.name), 1u) << a.name << " never made a step";
}

// The fitted model is a cache of the calibration rows, and the model, the axes and the points
// left out are not table cells: each change of them is still one action, named in the menu, whose
// undo and redo fit again and give back every point's real values.
TEST_F(Undo, AControlPointAChangeOfModelAxesOrLeftOutPointsIsOneAction) {
    act([&] {
        p.setCalibration({{{"1", "1000", 0, 0}, {"1", "1", 0, 1000}, {"1000", "1", 1000, 1000}}});
        p.calcul_nouveaux_calage();
    });
    const auto realAt = [this] {
        model::Real X = 0, Y = 0;
        EXPECT_TRUE(p.repere_carte(640, 200, X, Y));
        return std::pair{X, Y};
    };
    model::AxisKinds logarithmic;
    logarithmic.x = logarithmic.y = model::AxisScale::Log10;
    const struct {
        const char* name;
        std::function<model::FitStatus()> change;
    } cases[] = {
        {"le point de contrôle 4", [&] { return p.addControlPoint(700, 300, 690.5L, 705, 0); }},
        {"le changement de modèle de calage",
         [&] { return p.setCalibrationModel(model::TransformMethod::Helmert, p.axisKinds()); }},
        {"le changement d'axes",
         [&] { return p.setCalibrationModel(p.calibrationMethod(), logarithmic); }},
        {"le retrait du point de contrôle 4", [&] { return p.setControlPointUsed(4, false); }},
        {"la reprise du point de contrôle 4", [&] { return p.setControlPointUsed(4, true); }},
    };
    for (const auto& c : cases) { // each from where the one before left the project
        SCOPED_TRACE(c.name);
        const std::string before = state();
        const auto realBefore = realAt();
        const std::size_t steps = p.history().steps();
        act([&] { ASSERT_EQ(c.change(), model::FitStatus::Fitted); });
        ASSERT_EQ(p.history().steps(), steps + 1);
        EXPECT_EQ(p.history().undoName(), c.name);
        const std::string after = state();
        const auto realAfter = realAt();
        ASSERT_NE(after, before);
        ASSERT_NE(realAfter, realBefore) << "every change here moves the fit";
        p.history().undo();
        EXPECT_EQ(state(), before);
        EXPECT_EQ(realAt(), realBefore) << "the fit is made again from what came back";
        EXPECT_EQ(p.history().redoName(), c.name);
        p.history().redo();
        EXPECT_EQ(state(), after);
        EXPECT_EQ(realAt(), realAfter);
    }
}

TEST_F(Undo, NamesSavedFlagAndLimits) {
    click(700, 700);
    EXPECT_EQ(p.history().undoName(), "l'ajout du point 6");
    act([&] { p.restartCalibration(); }); // "Calibrer ->"
    EXPECT_EQ(p.history().undoName(), "le nouveau calage");
    p.history().undo();
    ASSERT_EQ(p.K(), 3);
    p.setSaved(true);
    click(710, 700);
    EXPECT_FALSE(p.saved());
    p.history().undo();
    EXPECT_TRUE(p.saved()) << "back where the file was written";
    p.history().undo();
    EXPECT_FALSE(p.saved());
    EXPECT_EQ(p.history().redoName(), "l'ajout du point 6");
    p.history().redo();
    EXPECT_TRUE(p.saved());
    click(720, 700); // the redo branch is gone, and the saved point stays reachable
    p.history().undo();
    EXPECT_TRUE(p.saved());

    p.history().setLimits(std::size_t{1} << 30, 3);
    for (int k = 0; k < 10; ++k)
        click(100 + k, 300);
    EXPECT_EQ(p.history().steps(), 3u);
    p.history().setLimits(2000, 1000);
    EXPECT_LE(p.history().bytes(), 2000u);

    // A change outside any action: nothing before it can be put back safely.
    p.history().setLimits(std::size_t{1} << 30, 1000);
    click(5, 5);
    p.points().setCell(1, p.indice_col("Z"), "3");
    EXPECT_FALSE(p.history().canUndo());
}

// The line-break flag alone ("Cap et angle" breaks the band) says only how the next point is
// drawn: no action to undo, and the redo stays.
TEST_F(Undo, TheLineBreakFlagAloneIsNoAction) {
    click(700, 700);
    p.history().undo();
    ASSERT_FALSE(p.history().canUndo());
    act([&] { p.setLineBreakPending(!p.lineBreakPending()); });
    EXPECT_FALSE(p.history().canUndo());
    EXPECT_TRUE(p.history().canRedo());
    p.history().redo();
    EXPECT_EQ(p.N(), 6);
}

// A middle point deleted or inserted leaves the lines, labels and measures of the rest whole.
TEST_F(Undo, DeletingAndInsertingKeepTheLines) {
    p.points().setCell(4, p.indice_col("Libellé"), "P4");
    const auto length = [&](int line) {
        return measure::distance_perimetre_indice_ligne(p, line).P;
    };
    const auto line2 = length(2);
    act([&] { p.inserePoint(2, 300, 100); }); // on the segment from 1 to 2... at point 2
    EXPECT_EQ(p.N(), 6);
    EXPECT_EQ(model::enleve_blancs(p.points().cell(2, p.indice_col("L"))), "1");
    EXPECT_EQ(model::enleve_blancs(p.points().cell(6, p.indice_col("n"))), "6");
    EXPECT_EQ(p.points().cell(5, p.indice_col("Libellé")), "P4");
    EXPECT_EQ(length(2), line2);
    act([&] { p.supprimePoint(3); });
    EXPECT_EQ(p.N(), 5);
    EXPECT_EQ(p.currentLine(), 2) << "the current line stays";
    EXPECT_EQ(p.points().cell(4, p.indice_col("Libellé")), "P4");
    EXPECT_EQ(length(2), line2);
}

// Drawing a point clears the pending line break: the undo of a new line gives back the flag it
// found, set or clear.
TEST_F(Undo, NewLineUndoesToThePendingLineBreakItFound) {
    for (const bool pending : {false, true}) {
        SCOPED_TRACE(pending);
        p.setLineBreakPending(pending);
        const int line = p.currentLine();
        newLine(0xFF0000);
        ASSERT_TRUE(p.lineBreakPending());
        p.history().undo();
        EXPECT_EQ(p.lineBreakPending(), pending);
        EXPECT_EQ(p.currentLine(), line);
        p.history().redo();
        EXPECT_TRUE(p.lineBreakPending());
        p.history().undo();
    }
}

} // namespace
