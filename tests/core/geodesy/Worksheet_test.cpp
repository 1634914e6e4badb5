// The converter's worksheet: which rows each command converts, the texts it writes, the
// imports and the export text read back.
#include "files/SheetCells.h"
#include "geodesy/Worksheet.h"
#include "model/NumberText.h"
#include "support/ScriptedInteraction.h"
#include "support/Separator.h"

#include <cmath>
#include <gtest/gtest.h>
#include <map>

using namespace tracelle;
using geodesy::Worksheet;

namespace {

enum : int { kN, kLib, kEst, kNord, kZone, kLettre, kHem, kEll, kLat, kLon, kDLat, kDLon, kX, kY };

class WorksheetTest : public ::testing::Test {
protected:
    tracelle::testing::SeparatorScope scope{','};
    tracelle::testing::ScriptedInteraction ui;

    static std::string at(const Worksheet& w, int row, int column) {
        return std::string(w.table().cell(row, column));
    }
    static long double number(const Worksheet& w, int row, int column) {
        return model::val_reel_utm(at(w, row, column));
    }
    static void utmRow(Worksheet& w, int row, const char* est, const char* nord, const char* zone,
                       const char* hemisphere, const char* ellipsoid = "WGS 84") {
        auto& t = w.table();
        t.setCell(row, kEst, est);
        t.setCell(row, kNord, nord);
        t.setCell(row, kZone, zone);
        t.setCell(row, kHem, hemisphere);
        t.setCell(row, kEll, ellipsoid);
    }
};

TEST_F(WorksheetTest, UtmRowsOfTheExampleSheetAndTheirChecks) {
    Worksheet w;
    utmRow(w, 40, "500000", "7000000", "33", "S");
    utmRow(w, 41, "500000", "7000000", "33", "s");
    utmRow(w, 42, "500000", "7000000", "33", "n");
    utmRow(w, 43, "500000", "7000000", "33", "X");         // no hemisphere
    utmRow(w, 44, "500000", "7000000", "33", "S", "Mars"); // no ellipsoid
    utmRow(w, 45, "500 000", "7000000", "33 a", "S");      // no zone
    ASSERT_EQ(w.utmVersLatLon("6378", "6347"), std::nullopt);

    const struct {
        int row;
        long double latitude, longitude;
        const char* letter;
    } cases[] = {{7, 48.59995986L, 7.73672367L, "U"}, {13, 0, 3.99999999L, "M"},
                 {14, 0, 3.99748409L, "M"},           {40, -27.12246964L, 15, "J"},
                 {41, -27.12246964L, 15, "J"},        {42, 63.12933971L, 15, "V"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        EXPECT_NEAR(number(w, c.row, kLat), c.latitude, 1e-8L);
        EXPECT_NEAR(number(w, c.row, kLon), c.longitude, 1e-8L);
        EXPECT_EQ(at(w, c.row, kLettre), c.letter);
    }
    EXPECT_EQ(at(w, 7, kLat), "48,5999598581") << "\"%8.10f\" in the regional mark";
    EXPECT_EQ(at(w, 7, kDLat), "48° 35' 59,8555\"") << "the degrees follow the decimals";
    EXPECT_EQ(at(w, 7, kX), "  407");
    EXPECT_EQ(at(w, 7, kY), model::texte_milliers(5384, 5, 0));
    for (int row : {43, 44, 45})
        EXPECT_EQ(at(w, row, kLat), "") << row;
    EXPECT_EQ(at(w, 5, kLat), "48,5999598581") << "a row without UTM keeps its decimals";
    EXPECT_TRUE(ui.messages.empty());
}

// Rows computed on several cores: the first bad zone stops the command there, in row order,
// and only the rows before it are converted.
TEST_F(WorksheetTest, AZoneThatIsNoWholeNumberStopsAtItsRow) {
    Worksheet w(3000);
    for (int row = 1; row <= 3000; ++row)
        utmRow(w, row, "406 864", "5 383 757", "32", "N");
    w.table().setCell(2500, kZone, "32.5");
    w.table().setCell(2800, kZone, "31,5");
    const auto stopped = w.utmVersLatLon("6378", "6347");
    ASSERT_TRUE(stopped);
    EXPECT_EQ(stopped->row, 2500);
    EXPECT_EQ(stopped->message, "'32.5' n'est pas une valeur entière correcte");
    EXPECT_EQ(at(w, 2499, kLat), "48,5999598581");
    EXPECT_EQ(at(w, 2500, kLat), "");
    EXPECT_EQ(at(w, 2501, kLat), "");
    EXPECT_EQ(at(w, 1, kX), "") << "no kilometres after a stop";
}

TEST_F(WorksheetTest, LatitudeLongitudeToUtmAllOrOnlyEmptyRows) {
    for (const bool onlyEmpty : {false, true}) {
        SCOPED_TRACE(onlyEmpty);
        Worksheet w(4);
        auto& t = w.table();
        t.setCell(1, kDLat, "48° 35' 59,8555\"");
        t.setCell(1, kDLon, "7° 44' 12,2052\"");
        t.setCell(2, kDLat, "-27° 7' 20,8907\"");
        t.setCell(2, kDLon, "14.5");   // a bare number: decimal degrees
        t.setCell(2, kEll, "Hayford"); // unknown: WGS 84
        t.setCell(3, kDLat, "45");
        t.setCell(3, kDLon, "3");
        t.setCell(3, kEst, "1");
        t.setCell(4, kLat, "45"); // decimals alone are not converted
        t.setCell(4, kLon, "3");
        ASSERT_EQ(w.latLonVersUtm(onlyEmpty, "6378", "6347"), std::nullopt);

        EXPECT_EQ(at(w, 1, kEst), model::texte_milliers(406864, 8, 2));
        EXPECT_EQ(at(w, 1, kNord), model::texte_milliers(5383757, 8, 2));
        EXPECT_EQ(at(w, 1, kZone), " 32");
        EXPECT_EQ(at(w, 1, kLettre), "U");
        EXPECT_EQ(at(w, 1, kHem), "N");
        EXPECT_EQ(at(w, 1, kEll), "WGS 84") << "an empty ellipsoid is WGS 84";
        EXPECT_EQ(at(w, 2, kLon), "14,5000000000");
        EXPECT_EQ(at(w, 2, kDLon), "14° 30' 0,0000\"") << "rewritten from the decimals";
        EXPECT_EQ(at(w, 2, kZone), " 33");
        EXPECT_EQ(at(w, 2, kHem), "S");
        EXPECT_EQ(at(w, 2, kEll), "WGS 84");
        EXPECT_EQ(at(w, 3, kEst), onlyEmpty ? "1" : model::texte_milliers(500000, 8, 2));
        EXPECT_EQ(at(w, 3, kLat), "45,0000000000") << "the decimals are written in every case";
        EXPECT_EQ(at(w, 4, kEst), "");
        EXPECT_EQ(at(w, 4, kDLat), "45° 0' 0,0000\"") << "the kilometres rewrite the degrees";
        EXPECT_NE(at(w, 4, kX), "");
    }
}

TEST_F(WorksheetTest, DegreesBothWaysAndKilometres) {
    Worksheet w(3);
    auto& t = w.table();
    t.setCell(1, kDLat, "-4° 36' 0,0\"");
    t.setCell(2, kLat, "48,6");
    t.setCell(2, kLon, "sept");
    t.setCell(3, kDLon, "  ");
    w.dmsVersDecimal();
    EXPECT_EQ(at(w, 1, kLat), "-4,6000000000");
    EXPECT_EQ(at(w, 1, kLon), "");
    w.decimalVersDms();
    EXPECT_EQ(at(w, 1, kDLat), "-4° 36' 0,0000\"");
    EXPECT_EQ(at(w, 2, kDLat), "48° 36' 0,0000\"");
    EXPECT_EQ(at(w, 2, kDLon), "") << "not a number";
    w.km("6378", "6347");
    EXPECT_EQ(at(w, 1, kX), "") << "a row needs both angles";
    t.setCell(1, kDLon, "3°");
    w.km("6378", "6347");
    EXPECT_EQ(at(w, 1, kX), "  500");
    EXPECT_EQ(at(w, 1, kY), model::texte_milliers(9490, 5, 0));
}

TEST_F(WorksheetTest, TextImportCopyDownAndClearedExport) {
    Worksheet w;
    const int n = w.importeTexte("P1;a;b;5383757;406864\r\n   \nP2\tx\ty\t100\t200\tz\n");
    EXPECT_EQ(n, 2);
    EXPECT_EQ(w.table().rowCount(), 3);
    const std::tuple<int, int, const char*> cells[] = {
        {1, kN, "  1"},   {1, kLib, "P1"},  {1, kNord, "5383757"}, {1, kEst, "406864"},
        {1, kZone, "37"}, {2, kEst, "200"}, {2, kEll, "WGS 84"}};
    for (const auto& [row, column, text] : cells)
        EXPECT_EQ(at(w, row, column), text) << "row " << row << ", column " << column;

    Worksheet sheet;
    sheet.recopie(30, kDLon);
    EXPECT_EQ(at(sheet, 100, kDLon), "14");
    EXPECT_EQ(at(sheet, 29, kDLon), "13");
    sheet.toutEffacer();
    const std::string text = sheet.texteExport();
    std::string expected = "n°\tLibellé\tEst (X)\tNord (Y)\tZone\tUTM lettre\tHémisphère\t"
                           "Ellipsoïde\tLatitude\tLongitude\t°latitude\t°longitude\t x / 1000\t"
                           " y / 1000\t\r\n";
    for (int row = 1; row <= 100; ++row)
        expected += std::to_string(row) + std::string(14, '\t') + "\r\n";
    EXPECT_EQ(text, expected);
}

TEST_F(WorksheetTest, TheExportReadsBackAndABadHeaderIsRefused) {
    Worksheet w;
    w.utmVersLatLon("6378", "6347");
    std::string error;
    auto back = Worksheet::lit(w.texteExport(), error);
    ASSERT_TRUE(back) << error;
    Worksheet expected = w;
    for (int row = 1; row < w.table().rowCount(); ++row)
        for (int column : {kEst, kNord})
            expected.table().setCell(row, column, model::enleve_espaces(at(w, row, column)));
    EXPECT_EQ(back->texteExport(), expected.texteExport());

    // Windows-1252, LF, columns in another order, one missing, an unknown one.
    auto some =
        Worksheet::lit("Zone\tautre\tEst(X)\t\xB0latitude\n31\tq\t611000\t48\xB0\n\n", error);
    ASSERT_TRUE(some) << error;
    EXPECT_EQ(some->table().rowCount(), 2);
    EXPECT_EQ(at(*some, 1, kZone), "31");
    EXPECT_EQ(at(*some, 1, kEst), "611000");
    EXPECT_EQ(at(*some, 1, kDLat), "48°");
    EXPECT_EQ(at(*some, 1, kLib), "");

    EXPECT_FALSE(Worksheet::lit("x;y;z\n1;2;3\n", error));
    EXPECT_EQ(error.rfind("ligne 1 : « x;y;z »", 0), 0u) << error;
}

class Cells : public files::SheetCells {
public:
    std::map<std::pair<int, int>, std::string> cells; // (column, row)
    std::string cellText(int column, int row) const override {
        const auto it = cells.find({column, row});
        return it == cells.end() ? std::string() : it->second;
    }
};

TEST_F(WorksheetTest, WorkbookImportsAndTheirSignRules) {
    Cells utm;
    utm.cells = {{{2, 1}, "31"},       {{2, 2}, "WGS84"},      {{2, 3}, "N"}, {{1, 4}, "A"},
                 {{2, 4}, "611280,6"}, {{3, 4}, "0"},          {{1, 5}, "B"}, {{2, 5}, "???"},
                 {{3, 5}, "12 a"},     {{1, 7}, "after a gap"}};
    Worksheet w;
    EXPECT_EQ(w.importeClasseurUtm(utm), 2);
    EXPECT_EQ(w.table().rowCount(), 3);
    EXPECT_EQ(at(w, 1, kEst), model::texte_milliers(611281, 7, 0));
    EXPECT_EQ(at(w, 1, kNord), "      0");
    EXPECT_EQ(at(w, 1, kEll), "WGS 84");
    EXPECT_EQ(at(w, 1, kZone), "31");
    EXPECT_EQ(at(w, 2, kEst), "???");
    EXPECT_EQ(at(w, 2, kNord), "12 a");
    EXPECT_EQ(at(w, 2, kLettre), "");
    EXPECT_EQ(at(w, 2, kDLat), "") << "the example rows are gone";

    Cells many;
    const std::string label = "p";
    for (int row = 4; row < 1200; ++row)
        many.cells.emplace(std::pair{1, row}, label);
    EXPECT_EQ(w.importeClasseurUtm(many), 1000);

    Cells latLon;
    latLon.cells = {{{1, 1}, "Nom"},      {{2, 1}, "Lat"},      {{3, 1}, "Lon"}, {{1, 2}, "a"},
                    {{2, 2}, "N48° 35'"}, {{3, 2}, "7° 44' E"}, {{1, 3}, "b"},   {{2, 3}, "S12,5"},
                    {{3, 3}, "15° O"},    {{1, 4}, "c"},        {{2, 4}, "-1"},  {{3, 4}, "E2"}};
    EXPECT_EQ(w.importeClasseurLatLon(latLon), 3);
    const std::tuple<int, int, const char*> cells[] = {
        {1, kDLat, "48° 35'"}, {1, kDLon, "7° 44' "}, {1, kHem, "N"}, {2, kLat, "-12,5"},
        {2, kHem, "S"},        {2, kDLon, "-15° "},   {3, kHem, "S"}, {3, kLon, "2"}};
    for (const auto& [row, column, text] : cells)
        EXPECT_EQ(at(w, row, column), text) << "row " << row << ", column " << column;
}

} // namespace
