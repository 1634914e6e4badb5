// A new picture shown while it is decoded, and the click that waits for it, by real events.
#include "MapWindow.h"
#include "model/NumberText.h"
#include "picture/Decoder.h"
#include "picture/PictureLoading.h"
#include "picture/TiffWriter.h"

#include <future>
#include <thread>

using namespace tracelle;

namespace {

constexpr int kWidth = 1200, kHeight = 900;

// White, with a black square at (500, 300) to (599, 399).
picture::Pixel mapAt(int x, int y) {
    return x >= 500 && x < 600 && y >= 300 && y < 400 ? 0 : picture::rgb555(255, 255, 255);
}

class Arriving : public tracelle::testing::MapWindow {
protected:
    Arriving() : MapWindow("tracelle_arrive_") {}

    // The map decoded down to row `rows`, the rest held until release(); then whole, or
    // failing with `error`. With `reduced`, the map at a quarter a side stands in for the rows
    // to come. Returns once those rows are in, so that the window's first paint shows them.
    std::unique_ptr<picture::PictureLoading> held(int rows, std::string error = {},
                                                  bool reduced = false) {
        auto in = std::make_shared<std::promise<void>>();
        auto rowsIn = in->get_future();
        auto loading = std::make_unique<picture::PictureLoading>(
            [rows, error, reduced, in, gate = gate_.get_future().share()](
                picture::Raster& into, int& bits, picture::RowArrival& arrival,
                const std::function<void()>& sized) {
                into = picture::Raster::create(kWidth, kHeight);
                sized();
                const auto fill = [&into](int y0, int y1) {
                    for (int y = y0; y < y1; ++y)
                        for (int x = 0; x < kWidth; ++x)
                            into.row(y)[x] = mapAt(x, y);
                };
                fill(0, rows);
                arrival.arrived(rows);
                if (reduced) {
                    auto quarter = std::make_shared<picture::Raster>(
                        picture::Raster::create(kWidth / 4, kHeight / 4));
                    for (int y = 0; y < kHeight / 4; ++y)
                        for (int x = 0; x < kWidth / 4; ++x)
                            quarter->row(y)[x] = mapAt(4 * x, 4 * y);
                    arrival.showPreview({quarter, 1, 4, 1, 4});
                }
                in->set_value();
                gate.wait();
                if (!error.empty()) return error;
                fill(rows, kHeight);
                bits = 24;
                return std::string();
            });
        rowsIn.wait();
        return loading;
    }
    // A real decoding of the file at `path`, held once the picture is sized until release().
    std::unique_ptr<picture::PictureLoading> heldFile(const std::string& path) {
        const picture::RowIntoDecoder decodeInto = picture::rowDecoderFor(path);
        EXPECT_NE(decodeInto, nullptr);
        return std::make_unique<picture::PictureLoading>(
            [path, decodeInto, gate = gate_.get_future().share()](
                picture::Raster& into, int& bits, picture::RowArrival& arrival,
                const std::function<void()>& sized) {
                return decodeInto(path, into, bits, arrival, [&] {
                    sized();
                    gate.wait();
                });
            });
    }
    void release() { gate_.set_value(); }

    // The rest of the rows come while a click waits; the same click on the picture once whole
    // lands where it did.
    void expectAClickWaitsAndLandsAsAfter() {
        std::thread releaser([this] { release(); });
        click(550, 380);
        releaser.join();
        EXPECT_FALSE(w.pictureArriving());
        EXPECT_EQ(shown(590, 395), qRgb(0, 0, 0)) << "beside the point, the square's bottom";
        EXPECT_EQ(w.layer().pixel(100, 800), picture::rgb555(255, 255, 255));
        click(550, 380);
        auto& p = w.project();
        ASSERT_EQ(p.N(), 2);
        for (const char* column : {"x", "y", "X", "Y"}) {
            SCOPED_TRACE(column);
            EXPECT_EQ(p.points().cell(1, p.indice_col(column)),
                      p.points().cell(2, p.indice_col(column)));
        }
        EXPECT_EQ(p.points().cell(1, p.indice_col("x")),
                  model::_format(area->toLayer(at(550, 380)).x(), 4, 0));
        EXPECT_TRUE(ui.messages.empty());
    }
    // A real decoding of the file at `path`, held while the click waits.
    void clickDuringHeldDecodeLandsAsAfter(const std::string& path) {
        ui.answerConfirm(false);
        w.ouvreImage(path, heldFile(path));
        ASSERT_TRUE(w.pictureArriving());
        expectAClickWaitsAndLandsAsAfter();
    }
    picture::Raster map() const {
        picture::Raster r = picture::Raster::create(kWidth, kHeight);
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                r.row(y)[x] = mapAt(x, y);
        return r;
    }
    QRgb shown(int x, int y) { return area->grab().toImage().pixel(at(x, y)); }

    std::promise<void> gate_;
};

// Without or with a reduced picture standing in for the rows still to come.
class ArrivingRows : public Arriving, public ::testing::WithParamInterface<bool> {};

TEST_P(ArrivingRows, TheRowsArrivedShowAndAClickWaitsForTheWholePicture) {
    const bool reduced = GetParam();
    ui.answerConfirm(false);
    w.ouvreImage(picturePath, held(350, {}, reduced));
    ASSERT_TRUE(w.pictureArriving()) << "the window is back before the decoding's end";
    EXPECT_EQ(shown(550, 320), qRgb(0, 0, 0)) << "the square's top, arrived";
    EXPECT_EQ(shown(100, 100), qRgb(255, 255, 255));
    // Rows still to come: the window's background, or the reduced picture in place.
    const QRgb background = ui::kWindowBackground.rgb();
    EXPECT_EQ(shown(550, 380), reduced ? qRgb(0, 0, 0) : background);
    EXPECT_EQ(shown(100, 800), reduced ? qRgb(255, 255, 255) : background);
    for (const auto& [x, y] : {std::pair{492, 390}, std::pair{608, 390}, std::pair{550, 408}}) {
        EXPECT_EQ(shown(x, y), reduced ? qRgb(255, 255, 255) : background)
            << "beside the square " << x << "," << y;
    }
    expectAClickWaitsAndLandsAsAfter();
}

INSTANTIATE_TEST_SUITE_P(Arriving, ArrivingRows, ::testing::Bool());

TEST_F(Arriving, APictureCutShortIsDroppedWithItsReason) {
    ui.answerConfirm(false);
    w.ouvreImage(picturePath, held(350, "fichier JPEG tronqué"));
    ASSERT_TRUE(w.pictureArriving());
    release();
    click(550, 320);
    EXPECT_FALSE(w.pictureArriving());
    EXPECT_FALSE(w.hasPicture());
    EXPECT_EQ(w.project().N(), 0) << "no point on a picture that did not read";
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0],
              "Impossible de lire l'image " + picturePath + " :\nfichier JPEG tronqué");
    EXPECT_EQ(ui.beeps, 1) << "the click on no picture";
    EXPECT_EQ(shown(550, 320), ui::kWindowBackground.rgb());
}

TEST_F(Arriving, APictureCutShortWhileItsQuestionIsOpenIsToldOnceAnswered) {
    ui.answerConfirm(true); // its calibration points first
    ui.whileConfirming = [this] {
        release();
        QTest::qWait(200); // the dialog's own loop, past the end of the reading
        EXPECT_TRUE(ui.messages.empty()) << "no message over the open question";
    };
    w.ouvreImage(picturePath, held(350, "fichier JPEG tronqué"));
    EXPECT_FALSE(w.hasPicture());
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_FALSE(w.calibrationPanel()->isVisible()) << "no calibration of a picture gone";
}

TEST_F(Arriving, AClickDuringAHeldPngDecodeLandsAsAfter) {
    const std::string path = (home_.dir / "carte.png").string();
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 300; y < 400; ++y)
        for (int x = 500; x < 600; ++x)
            image.setPixel(x, y, qRgb(0, 0, 0));
    ASSERT_TRUE(image.save(QString::fromStdString(path), "PNG"));
    clickDuringHeldDecodeLandsAsAfter(path);
}

TEST_F(Arriving, AClickDuringAHeldTiffDecodeLandsAsAfter) {
    const std::string path = (home_.dir / "carte.tif").string();
    const picture::Raster picture = map();
    ASSERT_EQ(picture::writeTiff(picture::RowSource::of(picture), path), "");
    clickDuringHeldDecodeLandsAsAfter(path);
}

} // namespace
