// Workbooks of every format read alike, and damaged or hostile ones are refused whole.
#include "files/PointImport.h"
#include "files/Workbook.h"
#include "model/Project.h"
#include "support/Separator.h"
#include "support/TempFiles.h"

#include <gtest/gtest.h>
#include <memory>

using namespace tracelle;
using namespace tracelle::files;

namespace {

std::string data(const std::string& name) {
    return std::string(TEST_DATA_DIR) + "/" + name;
}

std::unique_ptr<Workbook> open(const std::string& path) {
    std::string error;
    auto book = Workbook::open(path, error);
    EXPECT_TRUE(book) << path << ": " << error;
    return book;
}

// Every cell the imports can address, down to two rows past the last.
std::vector<std::string> cellsOf(const Workbook& book) {
    std::vector<std::string> cells;
    for (int row = 1; row <= book.lastRow() + 2; ++row)
        for (int column = 1; column <= kSheetLastColumn; ++column)
            cells.push_back(book.cellText(column, row));
    return cells;
}

std::vector<std::string> pointsOf(const Workbook& book) {
    model::Project p;
    p.setDefaultCalibration(1001, 1001, 0, 0);
    ajoutePointsTableur(p, book, {});
    std::vector<std::string> cells;
    for (int r = 0; r < p.points().rowCount(); ++r)
        for (int c = 0; c < p.points().columnCount(); ++c)
            cells.emplace_back(p.points().cell(r, c));
    return cells;
}

const char* const kPointFiles[] = {"points.xls", "points.xlsx", "points.ods", "points.csv"};

class Workbooks : public ::testing::TestWithParam<char> {
protected:
    tracelle::testing::SeparatorScope scope{GetParam()};
};

TRACELLE_UNDER_BOTH_SEPARATORS(Workbooks);

struct Expected {
    int column;
    int row;
    const char* text; // '.' stands for the decimal mark
};

void expectCells(const Workbook& book, std::initializer_list<Expected> cases, char ds) {
    for (const auto& c : cases) {
        std::string where(1, static_cast<char>('A' + c.column - 1));
        where += std::to_string(c.row);
        SCOPED_TRACE(where);
        EXPECT_EQ(book.cellText(c.column, c.row), tracelle::testing::withSeparator(c.text, ds));
    }
}

TEST_P(Workbooks, ThePointsReadAlikeInEveryFormat) {
    const auto reference = open(data("points.xls"));
    ASSERT_TRUE(reference);
    EXPECT_EQ(reference->lastRow(), 11);
    expectCells(*reference,
                {
                    {1, 5, "X"},
                    {1, 6, "1.25"},   // numbers in the regional notation
                    {1, 7, "3"},      // a whole number has no decimals
                    {12, 6, "100.5"}, // column 12 is L
                    {1, 10, ""},      // an empty cell
                    {1, 6000, ""},    // below the sheet
                    {27, 6, ""},      // beyond Z
                    {0, 6, ""},
                },
                GetParam());
    const auto cells = cellsOf(*reference);
    const auto points = pointsOf(*reference);
    for (const char* name : kPointFiles) {
        SCOPED_TRACE(name);
        const auto book = open(data(name));
        ASSERT_TRUE(book);
        EXPECT_EQ(book->lastRow(), 11);
        EXPECT_EQ(cellsOf(*book), cells);
        EXPECT_EQ(pointsOf(*book), points);
        EXPECT_EQ(book->cellText(3, 7), "Église");
    }
}

TEST_P(Workbooks, OfficeOpenXmlCells) {
    const auto book = open(data("essais.xlsx"));
    ASSERT_TRUE(book);
    expectCells(*book,
                {
                    {1, 1, "partagé"}, // a shared string
                    {2, 1, "partagé"}, // the same, inline
                    {1, 2, "borne"},   // runs of rich text, without their phonetic reading
                    {2, 2, "borne"},   // inline runs
                    {1, 3, "2"},       // a formula by its cached value
                    {2, 3, "ab"},      // a formula's text
                    {3, 3, ""},        // a formula never computed
                    {1, 4, "VRAI"},    // a boolean
                    {2, 4, "#DIV/0!"}, // an error
                    {3, 4, "45292"},   // a date is the number the cell holds
                    {1, 5, "a\rb"},    // an escaped character
                    {2, 5, "1.5E-7"},  // as the spreadsheet shows it
                    {1, 6, "10"},      // cells and row without references follow on
                    {2, 6, "20"},      //
                    {1, 7, "Église"},  //
                    {26, 7, "26"},     // Z
                    {27, 7, ""},       // AA cannot be addressed
                },
                GetParam());
}

TEST_P(Workbooks, OpenDocumentCells) {
    const auto book = open(data("essais.ods"));
    ASSERT_TRUE(book);
    EXPECT_EQ(book->lastRow(), 7) << "the rows that pad the sheet to its end hold nothing";
    expectCells(*book,
                {
                    {1, 1, "partagé"},
                    {2, 1, "7"},
                    {4, 1, "7"}, // repeated columns
                    {5, 1, "fusion"},
                    {6, 1, ""},
                    {7, 1, "-0.5"}, // covered by a merge
                    {1, 2, "rép"},
                    {2, 4, "1.5"},
                    {1, 5, "2"}, // repeated rows; a formula
                    {2, 5, "ab"},
                    {3, 5, "VRAI"},
                    {4, 5, "45292"}, // cached values, a date
                    {5, 5, "0.5"},
                    {6, 5, "0.25"},
                    {1, 6, "a   b"}, // a time, a percentage
                    {2, 6, "l1\nl2"},
                    {1, 7, "Église"},
                    {1, 8, ""}, // notes and drawings left
                },
                GetParam());
}

// Refused with a reason that says why, before any point is added.
TEST(WorkbookSafety, DamagedAndHostileWorkbooksAreRefusedWhole) {
    const auto dir = tracelle::testing::tempFolder("tracelle_workbook_");
    std::filesystem::create_directories(dir);
    const auto made = [&](const std::string& name, std::vector<char> bytes) {
        const std::string path = (dir / name).string();
        tracelle::testing::writeBytes(path, bytes);
        return path;
    };
    auto xlsx = tracelle::testing::bytesOf(data("points.xlsx"));
    // A compressed size of 0xFFFFFFFF in the central directory announces ZIP64 sizes that
    // are not there: the file exists and reads, its archive is damaged.
    auto zip64 = xlsx;
    const std::string central = "PK\x01\x02";
    const auto entry = std::search(zip64.begin(), zip64.end(), central.begin(), central.end());
    ASSERT_NE(entry, zip64.end());
    std::fill_n(entry + 20, 4, '\xFF');
    xlsx.resize(xlsx.size() - 40);
    const auto xls = tracelle::testing::bytesOf(data("points.xls"));
    const std::string html = "<html><table><tr><td>1</td></tr></table></html>";
    const struct {
        std::string path;
        const char* reason;
    } cases[] = {
        {data("bombe-taille.xlsx"), "dépasse 1 Go une fois décompressé"},
        {data("bombe-ratio.xlsx"), "comprimé plus de 1000 fois"},
        {data("taille-fausse.xlsx"), "l'archive du classeur est endommagée"},
        {made("tronque.xlsx", xlsx), "l'archive du classeur est endommagée"},
        {made("zip64-absent.xlsx", zip64), "l'archive du classeur est endommagée"},
        {data("colonnes.xlsx"), "la feuille a plus de 16384 colonnes"},
        {data("colonnes.ods"), "la feuille a plus de 16384 colonnes"},
        {data("lignes.ods"), "la feuille a plus de 1048576 lignes"},
        {data("entite-externe.xlsx"), "déclare un type de document (DTD, entités)"},
        {data("milliard-de-rires.xlsx"), "déclare un type de document (DTD, entités)"},
        {data("imbrique.xlsx"), "trop de niveaux imbriqués"},
        {data("chaine-absente.xlsx"), "chaîne partagée n° 7 absente"},
        {data("chiffre.xlsx"), "le classeur est protégé par un mot de passe"},
        {data("chiffre.ods"), "le classeur est protégé par un mot de passe"},
        {data("binaire.xlsb"), "(*.xlsb) ne sont pas lus"},
        {data("archive.zip"), "l'archive ne contient pas de classeur"},
        {made("vide.xlsx", {}), "le fichier est vide"},
        {made("tronque.xls", {xls.begin(), xls.begin() + 1500}),
         "le classeur est endommagé ou d'un format non reconnu"},
        {made("binaire.csv", std::vector<char>(100, '\0')), "ni un classeur ni un texte"},
        {made("page.xls", {html.begin(), html.end()}), "page HTML ou XML"},
        {made("guillemet.csv", {'a', ';', '"', 'b', '\n'}), "guillemet non refermé à la ligne 1"},
        {(dir / "absent.xlsx").string(), "le fichier est introuvable ou illisible"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        std::string error;
        EXPECT_FALSE(Workbook::open(c.path, error));
        EXPECT_NE(error.find(c.reason), std::string::npos) << error;
    }
    std::filesystem::remove_all(dir);
}

// Every 7th byte flipped, one at a time: never a crash; an archive, whose members carry a
// checksum, is refused or read exactly as it was.
TEST(WorkbookSafety, FlippedBytesAreRefusedOrHarmless) {
    const auto dir = tracelle::testing::tempFolder("tracelle_workbook_flip_");
    std::filesystem::create_directories(dir);
    const char* const files[] = {"points.xls", "points.xlsx", "points.ods",
                                 "points.csv", "essais.xlsx", "essais.ods"};
    for (const char* name : files) {
        SCOPED_TRACE(name);
        const auto original = open(data(name));
        ASSERT_TRUE(original);
        const auto cells = cellsOf(*original);
        const std::string n = name;
        const bool archive = n.ends_with(".xlsx") || n.ends_with(".ods");
        const auto bytes = tracelle::testing::bytesOf(data(name));
        const std::string path = (dir / name).string();
        int refused = 0;
        for (std::size_t i = 0; i < bytes.size(); i += 7) {
            auto copy = bytes;
            copy[i] = static_cast<char>(copy[i] ^ 0x5A);
            tracelle::testing::writeBytes(path, copy);
            std::string error;
            const auto book = Workbook::open(path, error);
            if (!book) {
                ++refused;
                EXPECT_FALSE(error.empty()) << "byte " << i;
                continue;
            }
            pointsOf(*book);
            if (archive) {
                EXPECT_EQ(cellsOf(*book), cells) << "byte " << i;
            }
        }
        if (!n.ends_with(".csv")) {
            EXPECT_GT(refused, 0);
        }
    }
    std::filesystem::remove_all(dir);
}

} // namespace
