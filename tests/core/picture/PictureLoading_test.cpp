#include "picture/Decoder.h"
#include "picture/JpegCodec.h"
#include "picture/Overview.h"
#include "picture/PictureLoading.h"
#include "picture/PngCodec.h"
#include "picture/Stretch.h"
#include "picture/TiffCodec.h"
#include "picture/TiffWriter.h"
#include "support/TempFiles.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <future>
#include <gtest/gtest.h>
#include <png.h>
#include <thread>
#include <tiffio.h>
#include <vector>

using namespace tracelle::picture;
namespace fs = std::filesystem;

namespace {

Pixel patternAt(int x, int y) {
    return rgb555(static_cast<std::uint8_t>((x / 16 * 40) & 0xF8),
                  static_cast<std::uint8_t>((y / 16 * 56) & 0xF8),
                  static_cast<std::uint8_t>(((x + y) / 32 * 24) & 0xF8));
}

Raster pattern(int w, int h) {
    Raster r = Raster::create(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            r.row(y)[x] = patternAt(x, y);
    return r;
}

// Row `y` of `r` as 8-bit RGB samples.
std::vector<png_byte> rgbRow(const Raster& r, int y) {
    std::vector<png_byte> row;
    for (int x = 0; x < r.width(); ++x)
        row.insert(row.end(), {red8(r.row(y)[x]), green8(r.row(y)[x]), blue8(r.row(y)[x])});
    return row;
}

// An 8-bit RGB PNG of `r`, written by libpng itself, interlaced or not.
void writePng(const Raster& r, const std::string& path, bool interlaced) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(r.width()),
                 static_cast<png_uint_32>(r.height()), 8, PNG_COLOR_TYPE_RGB,
                 interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    std::vector<std::vector<png_byte>> bytes;
    std::vector<png_bytep> rows;
    for (int y = 0; y < r.height(); ++y)
        rows.push_back(bytes.emplace_back(rgbRow(r, y)).data());
    png_write_image(png, rows.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    std::fclose(file);
}

void setRgbFields(TIFF* t, const Raster& r, std::uint16_t compression) {
    TIFFSetField(t, TIFFTAG_IMAGEWIDTH, r.width());
    TIFFSetField(t, TIFFTAG_IMAGELENGTH, r.height());
    TIFFSetField(t, TIFFTAG_BITSPERSAMPLE, 8);
    TIFFSetField(t, TIFFTAG_SAMPLESPERPIXEL, 3);
    TIFFSetField(t, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_RGB);
    TIFFSetField(t, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
    TIFFSetField(t, TIFFTAG_COMPRESSION, compression);
}

void writeRgbRows(TIFF* t, const Raster& r) {
    for (int y = 0; y < r.height(); ++y)
        TIFFWriteScanline(t, rgbRow(r, y).data(), static_cast<std::uint32_t>(y), 0);
}

// An 8-bit RGB TIFF of `r` written by libtiff itself, in LZW strips of 16 rows or in
// deflated tiles of 64 × 64.
void writeTiffBlocks(const Raster& r, const std::string& path, bool tiled) {
    TIFF* t = TIFFOpen(path.c_str(), "w");
    ASSERT_NE(t, nullptr);
    setRgbFields(t, r, tiled ? COMPRESSION_ADOBE_DEFLATE : COMPRESSION_LZW);
    if (tiled) {
        TIFFSetField(t, TIFFTAG_TILEWIDTH, 64);
        TIFFSetField(t, TIFFTAG_TILELENGTH, 64);
    } else {
        TIFFSetField(t, TIFFTAG_ROWSPERSTRIP, 16);
    }
    // The directory first, so that a file cut in its pixels still tells the picture's size.
    TIFFDeferStrileArrayWriting(t);
    TIFFWriteCheck(t, tiled, "fixture");
    TIFFWriteDirectory(t);
    TIFFSetDirectory(t, 0);
    TIFFForceStrileArrayWriting(t);
    if (!tiled) writeRgbRows(t, r);
    std::vector<png_byte> tile(64 * 64 * 3);
    for (int y0 = 0; tiled && y0 < r.height(); y0 += 64)
        for (int x0 = 0; x0 < r.width(); x0 += 64) {
            for (int y = 0; y < 64 && y0 + y < r.height(); ++y) {
                const auto row = rgbRow(r, y0 + y);
                const int w = std::min(64, r.width() - x0);
                std::copy_n(row.begin() + 3 * x0, 3 * w, tile.begin() + y * 64 * 3);
            }
            TIFFWriteTile(t, tile.data(), static_cast<std::uint32_t>(x0),
                          static_cast<std::uint32_t>(y0), 0, 0);
        }
    TIFFClose(t);
}

// `r` as a deflated page in strips of 32 rows, of NewSubfileType `kind`; `subPages` SubIFDs
// announced for the pages written next.
void writeTiffPage(TIFF* t, const Raster& r, std::uint32_t kind, std::uint16_t subPages = 0) {
    TIFFSetField(t, TIFFTAG_SUBFILETYPE, kind);
    setRgbFields(t, r, COMPRESSION_ADOBE_DEFLATE);
    TIFFSetField(t, TIFFTAG_ROWSPERSTRIP, 32);
    std::vector<toff_t> offsets(subPages, 0);
    if (subPages > 0) TIFFSetField(t, TIFFTAG_SUBIFD, subPages, offsets.data());
    writeRgbRows(t, r);
    TIFFWriteDirectory(t);
}

bool sameRow(const Raster& a, const Raster& b, int y) {
    return std::equal(a.row(y), a.row(y) + a.width(), b.row(y));
}

// A picture filled by a thread of the test's own, row band after row band, with `pause`
// between bands so that readers meet it half written.
struct SlowPicture {
    std::shared_ptr<Raster> raster;
    std::shared_ptr<RowArrival> arrival = std::make_shared<RowArrival>();
    std::thread writer;

    SlowPicture(int w, int h, int band, std::chrono::milliseconds pause)
        : raster(std::make_shared<Raster>(Raster::create(w, h))) {
        raster->fill(rgb555(255, 0, 255)); // what no row ends as
        writer = std::thread([this, w, h, band, pause] {
            for (int y0 = 0; y0 < h; y0 += band) {
                std::this_thread::sleep_for(pause);
                for (int y = y0; y < std::min(h, y0 + band); ++y)
                    for (int x = 0; x < w; ++x)
                        raster->row(y)[x] = patternAt(x, y);
                arrival->arrived(std::min(h, y0 + band));
            }
            arrival->end();
        });
    }
    ~SlowPicture() { writer.join(); }
};

class PictureLoadingTest : public tracelle::testing::TempSuite<PictureLoadingTest> {
public:
    static fs::path dir() { return tracelle::testing::tempFolder("tracelle_loading_"); }
};

} // namespace

// Each format read row by row, the picture large enough for the JPEG decoder's second thread,
// whose batches may finish out of turn.
struct Arriving {
    const char* name;
    std::function<void(const Raster&, const std::string&)> write;
    RowIntoDecoder decodeInto;
};

std::vector<Arriving> arrivingFormats() {
    using Path = const std::string&;
    return {
        {"rows.jpg", [](const Raster& r, Path f) { ASSERT_EQ(writeJpeg(r, f, 90), ""); },
         decodeJpegInto},
        {"rows.png", [](const Raster& r, Path f) { writePng(r, f, false); }, decodePngInto},
        {"strips.tif", [](const Raster& r, Path f) { writeTiffBlocks(r, f, false); },
         decodeTiffInto},
        {"tiles.tif", [](const Raster& r, Path f) { writeTiffBlocks(r, f, true); }, decodeTiffInto},
        {"onestrip.tif", // read a row at a time
         [](const Raster& r, Path f) { ASSERT_EQ(writeTiff(RowSource::of(r), f), ""); },
         decodeTiffInto},
    };
}

TEST_F(PictureLoadingTest, RowsArriveFinalInOrderAndEndAsTheWholeDecode) {
    for (const Arriving& format : arrivingFormats()) {
        SCOPED_TRACE(format.name);
        const std::string file = path(format.name);
        format.write(pattern(1600, 1200), file);
        const Decoded whole = decodeFile(file);
        ASSERT_TRUE(whole.ok());

        const auto loading = PictureLoading::ofFile(file);
        const auto picture = loading->picture();
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(picture->width(), 1600);
        EXPECT_EQ(picture->height(), 1200);
        // Every row, once counted as arrived, is already the decoded one.
        int checked = 0;
        while (checked < picture->height()) {
            const int ready = loading->arrival()->ready();
            ASSERT_GE(ready, checked);
            for (; checked < ready; ++checked)
                ASSERT_TRUE(sameRow(*picture, whole.raster, checked)) << "row " << checked;
            if (loading->finished()) {
                ASSERT_EQ(loading->arrival()->ready(), picture->height());
            }
        }
        EXPECT_EQ(loading->wait(), "");
        EXPECT_EQ(loading->sourceBits(), 24);

        // The decoder itself sizes the picture before its first row and counts every row in:
        // what the window shows while the rest is decoded.
        Raster into;
        int bits = 0, sizedCalls = 0;
        RowArrival arrival;
        const std::string error = format.decodeInto(file, into, bits, arrival, [&] {
            ++sizedCalls;
            EXPECT_EQ(std::pair(into.width(), into.height()), std::pair(1600, 1200));
            EXPECT_EQ(arrival.ready(), 0);
        });
        EXPECT_EQ(error, "");
        EXPECT_EQ(sizedCalls, 1);
        EXPECT_EQ(arrival.ready(), 1200);
    }
}

TEST_F(PictureLoadingTest, FailuresAreToldBeforeOrAfterTheSize) {
    // The first half of a whole file.
    const auto cutHalf = [](const std::string& whole) {
        auto bytes = tracelle::testing::bytesOf(whole);
        bytes.resize(bytes.size() / 2);
        const std::string cut = path("cut-" + fs::path(whole).filename().string());
        tracelle::testing::writeBytes(cut, bytes);
        return cut;
    };
    // Whole JPEG, PNG and TIFF strips, written as the row tests write them.
    const auto formats = arrivingFormats();
    const std::string good = path("good.jpg"), png = path("good.png"), tif = path("good.tif");
    for (const auto& [i, file] : {std::pair{0, good}, std::pair{1, png}, std::pair{2, tif}})
        formats[i].write(pattern(300, 200), file);
    const std::string interlaced = path("interlaced.png");
    writePng(pattern(300, 200), interlaced, true);
    const std::string bmp = path("other.bmp");
    tracelle::testing::writeBytes(bmp, {'B', 'M', 0, 0});

    struct Case {
        const char* name;
        std::string path;
        bool sized;
        std::string error;
    } cases[] = {
        {"missing", path("none.jpg"), false, "fichier introuvable ou illisible"},
        {"cut JPEG, sized first", cutHalf(good), true, "fichier JPEG tronqué"},
        {"whole decoder's failure", bmp, false, decodeFile(bmp).error},
        {"whole JPEG", good, true, ""},
        {"cut PNG, sized first", cutHalf(png), true, "fichier PNG tronqué"},
        {"interlaced PNG, whole at the end", interlaced, true, ""},
        {"cut TIFF, sized first", cutHalf(tif), true,
         "TIFF : fichier endommagé ou tronqué (ligne 80)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto loading = PictureLoading::ofFile(c.path);
        EXPECT_EQ(loading->picture() != nullptr, c.sized);
        EXPECT_EQ(loading->wait(), c.error);
        EXPECT_TRUE(loading->finished());
    }
}

TEST(LayerArriving, ADrawnTileWaitsForItsRowsAndMarginTilesFollowTheRows) {
    SlowPicture slow(600, 520, 40, std::chrono::milliseconds(5));
    // Margins above and on the right: tiles of both picture and margin along the right edge.
    const Pixel teal = rgb555(0, 128, 128);
    Layer layer = Layer::over(slow.raster, 760, 560, 100, 40, teal, slow.arrival);
    const auto expected = [&](int x, int y) {
        return x >= 100 && x < 700 && y >= 40 ? patternAt(x - 100, y - 40) : teal;
    };
    const auto expectShown = [&](int x0, int y0, int x1, int y1) {
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                if (!(x == 300 && y == 200) && !(x == 650 && y == 400)) {
                    ASSERT_EQ(layer.pixel(x, y), expected(x, y)) << x << "," << y;
                }
    };
    // Drawing into a tile copies it from the picture: from its final rows, never the unwritten.
    for (const auto& [dx, dy] : {std::pair{300, 200}, std::pair{650, 400}}) {
        SCOPED_TRACE(dx);
        layer.setPixel(dx, dy, 0);
        const int tx = 100 + (dx - 100) / 256 * 256, ty = 40 + (dy - 40) / 256 * 256;
        expectShown(tx, ty, std::min(760, tx + 256), std::min(560, ty + 256));
    }
    // The rows shown grow with the rows taken in, and end with every pixel in place.
    int shown = layer.rowsArrived();
    EXPECT_GE(shown, 40);
    while (!slow.arrival->ended()) {
        const int now = layer.takeArrived();
        ASSERT_GE(now, shown);
        shown = now;
    }
    EXPECT_EQ(layer.takeArrived(), 560);
    EXPECT_EQ(layer.rowsArrived(), 560);
    expectShown(0, 0, 760, 560);
}

TEST(LayerArriving, TheViewLeavesOutTheRowsNotArrived) {
    auto raster = std::make_shared<Raster>(pattern(64, 64));
    auto arrival = std::make_shared<RowArrival>();
    arrival->arrived(20);
    const Layer layer = Layer::over(raster, 64, 64, 0, 0, 0, arrival);
    std::vector<std::uint32_t> target(64 * 64);
    const std::uint32_t outside = 0xFF123456u;
    stretchToRgb32(layer, nullptr, 0, 0, 63, 63, target.data(), 64, 64, 64, outside);
    for (int y = 0; y < 64; ++y) {
        SCOPED_TRACE(y);
        EXPECT_EQ(target[static_cast<std::size_t>(y) * 64 + 5],
                  y < 20 ? toRgb32(patternAt(5, y)) : outside);
    }
}

TEST(LayerArriving, TheOverviewFollowsTheRowsAndEndsAsOneBuiltAfter) {
    SlowPicture slow(900, 700, 64, std::chrono::milliseconds(3));
    const Layer arriving = Layer::over(slow.raster, 900, 700, 0, 0, 0, slow.arrival);
    Overview following;
    std::promise<void> built;
    following.build(arriving, [&built] { built.set_value(); });
    built.get_future().wait();

    const Layer whole = Layer::over(std::make_shared<Raster>(pattern(900, 700)), 900, 700, 0, 0, 0);
    Overview after;
    after.buildNow(whole);
    for (double factor : {4.0, 8.0, 16.0}) {
        SCOPED_TRACE(factor);
        int k1 = 0, k2 = 0;
        const Raster* a = following.levelFor(factor, &k1);
        const Raster* b = after.levelFor(factor, &k2);
        ASSERT_TRUE(a && b);
        ASSERT_EQ(k1, k2);
        for (int y = 0; y < b->height(); ++y)
            ASSERT_TRUE(sameRow(*a, *b, y)) << "level row " << y;
    }
}

// While the overview is built, the view shows each row whose level rows are made as it shows
// it once the overview is ready; at eight layer pixels a screen pixel, one level row a row.
TEST(LayerArriving, TheViewShowsTheOverviewRowsAlreadyMade) {
    const int w = 1600, h = 1200, tw = w / 8, th = h / 8;
    SlowPicture slow(w, h, 32, std::chrono::milliseconds(2));
    Layer arriving = Layer::over(slow.raster, w, h, 0, 0, 0, slow.arrival);
    Overview following;
    std::atomic<bool> built = false;
    following.build(arriving, [&built] { built = true; });
    const Layer whole = Layer::over(std::make_shared<Raster>(pattern(w, h)), w, h, 0, 0, 0);
    Overview after;
    after.buildNow(whole);
    std::vector<std::uint32_t> final(tw * th), view(tw * th);
    stretchToRgb32(whole, &after, 0, 0, w - 1, h - 1, final.data(), tw, tw, th, 0);
    const auto row = [tw](const std::vector<std::uint32_t>& t, int j) {
        return std::vector<std::uint32_t>(t.begin() + j * tw, t.begin() + (j + 1) * tw);
    };
    int halfMade = 0, kept = 0;
    while (!built) {
        int k = 0, made = 0;
        // Read before the view, which may show more rows, never fewer.
        if (following.levelSoFar(8.0, &k, &made)) {
            ASSERT_EQ(k, 3);
        }
        arriving.takeArrived();
        // Drawn again from the first row not final, as the window does while rows arrive.
        kept = stretchToRgb32(arriving, &following, 0, 0, w - 1, h - 1, view.data(), tw, tw, th, 0,
                              kept);
        for (int j = 0; j < std::min(made, th); ++j)
            ASSERT_EQ(row(view, j), row(final, j)) << "target row " << j << " of " << made;
        halfMade += made > 0 && made < th;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    EXPECT_GT(halfMade, 0) << "no view drawn while the overview was half made";
    EXPECT_EQ(
        stretchToRgb32(arriving, &following, 0, 0, w - 1, h - 1, view.data(), tw, tw, th, 0, kept),
        th);
    EXPECT_EQ(view, final);
}

// The first view, drawn from the rows arrived without an overview, and the view once the
// overview is ready: the same landmark at the same place, neither stretched nor shifted.
TEST(LayerArriving, TheFirstViewPlacesALandmarkAsTheFullView) {
    const int w = 4000, h = 3000, tw = 800, th = 600;
    auto raster = std::make_shared<Raster>(Raster::create(w, h));
    raster->fill(rgb555(255, 255, 255));
    struct Box {
        int x, y, size;
    };
    const Box boxes[] = {{2931, 1717, 40}, {10, 20, 30}, {3900, 2800, 60}};
    for (const Box& b : boxes)
        for (int y = b.y; y < b.y + b.size; ++y)
            std::fill(raster->row(y) + b.x, raster->row(y) + b.x + b.size, Pixel{0});
    const auto arrival = std::make_shared<RowArrival>();
    arrival->arrived(h);
    const Layer first = Layer::over(raster, w, h, 0, 0, 0, arrival);
    const Layer full = Layer::over(raster, w, h, 0, 0, 0);
    Overview overview;
    overview.buildNow(full);

    // The centre of the dark pixels in the target rectangle around a box, in target pixels.
    const auto centre = [&](const std::vector<std::uint32_t>& t, const Box& b) {
        double sx = 0, sy = 0, n = 0;
        for (int y = std::max(0, b.y * th / h - 20); y < std::min(th, (b.y + b.size) * th / h + 20);
             ++y)
            for (int x = std::max(0, b.x * tw / w - 20);
                 x < std::min(tw, (b.x + b.size) * tw / w + 20); ++x) {
                const double dark = 1.0 - (t[static_cast<std::size_t>(y) * tw + x] & 0xFF) / 255.0;
                sx += dark * (x + 0.5);
                sy += dark * (y + 0.5);
                n += dark;
            }
        return std::pair{sx / n, sy / n};
    };
    // The overview's first level, each pixel the average of its 4 × 4, as a reduced page of a
    // quarter a side standing in for rows that have not arrived.
    int k = 0;
    const auto reduced = std::make_shared<Raster>(overview.levelFor(4, &k)->copy());
    const auto none = std::make_shared<RowArrival>();
    none->showPreview({reduced, 1, 4, 1, 4});
    const Layer previewed = Layer::over(raster, w, h, 0, 0, 0, none);

    std::vector<std::uint32_t> b(tw * th);
    stretchToRgb32(full, &overview, 0, 0, w - 1, h - 1, b.data(), tw, tw, th, 0);
    for (const auto& [name, layer] :
         {std::pair{"rows arrived", &first}, std::pair{"reduced page", &previewed}}) {
        SCOPED_TRACE(name);
        std::vector<std::uint32_t> a(tw * th);
        stretchToRgb32(*layer, nullptr, 0, 0, w - 1, h - 1, a.data(), tw, tw, th, 0);
        for (const Box& box : boxes) {
            SCOPED_TRACE(box.x);
            const auto [ax, ay] = centre(a, box);
            const auto [bx, by] = centre(b, box);
            const double ex = (box.x + box.size / 2.0) * tw / w,
                         ey = (box.y + box.size / 2.0) * th / h;
            EXPECT_NEAR(ax, bx, 0.5) << "first " << ax << " full " << bx;
            EXPECT_NEAR(ay, by, 0.5) << "first " << ay << " full " << by;
            EXPECT_NEAR(bx, ex, 0.5);
            EXPECT_NEAR(by, ey, 0.5);
        }
    }
}

// A pyramid's reduced pages, however the file holds them: the largest that is cheap to decode
// stands in for the rows to come, and the full page is read as without it.
TEST_F(PictureLoadingTest, AReducedPageIsShownFirst) {
    // Pages large enough for the decoder's second thread, whose handle must read the same page.
    const Raster full = pattern(3072, 3072);
    const auto mark = [](int w) {
        Raster r = pattern(w, w);
        r.row(0)[0] = rgb555(255, 0, 255); // told apart from a decode of the full page
        return r;
    };
    // Too large (a quarter of the pixels), the one to show, and a thumbnail.
    const Raster half = mark(1536), quarter = mark(768), thumbnail = mark(64);
    struct Case {
        const char* name;
        bool subPages;
        int shown; // side of the page shown, 0 for none
    };
    for (const Case& c : {Case{"further pages", false, 768}, Case{"SubIFDs", true, 768},
                          Case{"no reduced page", false, 0}}) {
        SCOPED_TRACE(c.name);
        const std::string file = path("pyramid.tif");
        TIFF* t = TIFFOpen(file.c_str(), "w");
        ASSERT_NE(t, nullptr);
        writeTiffPage(t, full, 0, c.subPages ? 3 : 0);
        for (const Raster* page : {&half, &quarter, &thumbnail})
            if (c.shown > 0) writeTiffPage(t, *page, FILETYPE_REDUCEDIMAGE);
        TIFFClose(t);

        Raster into;
        int bits = 0;
        RowArrival arrival;
        ASSERT_EQ(decodeTiffInto(file, into, bits, arrival, [] {}), "");
        const Preview preview = arrival.preview();
        ASSERT_EQ(preview.raster != nullptr, c.shown > 0);
        for (int y = 0; y < into.height(); ++y)
            ASSERT_TRUE(sameRow(into, full, y)) << "row " << y;
        if (!preview.raster) continue;
        ASSERT_EQ(preview.raster->width(), c.shown);
        for (int y = 0; y < 3072; y += 7)
            for (int x = 0; x < 3072; x += 5)
                ASSERT_EQ(preview.at(x, y), quarter.pixel(x / 4, y / 4)) << x << "," << y;
    }
}

// Each early pass of an interlaced PNG shows as blocks of its pixels; the last pass makes the
// rows final from the top.
TEST_F(PictureLoadingTest, AnInterlacedPngShowsItsPassesAsBlocks) {
    const Raster whole = pattern(301, 203);
    const std::string file = path("passes.png");
    writePng(whole, file, true);
    Raster into;
    int bits = 0;
    RowArrival arrival;
    ASSERT_EQ(decodePngInto(file, into, bits, arrival, [] {}), "");
    EXPECT_EQ(arrival.ready(), 203);
    const Preview preview = arrival.preview();
    ASSERT_NE(preview.raster, nullptr);
    // The fourth pass: every other column of every fourth row.
    EXPECT_EQ(preview.raster->width(), 151);
    EXPECT_EQ(preview.raster->height(), 51);
    for (int y = 0; y < 203; ++y)
        for (int x = 0; x < 301; ++x)
            ASSERT_EQ(preview.at(x, y), whole.pixel(x / 2 * 2, y / 4 * 4)) << x << "," << y;
}

TEST(PictureLoadingEnd, WhenEndedIsCalledOnceWhetherTheEndIsToComeOrPast) {
    std::promise<void> gate;
    PictureLoading loading([held = gate.get_future().share()](Raster& into, int&, RowArrival&,
                                                              const std::function<void()>& sized) {
        into = Raster::create(4, 4);
        sized();
        held.wait();
        return std::string();
    });
    std::promise<bool> ended;
    loading.whenEnded([&] { ended.set_value(loading.finished()); });
    gate.set_value();
    EXPECT_TRUE(ended.get_future().get()) << "called once the rows have all arrived";
    int calls = 0;
    loading.whenEnded([&] { ++calls; });
    EXPECT_EQ(calls, 1) << "called at once after the end";
}
