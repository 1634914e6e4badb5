#include "files/CommaText.h"
#include "files/Cp1252.h"
#include "files/Export.h"
#include "files/PointImport.h"
#include "files/ProjectFile.h"
#include "model/NumberText.h"
#include "model/Project.h"
#include "support/ScriptedInteraction.h"
#include "support/Separator.h"
#include "support/TempFiles.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using namespace tracelle;
using namespace tracelle::files;
namespace fs = std::filesystem;

namespace {

std::string bytesOf(const fs::path& p) {
    return tracelle::testing::textOf(p.string());
}

class ProjectFile : public ::testing::TestWithParam<char> {
protected:
    ProjectFile() { fs::create_directories(dir_); }
    ~ProjectFile() override { fs::remove_all(dir_); }

    // The worked example: 800 × 600 picture, three calibration points, three points on two lines.
    void makeExample(model::Project& p) {
        p.picture() = {"C:\\cartes\\plan.jpg", 800, 600, 0, 0};
        const int cal[3][4] = {{0, 1000, 102, 518}, {0, 0, 102, 88}, {1000, 0, 690, 88}};
        for (int k = 1; k <= 3; ++k) {
            for (int j = 0; j < 4; ++j) {
                const int v = cal[k - 1][j];
                p.calibration().setCell(k, p.indice_col_cal(std::string(1, "XYxy"[j])),
                                        j < 2 ? std::to_string(v) : model::_format(v, 4, 0));
            }
        }
        p.chargeCalage(3);
        p.setDecimalsText("3");
        p.affecte_en(1, 1, "", 12.5L, 243.197L, 286.047L, 245, 211);
        p.affecte_en(2, 1, "", 12.5L, 256.803L, 262.791L, 253, 201);
        p.affecte_en(3, 2, "", 8.25L, 353.741L, 767.442L, 310, 418);
        p.setN(3);
        p.lines().setRow(2, {"2", "4", "255", "x"});
        p.setCurrentLine(2);
    }

    // Reads a project file back into a new project, as the open command does.
    static void readBack(const fs::path& file, model::Project& p) {
        ASSERT_EQ(chargeProjetSansImage(file.string(), p), "");
    }

    tracelle::testing::SeparatorScope scope{GetParam()};
    tracelle::testing::ScriptedInteraction ui;
    const fs::path dir_ = tracelle::testing::tempFolder("tracelle_trc_");
};

TRACELLE_UNDER_BOTH_SEPARATORS(ProjectFile);

TEST_P(ProjectFile, TheWorkedExampleIsWrittenByteForByte) {
    model::Project p;
    makeExample(p);
    const fs::path file = dir_ / "plan.trc";
    ASSERT_EQ(sauve_projet(p, file.string()), "");
    const std::string expected =
        "/TRACELLE\r\nC:\\cartes\\plan.jpg\r\n/taille image LxH dx0/dy0\r\n800  600  0  0\r\n"
        "/nombre de  points\r\n3\r\n/nombre de  lignes\r\n2\r\n"
        "/nombre de points de calage  X Y (Z)\r\n3\r\n"
        "n,L,Libell\xE9,X,Y,Z,x,y,z\r\n"
        "1,0,\"cal 1\",0,1000,\"            0" +
        std::string(1, GetParam()) + "0000\",\"  102\",\"  518\",\r\n";
    const std::string written = bytesOf(file);
    EXPECT_EQ(written.substr(0, expected.size()), expected);
    if (GetParam() == '.') {
        EXPECT_NE(
            written.find("\"    1\",\"  1\",,243.197,286.047,12.500,\"  245\",\"  211\",\r\n"),
            std::string::npos);
        EXPECT_NE(written.find("\"    3\",\"  2\",,353.741,767.442,8.250,\"  310\",\"  418\",\r\n"
                               "1,4,255,x\r\n2,4,255,x\r\n"),
                  std::string::npos);
        EXPECT_EQ(written.substr(written.size() - 11), "2,4,255,x\r\n");
    } else {
        EXPECT_NE(written.find(",,\"243,197\","), std::string::npos) << "reals quoted under \",\"";
    }
}

TEST_P(ProjectFile, SaveOpenSaveIsByteIdentical) {
    model::Project p;
    makeExample(p);
    p.points().setCell(2, p.indice_col("Libellé"), "puits \"Nord\", côté é");
    const fs::path first = dir_ / "a.trc", second = dir_ / "b.trc", third = dir_ / "c.trc";
    ASSERT_EQ(sauve_projet(p, first.string()), "");
    model::Project back;
    readBack(first, back);
    EXPECT_EQ(back.points().cell(2, back.indice_col("Libellé")), "puits \"Nord\", côté é");
    EXPECT_EQ(back.points().cell(1, back.indice_col("Libellé")), " ")
        << "an empty label comes back as one space";
    EXPECT_EQ(back.N(), 3);
    EXPECT_EQ(back.K(), 3);
    EXPECT_EQ(back.record(3).x, 690);
    ASSERT_EQ(sauve_projet(back, second.string()), "");
    model::Project again;
    readBack(second, again);
    ASSERT_EQ(sauve_projet(again, third.string()), "");
    EXPECT_EQ(bytesOf(second), bytesOf(third)) << "stable once empty cells are one space";
}

// The cells read point into the file's text; labels converted from Windows-1252 or with
// doubled quotes are made beside it, here more of them than the room kept for them. Edits
// made after the reading then go where the table writes.
TEST_P(ProjectFile, ManyConvertedAndQuotedLabelsReadBackAndTakeEdits) {
    model::Project p;
    makeExample(p);
    const auto label = [](int i) {
        return "côté \"" + std::to_string(i) + "\", été" +
               std::string(static_cast<std::size_t>(i % 7), 'e');
    };
    for (int i = 4; i <= 600; ++i)
        p.affecte_en(i, 2, label(i), 1.5L, 100.0L + i, 200.0L, 300 + i, 400);
    p.setN(600);
    const fs::path first = dir_ / "a.trc", second = dir_ / "b.trc";
    ASSERT_EQ(sauve_projet(p, first.string()), "");
    model::Project back;
    readBack(first, back);
    const int labelCol = back.indice_col("Libellé");
    for (int i = 4; i <= 600; ++i)
        ASSERT_EQ(back.points().cell(i, labelCol), label(i)) << i;
    for (int i = 4; i <= 600; i += 3)
        back.points().setCell(i, labelCol, "autre " + std::to_string(i));
    ASSERT_EQ(sauve_projet(back, second.string()), "");
    model::Project again;
    readBack(second, again);
    for (int i = 4; i <= 600; ++i)
        ASSERT_EQ(again.points().cell(i, labelCol),
                  (i - 4) % 3 == 0 ? "autre " + std::to_string(i) : label(i))
            << i;
    EXPECT_EQ(model::val_entier(again.points().cell(600, again.indice_col("x"))), 900);
}

// A PDF's page and resolution follow the last row, where older readers stop; with or
// without points they come back.
TEST_P(ProjectFile, APdfPageFollowsTheLastRow) {
    for (const bool points : {true, false}) {
        model::Project p;
        makeExample(p);
        if (!points) p.setN(0);
        p.picture().file = "/plans/cadastre.pdf";
        p.picture().pdfPage = 2;
        p.picture().pdfDpi = 150;
        const fs::path file = dir_ / "pdf.trc";
        ASSERT_EQ(sauve_projet(p, file.string()), "");
        const std::string written = bytesOf(file);
        EXPECT_EQ(written.substr(written.size() - 24), "/page PDF  dpi\r\n2  150\r\n");
        ProjectError error;
        const auto read = lisProjet(file.string(), error);
        ASSERT_TRUE(read) << error.message;
        EXPECT_EQ(read->pdfPage, 2);
        EXPECT_EQ(read->pdfDpi, 150);
        EXPECT_EQ(read->n, points ? 3 : 0);
    }
}

TEST_P(ProjectFile, AFileReadsAlikeInWindows1252AndInUtf8) {
    model::Project p;
    makeExample(p);
    p.points().setCell(1, 2, "côté € œ");
    p.points().setCell(3, 2, "n° 2");
    const fs::path file = dir_ / "read.trc";
    const fs::path again = dir_ / "again.trc";
    ASSERT_EQ(sauve_projet(p, file.string()), "");
    const std::string utf8 = cp1252ToUtf8(bytesOf(file));
    std::string stray = utf8; // one byte of Windows-1252 makes the whole file Windows-1252
    stray.replace(stray.find("n°"), std::string("n°").size(), "n\xB0");
    std::string firstSave;
    for (const std::string& bytes : {bytesOf(file), utf8, stray}) {
        SCOPED_TRACE(bytes == utf8 ? "UTF-8" : bytes == stray ? "stray byte" : "Windows-1252");
        std::ofstream(file, std::ios::binary) << bytes;
        model::Project back;
        readBack(file, back);
        const auto read = [&](const std::string& s) {
            return bytes == stray ? cp1252ToUtf8(s) : s;
        };
        EXPECT_EQ(back.points().cell(0, 2), read("Libellé"));
        EXPECT_EQ(back.points().cell(1, 2), read("côté € œ"));
        EXPECT_EQ(back.points().cell(3, 2), "n° 2");
        ASSERT_EQ(sauve_projet(back, again.string()), "");
        if (firstSave.empty()) firstSave = bytesOf(again);
        if (bytes != stray) {
            EXPECT_EQ(bytesOf(again), firstSave) << "the same cells";
        }
    }
}

TEST_P(ProjectFile, EveryByteOfALabelIsWrittenBackAsItWasRead) {
    model::Project p;
    makeExample(p);
    // Cells as the open command leaves them, so that only the label can differ.
    for (int i = 1; i <= 3; ++i)
        p.points().setCell(i, p.indice_col("Libellé"), "label" + std::to_string(i));
    for (int l = 1; l <= 2; ++l)
        p.lines().setCell(l, 0, model::_format(l, 2, 0));
    const fs::path made = dir_ / "made.trc";
    ASSERT_EQ(sauve_projet(p, made.string()), "");
    // Every byte but the line ends, those that Windows-1252 leaves undefined included.
    std::string bytes;
    for (int b = 1; b < 256; ++b) {
        if (b != '\r' && b != '\n') bytes += static_cast<char>(b);
    }
    std::string text = bytesOf(made);
    text.replace(text.find("label2"), 6, encodeRow({bytes}));
    const fs::path original = dir_ / "original.trc";
    std::ofstream(original, std::ios::binary) << text;

    model::Project back;
    readBack(original, back);
    const fs::path again = dir_ / "again.trc";
    ASSERT_EQ(sauve_projet(back, again.string()), "");
    EXPECT_EQ(bytesOf(again), text);
}

TEST_P(ProjectFile, AnOpenKeepsTheCalibrationRowsOfTheFileThatClicksThenComplete) {
    for (const int k : {0, 2}) {
        SCOPED_TRACE(k);
        model::Project p;
        for (int i = 1; i <= k; ++i)
            p.valide_point_calage(10 * i, 20);
        const fs::path file = dir_ / "k.trc";
        ASSERT_EQ(sauve_projet(p, file.string()), "");
        model::Project back;
        ASSERT_EQ(chargeProjetSansImage(file.string(), back), "");
        EXPECT_EQ(back.calibration().rowCount(), k + 1);
        back.valide_point_calage(99, 98);
        EXPECT_EQ(back.K(), k + 1);
        EXPECT_EQ(back.calibration().rowCount(), 4) << "the three rows to click";
        EXPECT_EQ(back.calibration().cell(k + 1, back.indice_col_cal("y")), "    98");
        EXPECT_EQ(back.calibration().cell(3, back.indice_col_cal("Libellé")), "cal 3");

        model::Project pasted;
        ASSERT_EQ(chargeProjetSansImage(file.string(), pasted), "");
        ASSERT_EQ(colleValeursCalage(pasted, "1 2\n3 4\n5 6\n"), "");
        EXPECT_EQ(pasted.calibration().cell(3, pasted.indice_col_cal("X")), "5")
            << "values pasted into the rows the file did not have";
    }
}

TEST_P(ProjectFile, AnAppendTakesTheLinesOfAFileWithoutPoints) {
    model::Project other;
    other.lines().setRow(2, {"2", "7", "65280", ""});
    other.setCurrentLine(2);
    const fs::path file = dir_ / "lines.trc";
    ASSERT_EQ(sauve_projet(other, file.string()), "");
    ProjectError error;
    const auto read = lisProjet(file.string(), error);
    ASSERT_TRUE(read) << error.message;
    model::Project p;
    makeExample(p);
    completePoints(p, read->tables);
    EXPECT_EQ(p.N(), 3);
    EXPECT_EQ(p.currentLine(), 4);
    ASSERT_EQ(p.lines().rowCount(), 5);
    EXPECT_EQ(p.lines().cell(4, 0), "  4");
    EXPECT_EQ(p.lines().cell(4, 2), "65280");
}

TEST_P(ProjectFile, ABadFirstLineIsQuotedShortAndOnOneLine) {
    std::string utf8Line;
    for (int i = 0; i < 70; ++i)
        utf8Line += "é";
    const struct {
        std::string bytes;
        std::string quoted;
    } cases[] = {
        {"/TRACELLE \r\n", "/TRACELLE "},
        {std::string("\x89PNG\r\x1A\0\x81\t", 9) + std::string(100, 'z') + "\n\x01",
         "‰PNG?????" + std::string(51, 'z')},
        {utf8Line, utf8Line.substr(0, 120)}, // 60 characters, not bytes
    };
    const fs::path file = dir_ / "bad.trc";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.quoted);
        std::ofstream(file, std::ios::binary) << c.bytes;
        ProjectError error;
        EXPECT_FALSE(lisProjet(file.string(), error));
        EXPECT_EQ(error.message,
                  " Le fichier n'est pas compatible \n le mot clé en première ligne est "
                  "manquant\n /TRACELLE introuvable : mess= <" +
                      c.quoted + ">");
    }
}

TEST_P(ProjectFile, CountsAreReadAcrossBlanksAndOldFilesAreTold) {
    const fs::path file = dir_ / "old.trc";
    std::ofstream(file, std::ios::binary)
        << "/TRACELLE\r\n\r\n/taille image LxH dx0/dy0\r\n800  600\r\n"
           "/nombre de  points\r\n0\r\n";
    auto text = ProjectText::read(file.string(), nullptr);
    ASSERT_TRUE(text);
    int w, h, dx, dy;
    EXPECT_EQ(text->readCanvas(w, h, dx, dy), 5) << "the reading runs into line 5";

    std::ofstream(file, std::ios::binary)
        << "/TRACELLE\nx\n/t\n 1 2\n 3 4 extra\n/n\n  7\n/n\n\n2\n/n\n4\n";
    text = ProjectText::read(file.string(), nullptr);
    ASSERT_EQ(text->readCanvas(w, h, dx, dy), 0);
    EXPECT_EQ(dy, 4);
    std::int64_t n, nl, k;
    ASSERT_EQ(text->readCounts(n, nl, k), 0) << "a blank line before a count is passed";
    EXPECT_EQ(n, 7);
    EXPECT_EQ(nl, 2);
    EXPECT_EQ(k, 4);
    EXPECT_EQ(text->tablesStart(), 12u);
    EXPECT_EQ(ProjectText::firstLine(file.string()).value_or(""), "/TRACELLE");
}

// A file is refused whole, with the line where its reading stopped and what was expected
// there, before anything of the project is replaced; no question is asked about any cell.
TEST_P(ProjectFile, DamagedCountsAndRowsAreRefusedWithTheirLine) {
    model::Project p;
    makeExample(p); // header on line 11, calibration 12-14, points 15-17, lines 18-19
    const fs::path good = dir_ / "good.trc";
    ASSERT_EQ(sauve_projet(p, good.string()), "");
    const std::string text = bytesOf(good);
    const auto cut = [&text](const std::string& before) {
        return text.substr(0, text.find(before));
    };
    const auto replaced = [&text](const std::string& from, const std::string& to) {
        std::string t = text;
        t.replace(t.find(from), from.size(), to);
        return t;
    };
    const std::string stop = "Problème de lecture à la ligne ";
    const struct {
        const char* name;
        std::string bytes;
        std::string message;
    } cases[] = {
        {"cut inside a point", cut("\"    2\"") + "\"    2\"",
         stop + "17 du fichier :\nil manque le point 3 : le fichier s'arrête à la ligne 16 (il "
                "annonce 3 points, 2 lignes et 3 points de calage)"},
        {"cut before the lines", cut("1,4,255"),
         stop + "18 du fichier :\nil manque la ligne 1 du tableau des lignes : le fichier "
                "s'arrête à la ligne 17 (il annonce 3 points, 2 lignes et 3 points de calage)"},
        {"negative count", replaced("points\r\n3\r\n", "points\r\n-1\r\n"),
         stop + "6 du fichier :\nle nombre de points, un entier positif ou nul, est attendu, et "
                "non <-1>"},
        {"unreadable count", replaced("lignes\r\n2\r\n", "lignes\r\ndeux\r\n"),
         stop + "8 du fichier :\nle nombre de lignes, un entier positif ou nul, est attendu, et "
                "non <deux>"},
        {"calibration pixel", replaced("\"  102\",\"  518\"", "1x0,\"  518\""),
         stop + "12 du fichier :\nle point de calage 1 attend un entier en colonne x, et non "
                "<1x0>"},
        {"calibration value", replaced("0,1000,", "0,1E5E,"),
         stop + "12 du fichier :\nle point de calage 1 attend un nombre en colonne Y, et non "
                "<1E5E>"},
        {"point pixel", replaced("\"  201\"", "2O1"),
         stop + "16 du fichier :\nle point 2 attend un entier en colonne y, et non <2O1>"},
        {"line colour", replaced("2,4,255,x", "2,4,rouge,x"),
         stop + "19 du fichier :\nla ligne 2 du tableau des lignes attend un entier en colonne "
                "couleur, et non <rouge>"},
        {"header", replaced(",x,y,z\r\n", ",abs,y,z\r\n"),
         stop + "11 du fichier :\nla ligne des en-têtes attend la colonne x, et non "
                "<n,L,Libellé,X,Y,Z,abs,y,z>"},
        {"four calibration points", replaced("(Z)\r\n3\r\n", "(Z)\r\n4\r\n"),
         "Problème de lecture\nn_calc=4 à la ligne 10 du fichier : 3 points de calage au plus"},
    };
    const fs::path file = dir_ / "damaged.trc";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::ofstream(file, std::ios::binary | std::ios::trunc) << c.bytes;
        model::Project opened;
        EXPECT_EQ(chargeProjetSansImage(file.string(), opened), c.message);
        EXPECT_EQ(opened.picture().file, "") << "nothing taken from a refused file";
        EXPECT_EQ(opened.calibration().cell(0, 0), "n");
        EXPECT_TRUE(ui.messages.empty()) << ui.messages.front();
    }

    // A line deleted by the program keeps its row with a blank width and colour: it reads.
    std::ofstream(file, std::ios::binary | std::ios::trunc)
        << replaced("2,4,255,x", "\" \",\" \",\" \",x");
    model::Project opened;
    EXPECT_EQ(chargeProjetSansImage(file.string(), opened), "");
    EXPECT_EQ(opened.N(), 3);
}

// Every line of a project ends with its line end: a file cut at any byte, even inside its last
// row or the PDF page after it, is refused rather than read with a cell cut short. Cut just
// before its PDF page, it is the same project saved without one.
TEST_P(ProjectFile, AFileCutAtAnyByteIsRefused) {
    model::Project p;
    makeExample(p);
    const fs::path good = dir_ / "whole.trc";
    ASSERT_EQ(sauve_projet(p, good.string()), "");
    const std::size_t withoutPage = bytesOf(good).size();
    p.picture().pdfPage = 12;
    p.picture().pdfDpi = 150;
    ASSERT_EQ(sauve_projet(p, good.string()), "");
    const std::string text = bytesOf(good);
    const fs::path file = dir_ / "cut.trc";
    for (std::size_t length = 0; length <= text.size(); ++length) {
        SCOPED_TRACE("cut after " + std::to_string(length) + " bytes");
        std::ofstream(file, std::ios::binary | std::ios::trunc) << text.substr(0, length);
        model::Project opened;
        const bool whole = length == withoutPage || length == text.size();
        EXPECT_EQ(chargeProjetSansImage(file.string(), opened).empty(), whole);
        EXPECT_EQ(opened.picture().pdfDpi, length == text.size() ? 150 : 0);
    }
}

// Opening shows every line whatever its "OK" cell held, so that the export holds its points;
// an append keeps the "OK" cells of the file.
TEST_P(ProjectFile, OpeningShowsEveryLineAndAnAppendKeepsTheHiddenOnes) {
    model::Project p;
    makeExample(p);
    p.lines().setCell(2, p.lines().columnCount() - 1, ""); // line 2 hidden
    const fs::path file = dir_ / "hidden.trc";
    ASSERT_EQ(sauve_projet(p, file.string()), "");
    ASSERT_NE(bytesOf(file).find("\r\n2,4,255,\r\n"), std::string::npos);

    model::Project opened;
    readBack(file, opened);
    for (int l = 1; l <= 2; ++l)
        EXPECT_EQ(opened.lines().cell(l, 3), "x") << "line " << l;
    const std::string exported = exporte(opened, ExportChoices{}).text;
    EXPECT_EQ(exported.rfind("3\t0\r\n", 0), 0u) << exported;
    EXPECT_NE(exported.find("\r\n353.741\t767.442\r\n"), std::string::npos)
        << "the point of line 2: " << exported;

    ProjectError error;
    const auto read = lisProjet(file.string(), error);
    ASSERT_TRUE(read) << error.message;
    completePoints(opened, read->tables);
    EXPECT_EQ(opened.lines().cell(3, 3), "x");
    EXPECT_EQ(opened.lines().cell(4, 3), "") << "the appended line 2 stays hidden";
}

TEST(CommaText, RowsRoundTripAndEmptyCellsBecomeOneSpace) {
    const std::vector<std::string> row = {"    1", "", "a,b", "say \"hi\"", "x\ty", "é", ""};
    const std::string line = encodeRow(row);
    EXPECT_EQ(line, "\"    1\",,\"a,b\",\"say \"\"hi\"\"\",\"x\ty\",é,");
    const auto back = decodeRow(line, 9);
    EXPECT_EQ(back, (std::vector<std::string>{"    1", " ", "a,b", "say \"hi\"", "x\ty", "é", "",
                                              "", ""}));
    EXPECT_EQ(decodeRow("a b,c", 3), (std::vector<std::string>{"a", "b", "c"}))
        << "a bare space ends a field";
    EXPECT_EQ(decodeRow("1,2,3,4,5", 2), (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(decodeRow(std::string("\0\0,x", 4), 2).size(), 2u) << "a damaged line never stalls";
}

TEST(CommaText, AnUnquotedFieldEndsAtItsFirstCommaOrBlankWhateverItsLength) {
    // Bytes above 127 whose low bits are a comma or a space (U+00AC, U+00A0) do not end it.
    for (const std::string kind : {"7", "\xC2\xAC", "\xC2\xA0", "x\""}) {
        std::string field;
        while (field.size() < 20) {
            field += kind;
            for (const char end : {',', ' ', '\t', '\0', '\x1F'}) {
                SCOPED_TRACE(field + "|" + end);
                EXPECT_EQ(decodeRow(field + end + "z!", 3),
                          (std::vector<std::string>{field, "z!", ""}));
            }
            EXPECT_EQ(decodeRow(field, 2), (std::vector<std::string>{field, ""}));
        }
    }
}

} // namespace
