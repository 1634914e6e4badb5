#include "picture/BmpCodec.h"
#include "picture/Decoder.h"
#include "support/ScriptedInteraction.h"
#include "support/TempFiles.h"
#include "ui/MainWindow.h"

#include <QAction>

using namespace tracelle;
using tracelle::testing::ScriptedInteraction;
namespace fs = std::filesystem;

namespace {

class OpeningPictures : public ::testing::Test {
protected:
    OpeningPictures() {
        // The canvas is the picture itself, whatever the window's size.
        w.action("&Affichage|Garder les proportions L x H")->setChecked(false);
    }

    // A w × h BMP whose pixel (x, y) has red x, green y.
    std::string makePicture(const char* name, int width, int height) {
        picture::Raster r = picture::Raster::create(width, height);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                r.row(y)[x] = picture::rgb555(x * 8, y * 8, 0);
        const std::string path = (home_.dir / name).string();
        EXPECT_EQ(picture::writeBmp(r, path), "");
        return path;
    }

    tracelle::testing::ConfigHome home_{"tracelle_open_"};
    ScriptedInteraction ui;
    ui::MainWindow w;
};

TEST_F(OpeningPictures, ANewPictureGetsItsPixelFrameAndTheQuestion) {
    const std::string path = makePicture("plan.bmp", 30, 20);
    ui.answerConfirm(false); // "choisir vos points de calibrage ?"
    ASSERT_TRUE(w.Ouvrir_fichier_image(path, ""));
    EXPECT_TRUE(w.hasPicture());
    EXPECT_EQ(w.layer().width(), 30);
    EXPECT_EQ(w.layer().pixel(29, 19), picture::rgb555(29 * 8, 19 * 8, 0));
    EXPECT_EQ(ui.questions.back(), "Voulez-vous d'abord choisir vos points de calibrage ? ");
    EXPECT_EQ(w.windowTitle(),
              QStringLiteral("    t r a c e l l e                  plan.bmp  30 x 20"));
    EXPECT_EQ(w.statusText(1), QStringLiteral("30x20x15=1 "));
    const auto& p = w.project();
    EXPECT_EQ(p.picture().file, path) << "the user's own file, not a temporary copy";
    EXPECT_EQ(p.K(), 3);
    EXPECT_EQ(p.calibration().cell(1, p.indice_col_cal("Y")), "19");
    EXPECT_EQ(p.calibration().cell(3, p.indice_col_cal("x")), "30");
}

TEST_F(OpeningPictures, ASecondPictureClearsThePointsButAnUnreadableOneChangesNothing) {
    ui.answerConfirm(false);
    ASSERT_TRUE(w.Ouvrir_fichier_image(makePicture("a.bmp", 30, 20), ""));
    auto& p = w.project();
    p.ajoute_point(3, 4);
    p.ajoute_point(5, 6);

    const std::string broken = (home_.dir / "b.bmp").string();
    std::ofstream(broken, std::ios::binary) << "BM this is no picture";
    EXPECT_FALSE(w.Ouvrir_fichier_image(broken, ""));
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_NE(ui.messages.back().find(broken), std::string::npos) << "the message names the file";
    EXPECT_EQ(p.N(), 2) << "the project stays as it was";
    EXPECT_EQ(w.layer().width(), 30);

    ui.answerConfirm(false);
    ASSERT_TRUE(w.Ouvrir_fichier_image(makePicture("c.bmp", 12, 10), ""));
    EXPECT_EQ(p.N(), 0);
    EXPECT_EQ(p.points().rowCount(), 1);
    EXPECT_EQ(p.currentLine(), 1);
}

TEST_F(OpeningPictures, AMissingPictureIsSearchedOnlyWhenTheUserAgrees) {
    ui.answerConfirm(false);
    EXPECT_FALSE(w.Ouvrir_fichier_image((home_.dir / "gone.jpg").string(), "relecture", "p.trc"));
    EXPECT_NE(ui.questions.back().find("est introuvable"), std::string::npos);
    EXPECT_TRUE(w.project().picture().file.empty());

    const std::string found = makePicture("elsewhere.bmp", 8, 8);
    w.project().picture() = {"", 8, 8, 0, 0};
    ui.answerConfirm(true);
    ui.answerFileName(found);
    EXPECT_TRUE(w.Ouvrir_fichier_image((home_.dir / "gone.jpg").string(), "relecture", "p.trc"));
    EXPECT_EQ(ui.fileDialogs.back().title, " Rechercher le fichier gone.jpg");
    EXPECT_EQ(w.project().picture().file, found);
}

TEST_F(OpeningPictures, StoredCanvasAndOffsetAreKeptWhenAProjectRereadsItsPicture) {
    w.project().picture() = {"", 40, 30, 5, 6};
    EXPECT_TRUE(w.Ouvrir_fichier_image(makePicture("r.bmp", 30, 20), "relecture"));
    EXPECT_EQ(w.layer().width(), 40);
    EXPECT_EQ(w.layer().height(), 30);
    EXPECT_EQ(w.layer().pixel(5, 6), picture::rgb555(0, 0, 0));
    EXPECT_EQ(w.layer().pixel(5 + 29, 6 + 19), picture::rgb555(29 * 8, 19 * 8, 0));
    EXPECT_EQ(w.layer().pixel(0, 0), picture::rgb555(0, 128, 128)) << "margin";
}

TEST_F(OpeningPictures, TheLayerIsSavedAsBmpByDefaultOrJpeg) {
    ui.answerConfirm(false);
    ASSERT_TRUE(w.Ouvrir_fichier_image(makePicture("s.bmp", 16, 8), ""));
    ui.answerFileName((home_.dir / "copie").string());
    w.savePicture();
    const picture::Decoded bmp = picture::decodeFile((home_.dir / "copie.bmp").string());
    ASSERT_TRUE(bmp.ok()) << bmp.error;
    EXPECT_EQ(bmp.raster.pixel(15, 7), w.layer().pixel(15, 7));

    ui.answerFileName((home_.dir / "copie.JPG").string());
    w.savePicture();
    const picture::Decoded jpeg = picture::decodeFile((home_.dir / "copie.JPG").string());
    ASSERT_TRUE(jpeg.ok()) << jpeg.error;
    EXPECT_EQ(jpeg.raster.width(), 16);
}

} // namespace
