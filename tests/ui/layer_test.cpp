#include "MapWindow.h"
#include "ui/LayerPainter.h"
#include "ui/TextPanel.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <cstdint>

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

// Crosses, points, lines of two widths, a measurement fan: the saved pictures keep their bytes,
// and the bare picture comes back.
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
    EXPECT_EQ(saved("kept"), fan) << "until the next rebuild";
    QTest::mouseClick(button("Redessiner"), Qt::LeftButton);
    const auto without = saved("without");

    EXPECT_EQ(bare, Bytes(0x210bcdd5670cec53, 0x4b0cbb83f4bde32e));
    EXPECT_EQ(lines, Bytes(0x7a1370ca3c2894d4, 0x7a517f43eed8cb20));
    EXPECT_EQ(fan, Bytes(0x41d57fee5e7e30c3, 0xc7b7899433356d65));
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

// Lines drawn through the layer's tiles, as one drawing of the whole canvas would show them.
class TiledLines : public ::testing::Test {
protected:
    static constexpr int kW = 1000, kH = 700; // four tiles by three
    static constexpr QRgb kWhite = 0xFFFFFFFF;

    TiledLines() {
        auto white = std::make_shared<picture::Raster>(picture::Raster::create(kW, kH));
        white->fill(picture::rgb555(255, 255, 255));
        layer = picture::Layer::over(white, kW, kH, 0, 0, 0);
    }
    QImage shown() const {
        QImage out(kW, kH, QImage::Format_RGB555);
        for (int y = 0; y < kH; ++y)
            for (int x = 0; x < kW; ++x)
                reinterpret_cast<picture::Pixel*>(out.scanLine(y))[x] = layer.pixel(x, y);
        return out;
    }
    static int differing(const QImage& a, const QImage& b) {
        int n = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x)
                n += a.pixel(x, y) != b.pixel(x, y);
        return n;
    }

    picture::Layer layer;
};

QPainterPath outline(QPoint from, QPoint to, const QPen& pen) {
    QPainterPath path(from);
    path.lineTo(to);
    return QPainterPathStroker(pen).createStroke(path);
}

const QPoint kZigzag[] = {{13, 17}, {987, 203}, {40, 690}, {950, 650}, {500, 5}, {3, 400}};

// Wide pens: the same pixels as the line's outline filled over a single picture of the canvas
// (as Qt draws it with round caps).
TEST_F(TiledLines, WideLinesAreOneDrawingAcrossTheTiles) {
    for (const int width : {2, 3, 7})
        for (const Qt::PenCapStyle cap : {Qt::RoundCap, Qt::SquareCap}) {
            SCOPED_TRACE(::testing::Message() << "width " << width << ", cap " << cap);
            layer.clear();
            const QPen pen(QColor(255, 0, 0), width, Qt::SolidLine, cap);
            QImage whole(kW, kH, QImage::Format_RGB555);
            whole.fill(Qt::white);
            {
                QPainter p(&whole);
                ui::LayerPainter tiled(layer);
                for (std::size_t i = 1; i < std::size(kZigzag); ++i) {
                    p.fillPath(outline(kZigzag[i - 1], kZigzag[i], pen), pen.color());
                    tiled.line(kZigzag[i - 1], kZigzag[i], pen);
                }
            }
            EXPECT_EQ(differing(shown(), whole), 0);
        }
}

// One-pixel lines, near or far: one pixel a step along the longer axis, the one nearest the
// true segment, and nothing else; points far outside the canvas draw only what it shows.
TEST_F(TiledLines, ThinLinesFollowTheTrueSegmentWhereverItsEndsLie) {
    const struct {
        const char* name;
        QPoint from, to;
    } cases[] = {
        {"across the tiles", {13, 17}, {987, 203}},
        {"steep", {40, 690}, {300, 2}},
        {"backwards", {950, 650}, {3, 400}},
        {"to a point far outside", {500, 350}, {500 + 700'000'000, 350 + 400'000'000}},
        {"between points far outside", {-2'000'000'000, -5}, {2'000'000'000, 600}},
        {"far outside, passing by", {-2'000'000'000, 800}, {2'000'000'000, 900}},
    };
    const QRgb red = QColor(255, 0, 0).rgb();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        layer.clear();
        ui::LayerPainter(layer).line(c.from, c.to, QPen(QColor(255, 0, 0), 1));
        const QImage drawn = shown();
        const double dx = c.to.x() - double(c.from.x()), dy = c.to.y() - double(c.from.y());
        const bool steep = std::abs(dy) > std::abs(dx);
        int expected = 0, found = 0;
        for (int y = 0; y < kH; ++y)
            for (int x = 0; x < kW; ++x)
                found += drawn.pixel(x, y) == red;
        // Each step of the longer axis within the canvas and the segment.
        const int steps = steep ? kH : kW;
        for (int u = 0; u < steps; ++u) {
            const double t = steep ? (u - c.from.y()) / dy : (u - c.from.x()) / dx;
            if (t < 0 || t > 1) continue;
            const double v = steep ? c.from.x() + t * dx : c.from.y() + t * dy;
            // At a half, either neighbour is as near.
            const int nearest = static_cast<int>(std::floor(v + 0.5));
            const int other = std::abs(v - std::floor(v) - 0.5) < 1e-6 ? nearest - 1 : nearest;
            const int across = steep ? kW : kH;
            if (nearest < 0 || nearest >= across) continue;
            ++expected;
            const auto at = [&](int w) { return steep ? QPoint(w, u) : QPoint(u, w); };
            const bool hit =
                drawn.pixel(at(nearest)) == red || (other >= 0 && drawn.pixel(at(other)) == red);
            if (!hit) {
                ADD_FAILURE() << "no pixel at (" << at(nearest).x() << ", " << at(nearest).y()
                              << "), " << v << " on the segment";
                break;
            }
        }
        EXPECT_EQ(found, expected) << "one pixel a step";
    }
}

// A wide pen towards a point far outside: what the canvas shows of the same line drawn to a
// point just beyond its edge, and only the tiles along it are drawn into.
TEST_F(TiledLines, AFarPointCostsNoMoreThanTheCanvasEdge) {
    const QPen pen(QColor(0, 0, 255), 3, Qt::SolidLine, Qt::RoundCap);
    ui::LayerPainter(layer).line({500, 350}, {500 + 3 * 700'000'000, 350 + 2 * 700'000'000}, pen);
    QImage whole(kW, kH, QImage::Format_RGB555);
    whole.fill(Qt::white);
    {
        QPainter p(&whole);
        p.setPen(pen);
        p.drawLine(QPoint(500, 350), QPoint(500 + 3 * 300, 350 + 2 * 300));
    }
    EXPECT_EQ(differing(shown(), whole), 0);
    EXPECT_LE(layer.drawnBytes(), 6u * 256 * 256 * 2) << "the tiles the line crosses";
}

} // namespace
