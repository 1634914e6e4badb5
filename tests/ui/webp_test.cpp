#include "picture/Decoder.h"
#include "support/ScriptedInteraction.h"
#include "support/TempFiles.h"
#include "support/WebpFile.h"
#include "ui/MainWindow.h"
#include "ui/QtPictureDecoder.h"

#include <QAction>

using namespace tracelle;
using tracelle::testing::Rgba;

namespace {

// The window opens WebP through the core's decoder, as tracelle-cli does: the pixels are
// those Qt's WebP reader gave the window before.
TEST(WebpInTheWindow, OpensWithThePixelsOfQtsReader) {
    tracelle::testing::ConfigHome home("tracelle_webp_window_");
    tracelle::testing::ScriptedInteraction ui;
    ui::MainWindow w;
    w.action("&Affichage|Garder les proportions L x H")->setChecked(false);
    const auto map = [](int x, int y) {
        return Rgba{static_cast<std::uint8_t>(x * 4), static_cast<std::uint8_t>(y * 5),
                    static_cast<std::uint8_t>((x ^ y) * 3), 255};
    };
    for (const bool lossless : {true, false}) {
        SCOPED_TRACE(lossless ? "lossless" : "lossy");
        const std::string path = (home.dir / (lossless ? "plan.webp" : "photo.webp")).string();
        ASSERT_TRUE(tracelle::testing::writeWebp(path, 61, 43, map, {.lossless = lossless}));
        const picture::Decoded qt = ui::decodeWithQt(path);
        ASSERT_TRUE(qt.ok()) << qt.error;
        ui.answerConfirm(false); // "choisir vos points de calibrage ?"
        ASSERT_TRUE(w.Ouvrir_fichier_image(path, ""));
        ASSERT_EQ(w.layer().width(), 61);
        ASSERT_EQ(w.layer().height(), 43);
        int wrong = 0;
        for (int y = 0; y < 43; ++y)
            for (int x = 0; x < 61; ++x)
                if (w.layer().pixel(x, y) != qt.raster.pixel(x, y) && wrong++ == 0)
                    ADD_FAILURE() << "first pixel unlike Qt's at " << x << ", " << y;
        EXPECT_EQ(wrong, 0);
    }
}

// An animation, which the core's decoder leaves to Qt's reader, still shows its first picture.
TEST(WebpInTheWindow, AnAnimationShowsItsFirstPicture) {
    picture::setFallbackDecoder(ui::decodeWithQt); // as the program's start-up installs it
    tracelle::testing::ConfigHome home("tracelle_webp_animation_");
    tracelle::testing::ScriptedInteraction ui;
    ui::MainWindow w;
    w.action("&Affichage|Garder les proportions L x H")->setChecked(false);
    const std::string path = (home.dir / "anime.webp").string();
    ASSERT_TRUE(tracelle::testing::writeAnimatedWebp(path, 20, 10,
                                                     {{200, 40, 40, 255}, {40, 40, 200, 255}}));
    ui.answerConfirm(false);
    ASSERT_TRUE(w.Ouvrir_fichier_image(path, ""));
    EXPECT_EQ(w.layer().width(), 20);
    EXPECT_EQ(w.layer().pixel(7, 3), picture::rgb555(200, 40, 40));
}

} // namespace
