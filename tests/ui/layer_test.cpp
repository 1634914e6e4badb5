#include "MapWindow.h"
#include "ui/TextPanel.h"

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QToolButton>
#include <cstdint>
#include <fstream>
#include <gtest/gtest.h>

using namespace tracelle;

namespace {

using Bytes = std::pair<std::uint64_t, std::uint64_t>; // a BMP and a JPEG, by their bytes

std::uint64_t fnv1a(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::uint64_t h = 1469598103934665603ull;
    for (char c; in.get(c);)
        h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    return h;
}

class Drawing : public tracelle::testing::MapWindow {
protected:
    Drawing() : MapWindow("tracelle_layer_") {}

    // The layer saved as BMP and as JPEG.
    Bytes saved(const char* name) {
        const std::string bmp = (home_.dir / (std::string(name) + ".bmp")).string();
        const std::string jpg = (home_.dir / (std::string(name) + ".jpg")).string();
        ui.answerFileName(bmp);
        w.action("&Fichier|Enregistrer l'image BITMAP  *.bmp ou *.jpg SANS les lignes")->trigger();
        ui.answerFileName(jpg);
        w.action("&Fichier|Enregistrer l'image avec les lignes ou les points (*.jpg)")->trigger();
        return {fnv1a(bmp), fnv1a(jpg)};
    }
};

// Crosses, points, lines of two widths, a measurement fan: the saved pictures are the bytes
// they were when the layer was a whole copy of the picture, and the bare picture comes back.
TEST_F(Drawing, EveryDrawingSavesAsItAlwaysDid) {
    load();
    const auto bare = saved("bare");
    auto& p = w.project();
    QTest::mouseClick(button("Digitaliser"), Qt::LeftButton);
    for (const QPoint at : {QPoint(20, 20), QPoint(60, 25), QPoint(90, 70), QPoint(30, 80)})
        click(at.x(), at.y());
    ui.answerColour(0xFF0000);
    key(Qt::Key_Space);
    p.lines().setCell(2, 1, "1");
    for (const QPoint at : {QPoint(120, 10), QPoint(190, 90), QPoint(150, 50)})
        click(at.x(), at.y());
    ASSERT_EQ(p.N(), 7);
    const auto lines = saved("lines");
    QTest::mouseClick(button("Surface"), Qt::LeftButton);
    click(25, 50);
    ASSERT_FALSE(w.textPanel()->isHidden());
    const auto fan = saved("fan");
    QTest::mouseClick(button("sans lignes ni pts"), Qt::LeftButton);
    const auto without = saved("without");

    EXPECT_EQ(bare, Bytes(0x210bcdd5670cec53, 0x4b0cbb83f4bde32e));
    EXPECT_EQ(lines, Bytes(0xb01aa05894f74af2, 0x33dba23a9d46e5c3));
    EXPECT_EQ(fan, Bytes(0x9cfb53237b13d7ec, 0x47eb9ca013676773));
    EXPECT_EQ(without, bare) << "without lines: the bare picture";
}

// A new picture's overview replaces the last one's, once built beside the window.
TEST_F(Drawing, TheOverviewFollowsTheNewPicture) {
    for (const QColor colour : {QColor(0, 0, 255), QColor(255, 0, 0)}) {
        picture::Raster plain = picture::Raster::create(4000, 2800);
        plain.fill(picture::rgb555(colour.red(), colour.green(), colour.blue()));
        const std::string path = (home_.dir / "plain.bmp").string();
        ASSERT_EQ(picture::writeBmp(plain, path), "");
        ui.answerConfirm(false);
        w.Ouvrir_fichier_image(path, "");
        ASSERT_TRUE(QTest::qWaitFor([this] { return w.overview().ready(); }));
        QApplication::processEvents();
        const QImage shot = area->grab().toImage();
        EXPECT_EQ(shot.pixelColor(shot.rect().center()), colour);
    }
}

} // namespace
