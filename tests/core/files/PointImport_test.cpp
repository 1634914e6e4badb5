#include "files/PointImport.h"
#include "files/Workbook.h"
#include "model/NumberText.h"
#include "model/Project.h"
#include "support/ScriptedInteraction.h"
#include "support/Separator.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>

using namespace tracelle;
using namespace tracelle::files;

namespace {

std::vector<std::string> cellsOf(const model::TextTable& table) {
    std::vector<std::string> all;
    for (int r = 0; r < table.rowCount(); ++r)
        for (int c = 0; c < table.columnCount(); ++c)
            all.emplace_back(table.cell(r, c));
    return all;
}

class Importing : public ::testing::TestWithParam<char> {
protected:
    Importing() {
        // A frame where 1 real unit is 100 pixels: image x = 100 X, y = 1000 − 100 Y.
        p.setDefaultCalibration(1001, 1001, 0, 0);
        p.calibration().setCell(1, p.indice_col_cal("Y"), "10.01");
        p.calibration().setCell(3, p.indice_col_cal("X"), "10.01");
        p.calcul_nouveaux_calage();
    }
    std::string cell(int row, const char* header) {
        return std::string(p.points().cell(row, p.indice_col(header)));
    }

    tracelle::testing::SeparatorScope scope{GetParam()};
    tracelle::testing::ScriptedInteraction ui;
    model::Project p;
};

TRACELLE_UNDER_BOTH_SEPARATORS(Importing);

TEST_P(Importing, TextLinesBecomePointsOnTheirPixels) {
    const ImportResult r = ajoutePointsTexte(p, "0.23 111.5 pointA\r\n"
                                                "\n"
                                                "'a comment\n"
                                                "1,25 2 point A\n"
                                                "3\t4\tavec tab\n"
                                                "5 6 after the tab\n"
                                                "bonjour le monde\n"
                                                "7\n"
                                                " \t \n"
                                                "  'not a comment\n");
    EXPECT_EQ(r.added, 4);
    EXPECT_EQ(r.firstPassedOver, (std::vector<int>{7, 8, 10})) << "X or Y not a number";
    EXPECT_EQ(p.N(), 4);
    EXPECT_EQ(cell(1, "Libellé"), "pointA");
    EXPECT_EQ(model::val_entier(cell(1, "x")), 23) << "the pixel of X = 0.23";
    EXPECT_EQ(cell(2, "Libellé"), "point") << "a space ends a label";
    EXPECT_EQ(model::val_reel(cell(2, "X")), 1.25L);
    EXPECT_EQ(cell(3, "Libellé"), "avec tab");
    EXPECT_EQ(model::val_reel(cell(4, "Y")), 6) << "each line has its own separator";
    EXPECT_EQ(cell(4, "Libellé"), "after");
    p.calcul_nouveaux_calage();
    EXPECT_NEAR(static_cast<double>(model::val_reel(cell(1, "X"))), 0.23, 0.006);
    EXPECT_EQ(cell(1, "Z"), model::_format2(0, 18, 8)) << "no altitude";
}

TEST_P(Importing, TheClosingMessageCountsAndNamesThePassedOverLines) {
    const struct {
        int bad;
        const char* says;
    } cases[] = {
        {0, "nombre de points rajoutés : 2"},
        {1, "nombre de points rajoutés : 2\n1 ligne ignorée (X ou Y illisible) : 2"},
        {3, "nombre de points rajoutés : 2\n3 lignes ignorées (X ou Y illisible) : 2, 3, 4"},
        {12, "nombre de points rajoutés : 2\n12 lignes ignorées (X ou Y illisible) : 2, 3, 4, 5, "
             "6, 7, 8, 9, 10, 11, ..."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bad);
        std::string text = "1 2\n";
        for (int i = 0; i < c.bad; ++i)
            text += "X Y\n";
        EXPECT_EQ(bilanImport(ajoutePointsTexte(p, text + "3 4\n")), c.says);
    }
}

// The rows an import adds are not recomputed again at its end: the tables must be just what
// a recomputation of every point gives, also when the calibration cells had been edited.
TEST_P(Importing, TheImportEndsAsAFullRecomputationWould) {
    const auto cells = [this] { return cellsOf(p.points()); };
    p.ajoute_point(10, 20);
    p.ajoute_point(30, 40);
    p.calibration().setCell(3, p.indice_col_cal("X"), "20.02"); // not applied yet
    EXPECT_EQ(ajoutePointsTexte(p, "1.234567 2.5 a\n3,3 4 b\n-1e3 7.77777777777 c\n").added, 3);
    auto imported = cells();
    p.calcul_nouveaux_calage();
    EXPECT_EQ(imported, cells()) << "edited calibration";
    EXPECT_EQ(cell(1, "X"), model::_format2(0.2L, 18, 8)) << "a clicked point follows the edit";

    EXPECT_EQ(ajoutePointsTexte(p, "5.55555 6.125 d\n").added, 1);
    imported = cells();
    p.calcul_nouveaux_calage();
    EXPECT_EQ(imported, cells()) << "calibration unchanged";
}

TEST_P(Importing, WithoutCalibrationThePointsAreKept) {
    model::Project bare;
    EXPECT_EQ(ajoutePointsTexte(bare, "12.4 7.6 a\n").added, 1);
    EXPECT_EQ(model::val_entier(bare.points().cell(1, bare.indice_col("x"))), 12);
    EXPECT_EQ(model::val_reel(bare.points().cell(1, bare.indice_col("X"))), 12.4L);
}

TEST_P(Importing, ClipboardCalibrationValues) {
    EXPECT_EQ(colleValeursCalage(p, "100 200 10\n0 0\n300 0\n"), "");
    EXPECT_EQ(p.calibration().cell(1, p.indice_col_cal("X")), "100");
    EXPECT_EQ(p.calibration().cell(1, p.indice_col_cal("Z")), "10");
    EXPECT_EQ(p.record(1).X, 100);
    EXPECT_EQ(p.record(3).X, 300);
    colleValeursCalage(p, "\n1  2\n3\t4\t5\n6 7\n\n");
    EXPECT_EQ(p.calibration().cell(1, p.indice_col_cal("Y")), "2") << "empty lines give no row";
    EXPECT_EQ(p.calibration().cell(1, p.indice_col_cal("Z")), "10")
        << "an empty field leaves its cell";
    EXPECT_EQ(p.calibration().cell(2, p.indice_col_cal("Z")), "5");
    EXPECT_EQ(p.record(3).Y, 7) << "a space-separated line after a tab-separated one";
    colleValeursCalage(p, "1,5 -2.25\n0 0\n1 0\n");
    EXPECT_EQ(p.record(1).X, 1.5L) << "either decimal mark";
    EXPECT_EQ(p.record(1).Y, -2.25L);
}

// A paste that is not three rows of calibration values (prose, a coordinate export, a damaged
// line) changes nothing, and the message says why.
TEST_P(Importing, UnreadableClipboardCalibrationChangesNothing) {
    const auto cells = [this] { return cellsOf(p.calibration()); };
    ajoutePointsTexte(p, "1 2 a\n");
    const auto calibration = cells();
    const std::string point(p.points().cell(1, p.indice_col("X")));
    const std::string refused = "Le presse-papier ne contient pas trois lignes de calibration "
                                "lisibles (X Y [Z] par ligne) : rien n'est modifié.";
    const struct {
        const char* text;
        const char* why;
    } cases[] = {
        {"bonjour le monde\n", "\nLigne 1 : X illisible"},
        {"25\t0\n12\n", "\nLigne 2 : Y illisible"},
        {"1 2\n\n3 4 cote\n", "\nLigne 3 : Z illisible"},
        {"1e3 2\n", "\nLigne 1 : X illisible"},
        {"1 2\n3 4\n5 6,5,1\n", "\nLigne 3 : Y illisible"},
        {"3\t0\n1.5\t2\n3\t4\n5\t6\n", "\n4 lignes au lieu de trois"}, // an export
        {"100 200 10\n", "\n1 ligne au lieu de trois"},
        {"", "\n0 ligne au lieu de trois"},
        {" \t\n\n", "\n0 ligne au lieu de trois"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(colleValeursCalage(p, c.text), refused + c.why);
        EXPECT_EQ(cells(), calibration);
        EXPECT_EQ(p.points().cell(1, p.indice_col("X")), point);
    }
}

// Spreadsheets.

const std::string kPoints = std::string(TEST_DATA_DIR) + "/points.xls";

std::unique_ptr<Workbook> open(const std::string& path) {
    std::string error;
    auto book = Workbook::open(path, error);
    EXPECT_TRUE(book) << error;
    return book;
}

TEST_P(Importing, RowsDownToTheFirstEmptyXCellBecomePoints) {
    const auto book = open(kPoints);
    ASSERT_TRUE(book);
    std::vector<int> told;
    const ImportResult r = ajoutePointsTableur(p, *book, {}, [&](int n) { told.push_back(n); });
    EXPECT_EQ(r.added, 4) << "row 11 is after the empty X cell";
    EXPECT_EQ(r.firstPassedOver, std::vector<int>{5}) << "the heading row, passed over";
    EXPECT_EQ(told, (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(p.N(), 4);
    EXPECT_EQ(cell(1, "Libellé"), "borne 1");
    EXPECT_EQ(model::val_entier(cell(1, "x")), 125);
    EXPECT_EQ(model::val_entier(cell(1, "y")), 1001 - 250) << "Y = 2.5: 250 pixels up";
    EXPECT_EQ(model::val_reel(cell(1, "Z")), 100.5L);
    EXPECT_EQ(cell(2, "Libellé"), "Église");
    EXPECT_EQ(cell(3, "Libellé"), "") << "an empty label cell";
    EXPECT_EQ(model::val_reel(cell(3, "Z")), 0) << "a text in the Z column gives no altitude";
    EXPECT_EQ(cell(4, "Libellé"), "42") << "a number as label";
    EXPECT_EQ(model::val_reel(cell(4, "X")), -7.5L);
}

// The new line of an import starts just before its first point: an import that adds nothing
// starts none.
TEST_P(Importing, TheLineStartsWithTheFirstPointOnly) {
    const auto book = open(kPoints);
    ASSERT_TRUE(book);
    const struct {
        const char* name;
        std::function<int(const std::function<void()>&)> import;
        int starts;
    } cases[] = {
        {"unreadable text",
         [&](const auto& start) { return ajoutePointsTexte(p, "a b\n'1 2\n\x01\n", start).added; },
         0},
        {"text", [&](const auto& start) { return ajoutePointsTexte(p, "1 2\n3 4\n", start).added; },
         1},
        {"rows past the data",
         [&](const auto& start) {
             return ajoutePointsTableur(p, *book, {.firstRow = 100}, {}, start).added;
         },
         0},
        {"workbook",
         [&](const auto& start) { return ajoutePointsTableur(p, *book, {}, {}, start).added; }, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const int before = p.N();
        int starts = 0;
        const int added = c.import([&] {
            ++starts;
            EXPECT_EQ(p.N(), before) << "before the first point";
        });
        EXPECT_EQ(starts, c.starts);
        EXPECT_EQ(added > 0, c.starts > 0);
        EXPECT_EQ(p.N(), before + added);
    }
}

// Rows whose X or Y does not read are passed over and named by their number, as the lines of
// a text import are; the import stops at the first empty X cell.
TEST_P(Importing, AWorkbookNamesTheRowsItPassesOver) {
    struct Sheet : SheetCells {
        std::vector<std::vector<std::string>> rows; // from row 1, columns A, B, C
        std::string cellText(int column, int row) const override {
            if (row < 1 || row > static_cast<int>(rows.size())) return {};
            const auto& cells = rows[static_cast<std::size_t>(row - 1)];
            return column <= static_cast<int>(cells.size())
                       ? cells[static_cast<std::size_t>(column - 1)]
                       : std::string();
        }
    } sheet;
    const auto ds = [this](const char* text) {
        return tracelle::testing::withSeparator(text, GetParam());
    };
    sheet.rows = {{"X", "Y", "Libellé"},
                  {ds("1.5"), "2", "a"},
                  {"x", "3", "b"},
                  {"4", "", "c"},
                  {"5", "y6", "d"},
                  {"7", ds("8.25"), "e"},
                  {},
                  {"9", "9", "f"}};
    const ImportResult r = ajoutePointsTableur(p, sheet, {.Z = 0, .firstRow = 1});
    EXPECT_EQ(bilanImport(r),
              "nombre de points rajoutés : 2\n4 lignes ignorées (X ou Y illisible) : 1, 3, 4, 5");
    EXPECT_EQ(p.N(), 2);
    EXPECT_EQ(cell(2, "Libellé"), "e");
    EXPECT_EQ(model::val_reel(cell(2, "Y")), 8.25L);
}

TEST_P(Importing, ColumnChoices) {
    const auto book = open(kPoints);
    ASSERT_TRUE(book);
    EXPECT_EQ(ajoutePointsTableur(p, *book, {.label = 0, .Z = 0}).added, 4);
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(model::val_reel(cell(i, "Z")), 0) << i;
        EXPECT_EQ(cell(i, "Libellé"), "") << "label column 0: no label";
    }
    EXPECT_EQ(ajoutePointsTableur(p, *book, {.firstRow = 8}).added, 2);
    EXPECT_EQ(ajoutePointsTableur(p, *book, {.X = 5}).added, 0) << "an empty column";
    EXPECT_EQ(p.N(), 6);

    EXPECT_EQ(colonnesIllisibles({}), "");
    for (const SheetColumns& bad :
         {SheetColumns{.X = 0}, SheetColumns{.Z = 27}, SheetColumns{.firstRow = 0}})
        EXPECT_NE(colonnesIllisibles(bad), "");
}

} // namespace
