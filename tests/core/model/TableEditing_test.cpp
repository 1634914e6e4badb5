#include "model/NumberText.h"
#include "model/TableEditing.h"
#include "support/ScriptedInteraction.h"

#include <gtest/gtest.h>

using namespace tracelle::model;
using Texts = std::vector<std::string>;

namespace {

struct TableEditing : ::testing::Test {
    // One line per entry with that many points, point i labelled "p<i>"; a last 0 opens
    // an empty line.
    void trace(const std::vector<int>& pointsPerLine) {
        p.setDefaultCalibration(1000, 1000, 0, 0);
        for (std::size_t k = 0; k < pointsPerLine.size(); ++k) {
            if (k > 0) {
                ui.answerColour(std::nullopt);
                p.Nouvelle_suite_de_points();
            }
            for (int j = 0; j < pointsPerLine[k]; ++j) {
                p.ajoute_point(10, 20);
                p.points().setCell(p.N(), p.indice_col("Libellé"),
                                   std::string(1, 'p').append(std::to_string(p.N())));
            }
        }
    }
    Texts column(const TextTable& t, const char* header) const {
        Texts out;
        for (int i = 1; i < t.rowCount(); ++i)
            out.push_back(enleve_blancs(t.cell(i, indice_col_grille(t, header))));
        return out;
    }

    tracelle::testing::ScriptedInteraction ui;
    Project p;
};

TEST(TexteCelluleAccepte, FollowsEachTablesRule) {
    const struct {
        TableId table;
        const char* header;
        const char* text;
        bool accepted;
    } cases[] = {
        {TableId::Points, "Z", "12a", false},
        {TableId::Points, "Z", "12.a", true},
        {TableId::Points, "Z", "-", true},
        {TableId::Points, "Z", "12 ", false},
        {TableId::Points, "Libellé", "abc", true},
        {TableId::Calibration, "X", "1,5e", true},
        {TableId::Calibration, "Y", "e", false},
        {TableId::Lines, "épaisseur", "", true},
        {TableId::Lines, "épaisseur", "1.5", false},
        {TableId::Lines, "couleur", "-", false},
        {TableId::Calibration, "X", "6543210987", true},
        {TableId::Points, "Z", "1E400", true},
        {TableId::Points, "Z", "-2E-", true},
        {TableId::Points, "Z", "1e4", false},
        {TableId::Points, "Z", "12-", false},
        {TableId::Lines, "épaisseur", "6543210987", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.header) + " <" + c.text + ">");
        EXPECT_EQ(texteCelluleAccepte(c.table, c.header, c.text), c.accepted);
    }
}

TEST_F(TableEditing, DeletingALine) {
    const struct {
        const char* name;
        std::vector<int> lines;
        int row;
        bool asked;
        Texts labels;
        int n;
        Texts colours;
        int current;
    } cases[] = {
        {"middle line", {2, 3, 1}, 2, true, {"p1", "p2", "p6"}, 3, {"255", "", "255"}, 3},
        {"first of two", {2, 2}, 1, true, {"p3", "p4"}, 2, {"", "255"}, 2},
        {"last line", {2, 2}, 2, true, {"p1", "p2"}, 2, {"255"}, 1},
        {"only line", {3}, 1, true, {""}, 0, {"255"}, 1},
        {"empty last line", {2, 0}, 2, false, {"p1", "p2"}, 2, {"255"}, 1},
        {"empty only line", {}, 1, false, {}, 0, {"255"}, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        p.clear();
        trace(c.lines);
        const Texts before = column(p.points(), "L");
        const LigneASupprimer l = ligneASupprimer(p, c.row);
        const bool asked = !supprimeLigneSansQuestion(p, l);
        EXPECT_EQ(asked, c.asked);
        // A line of 50 000 points went row by row, each move of the rows below told to the
        // views: the program stood still for a minute.
        struct : TableListener {
            int told = 0;
            void rowsRemoved(const TextTable&, int, int) override { ++told; }
        } removals;
        p.points().addListener(&removals);
        if (asked) supprimeLigne(p, l);
        p.points().removeListener(&removals);
        EXPECT_LE(removals.told, 1) << "the points of the line go at once";

        const Texts labels = column(p.points(), "Libellé");
        EXPECT_EQ(labels, c.labels);
        EXPECT_EQ(p.N(), c.n);
        EXPECT_EQ(column(p.lines(), "couleur"), c.colours);
        EXPECT_EQ(p.currentLine(), c.current);
        if (labels != c.labels || p.N() != c.n) continue;
        const Texts X = column(p.points(), "X"), Y = column(p.points(), "Y");
        for (std::size_t i = c.n; i < labels.size(); ++i) // the blank row left by the only line
            EXPECT_EQ(X[i] + Y[i], "");
        // The kept points keep their line and are renumbered.
        const Texts n = column(p.points(), "n"), L = column(p.points(), "L");
        for (int i = 0; i < c.n; ++i) {
            EXPECT_EQ(n[i], std::to_string(i + 1));
            EXPECT_EQ(L[i], before[std::stoul(labels[i].substr(1)) - 1]);
        }
    }
}

TEST_F(TableEditing, TheQuestionNamesTheLineAndTheTotals) {
    trace({2, 3, 1});
    const LigneASupprimer l = ligneASupprimer(p, 2);
    EXPECT_EQ(titreSuppressionLigne(l) + "|" + messageSuppressionLigne(p, l),
              "Supprimer la ligne 2 en inverse video du tableau de lignes|TOTAL :3 ligne(s) / 6 "
              "points\n\n Effacer la ligne sélectionnée n° 2  composée de 3 points ?");
}

TEST_F(TableEditing, ShowingAndHidingStopAtTheCurrentLine) {
    trace({1, 1, 1});
    p.efface_tab_et_point(); // line 2 is current again; line 3's row stays
    afficheLignes(p, false);
    EXPECT_EQ(column(p.lines(), "OK"), (Texts{"", "", "x"}));
    afficheLignes(p, true);
    EXPECT_EQ(column(p.lines(), "OK"), (Texts{"x", "x", "x"}));
}

TEST_F(TableEditing, ZIsCopiedToTheRestOfTheLineOnly) {
    const struct {
        int row;
        const char* otherL3; // "L" text of row 3 when set
        Texts z;
    } cases[] = {
        {1, nullptr, {"z1", "z1", "z1", "z4"}}, {2, nullptr, {"z1", "z2", "z2", "z4"}},
        {3, nullptr, {"z1", "z2", "z3", "z4"}}, {4, nullptr, {"z1", "z2", "z3", "z4"}},
        {1, "1", {"z1", "z1", "z3", "z4"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        p.clear();
        trace({3, 1});
        for (int i = 1; i <= 4; ++i)
            p.points().setCell(i, p.indice_col("Z"), std::string(1, 'z').append(std::to_string(i)));
        if (c.otherL3) p.points().setCell(3, p.indice_col("L"), c.otherL3);
        recopieZ(p, c.row);
        EXPECT_EQ(column(p.points(), "Z"), c.z);
    }
    EXPECT_EQ(titreRecopieZ(p, 2),
              "\rrecopier l'altitude Z = z1\r\rsur le reste des points de la ligne n°  1");
}

} // namespace
