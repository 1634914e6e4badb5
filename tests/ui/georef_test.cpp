#include "MapWindow.h"
#include "model/NumberText.h"
#include "picture/Decoder.h"
#include "support/GeoTiffFile.h"

#include <QLabel>
#include <cmath>

using namespace tracelle;

namespace {

// The map window over "carte.bmp" (200 × 100), beside which the tests write descriptors.
class Georef : public tracelle::testing::MapWindow {
protected:
    Georef() : MapWindow("tracelle_georef_") {}

    std::string write(const std::string& name, const std::string& text) {
        const std::string path = (home_.dir / name).string();
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }
    void run(const char* item, const std::optional<std::string>& file) {
        ui.answerFileName(file);
        w.action(QString("&Fichier|") + item)->trigger();
    }
    std::string calibration(int row, const char* column) {
        return std::string(w.project().calibration().cell(row, w.project().indice_col_cal(column)));
    }
    // The real coordinates of the point a click at layer pixel (x, y) makes.
    std::pair<double, double> clickedAt(int x, int y) {
        click(x, y);
        auto& p = w.project();
        return {static_cast<double>(model::val_reel(p.points().cell(p.N(), p.indice_col("X")))),
                static_cast<double>(model::val_reel(p.points().cell(p.N(), p.indice_col("Y"))))};
    }

    static constexpr const char* kTab = "=> Charger un *.TAB MapInfo";
    static constexpr const char* kGeoref =
        "=> Charger une image géoréférencée (GeoTIFF, *.tfw, *.jgw, *.pgw, *.wld)";
};

// Imported with margins around the picture: the rows at the centres of their pixels (MapInfo
// counts from the picture's corner), the pixels moved by the offset, and no question about
// calibration points.
TEST_F(Georef, AMapInfoTableOpensItsPictureCalibrated) {
    w.action("&Affichage|Garder les proportions L x H")->setChecked(true);
    const std::string tab = write("carte.tab", "!table\r\nDefinition Table\r\n"
                                               "  File \"carte.bmp\"\r\n  Type \"RASTER\"\r\n"
                                               "  (600000,2000000) (0,0) Label \"Pt 1\",\r\n"
                                               "  (610000,2000000) (200,0) Label \"Pt 2\",\r\n"
                                               "  (600000,1995000) (0,100) Label \"Pt 3\"\r\n");
    run(kTab, tab);
    const auto& picture = w.project().picture();
    ASSERT_EQ(picture.file, picturePath);
    ASSERT_TRUE(picture.ox != 0 || picture.oy != 0) << "the canvas keeps the window's shape";
    EXPECT_EQ(w.project().K(), 3);
    EXPECT_EQ(calibration(2, "X"), "610025");
    EXPECT_EQ(calibration(3, "Y"), "1994975");
    EXPECT_EQ(calibration(2, "x"), std::to_string(picture.ox + 200));
    EXPECT_EQ(calibration(3, "y"), std::to_string(picture.oy + 100));
    const auto [X, Y] = clickedAt(picture.ox + 40, picture.oy + 30);
    EXPECT_NEAR(X, 600000 + 40.5 * 50, 1e-6);
    EXPECT_NEAR(Y, 2000000 - 30.5 * 50, 1e-6);
    EXPECT_TRUE(ui.questions.empty()) << ui.questions.front();
}

// A descriptor that cannot be used leaves the project in hand as it was, with a message.
TEST_F(Georef, ABadDescriptorChangesNothing) {
    load();
    click(50, 50);
    click(60, 50);
    const std::string calibrationBefore = calibration(3, "X");
    const struct {
        const char* item;
        std::string file;
        const char* message;
    } cases[] = {
        {kTab, write("sans_type.tab", "File \"carte.bmp\"\n(1,2) (3,4)\n"),
         "n'est pas une valeur entière"},
        {kTab, write("absente.tab", "File \"absente.bmp\"\nType\n"), "impossible à ouvrir"},
        {"=> Charger  un fichier *.hdr ARC/INFO ",
         write("carte.hdr", "NCOLS 200\nNROWS 50\nXDIM 1\nYDIM 1\nULXMAP 0\nULYMAP 0\n"),
         "ce calage ne lui correspond pas"},
        {kGeoref, write("carte.bpw", "1\n0\n0\n-1\n"), "six nombres"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        ui.answerDialog('N'); // the points are not saved first
        run(c.item, c.file);
        ASSERT_FALSE(ui.messages.empty());
        EXPECT_NE(ui.messages.back().find(c.message), std::string::npos) << ui.messages.back();
        EXPECT_EQ(w.project().N(), 2);
        EXPECT_EQ(w.project().picture().file, picturePath);
        EXPECT_EQ(calibration(3, "X"), calibrationBefore);
    }
}

// A world file beside a picture opened alone is offered; declined, the frame of pixels and
// its question come back.
TEST_F(Georef, APictureWithAWorldFileOffersItsCalibration) {
    write("carte.bpw", "0.5\n0.25\n0.125\n-0.5\n600000\n5000000\n");
    ui.answerConfirm(true);
    run("=> &Charger une image de fond seule", picturePath);
    EXPECT_EQ(ui.questions.back(),
              "Cette image porte son propre calage (carte.bpw) : l'utiliser ?");
    const auto [X, Y] = clickedAt(40, 30);
    EXPECT_NEAR(X, 0.5 * 40 + 0.125 * 30 + 600000, 1e-6);
    EXPECT_NEAR(Y, 0.25 * 40 - 0.5 * 30 + 5000000, 1e-6);

    ui.answerDialog('N');
    ui.answerConfirm(false);
    ui.answerConfirm(false);
    run("=> &Charger une image de fond seule", picturePath);
    EXPECT_EQ(ui.questions.back(), "Voulez-vous d'abord choisir vos points de calibrage ? ");
    EXPECT_EQ(calibration(1, "Y"), "99");
}

// Its tags are read through the GIS module, loaded beside the window showing the picture.
TEST_F(Georef, AGeoTiffOpenedAsAPictureOffersItsCalibration) {
    tracelle::testing::GeoTiffSpec s;
    s.tiePoint = {0, 0, 0, 600000, 5000000, 0};
    s.scale = {2, 2, 0};
    const std::string tif = (home_.dir / "ortho.tif").string();
    ASSERT_TRUE(tracelle::testing::writeGeoTiff(tif, s));
    ui.answerConfirm(true);
    run("=> &Charger une image de fond seule", tif);
    EXPECT_EQ(ui.questions.back(), "Cette image porte son propre calage (GeoTIFF) : l'utiliser ?");
    const auto& picture = w.project().picture();
    model::Real X = 0, Y = 0;
    ASSERT_TRUE(w.project().repere_carte(picture.ox + 10, picture.oy + 20, X, Y));
    EXPECT_NEAR(X, 600000 + 2 * 10.5, 1e-6);
    EXPECT_NEAR(Y, 5000000 - 2 * 20.5, 1e-6);
}

TEST_F(Georef, AGeoTiffNamesItsCoordinateSystem) {
    tracelle::testing::GeoTiffSpec s;
    s.tiePoint = {0, 0, 0, 600000, 5000000, 0};
    s.scale = {2, 2, 0};
    s.epsg = 32631;
    const std::string tif = (home_.dir / "ortho.tif").string();
    ASSERT_TRUE(tracelle::testing::writeGeoTiff(tif, s));
    run(kGeoref, tif);
    ASSERT_EQ(w.project().picture().file, tif);
    const QLabel* crs = table.findChild<QLabel*>("LabelSCR");
    EXPECT_TRUE(crs->isVisible());
    EXPECT_TRUE(crs->text().startsWith("EPSG:32631")) << crs->text().toStdString();
    const auto [X, Y] = clickedAt(10, 20);
    EXPECT_NEAR(X, 600000 + 2 * 10.5, 1e-6) << "the centre of the pixel";
    EXPECT_NEAR(Y, 5000000 - 2 * 20.5, 1e-6);
    load();
    EXPECT_FALSE(crs->isVisible()) << "a plain picture names none";
}

// The clipboard's picture is saved as a BMP file of its own depth, ".bmp" added unless the
// name holds ".BMP", then opened.
TEST_F(Georef, TheClipboardPictureIsSavedThenOpened) {
    w.action("&Fichier|=> Charger l'image présente dans le presse-papier")->trigger();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].substr(0, 37), "   Pas d'image dans le presse-papier\n");
    ui.clipboardImage =
        picture::Rgb24{3, 2, {255, 0, 0, 0, 255, 0, 0, 0, 255, 10, 20, 30, 40, 50, 60, 70, 80, 90}};
    const struct {
        const char* typed;
        const char* written;
    } names[] = {{"copie", "copie.bmp"}, {"copie.BMP.old", "copie.BMP.old"}};
    for (const auto& n : names) {
        SCOPED_TRACE(n.typed);
        ui.answerFileName((home_.dir / n.typed).string());
        ui.answerConfirm(false); // no calibration points first
        w.action("&Fichier|=> Charger l'image présente dans le presse-papier")->trigger();
        EXPECT_EQ(ui.fileDialogs.back().title, " Nom de l'image issue du presse-papier");
        const std::string file = (home_.dir / n.written).string();
        EXPECT_EQ(w.project().picture().file, file);
        const auto bytes = tracelle::testing::bytesOf(file);
        ASSERT_GT(bytes.size(), 57u);
        EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 2), "BM");
        EXPECT_EQ((std::vector<int>{bytes[54], bytes[55], bytes[56]}),
                  (std::vector<int>{30, 20, 10}))
            << "the lower row first, blue green red, at 8 bits";
    }
}

} // namespace
