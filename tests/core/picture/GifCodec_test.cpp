#include "PixelCheck.h"
#include "picture/GifCodec.h"
#include "support/TempFiles.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <gif_lib.h>
#include <gtest/gtest.h>
#include <unistd.h>
#include <vector>

using namespace tracelle::picture;
namespace fs = std::filesystem;

namespace {

using Colours = std::vector<GifColorType>;

struct Frame {
    int left, top, width, height;
    std::function<int(int, int)> index; // colour index at a frame pixel
    bool interlaced = false;
    Colours local = {};
    int transparent = NO_TRANSPARENT_COLOR;
};

struct Gif {
    int width, height, background;
    Colours global;
    std::vector<Frame> frames;
};

// 32 distinct colours: one a row shows a row out of place.
Colours ramp(int shift) {
    Colours colours;
    for (int i = 0; i < 32; ++i) {
        const int k = (i + shift) % 32;
        colours.push_back({static_cast<GifByteType>(8 * k), static_cast<GifByteType>(255 - 8 * k),
                           static_cast<GifByteType>(k * 97 % 256)});
    }
    return colours;
}

Pixel colourOf(const Colours& map, int index) {
    const GifColorType& c = map[static_cast<std::size_t>(index)];
    return rgb555(c.Red, c.Green, c.Blue);
}

void writeGif(const std::string& path, const Gif& g) {
    int error = 0;
    GifFileType* gif = EGifOpenFileName(path.c_str(), false, &error);
    ASSERT_NE(gif, nullptr);
    const auto makeMap = [](const Colours& c) {
        return c.empty() ? nullptr : GifMakeMapObject(static_cast<int>(c.size()), c.data());
    };
    ColorMapObject* global = makeMap(g.global);
    EGifSetGifVersion(gif, true);
    EGifPutScreenDesc(gif, g.width, g.height, 8, g.background, global);
    for (const Frame& f : g.frames) {
        if (f.transparent != NO_TRANSPARENT_COLOR) {
            GraphicsControlBlock gcb{DISPOSAL_UNSPECIFIED, false, 0, f.transparent};
            GifByteType extension[4];
            EGifGCBToExtension(&gcb, extension);
            EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, extension);
        }
        ColorMapObject* local = makeMap(f.local);
        EGifPutImageDesc(gif, f.left, f.top, f.width, f.height, f.interlaced, local);
        GifFreeMapObject(local);
        std::vector<int> order; // rows in the order they are stored
        for (const auto& [start, step] :
             f.interlaced ? std::vector<std::pair<int, int>>{{0, 8}, {4, 8}, {2, 4}, {1, 2}}
                          : std::vector<std::pair<int, int>>{{0, 1}})
            for (int y = start; y < f.height; y += step)
                order.push_back(y);
        std::vector<GifPixelType> line(static_cast<std::size_t>(f.width));
        for (int y : order) {
            for (int x = 0; x < f.width; ++x)
                line[static_cast<std::size_t>(x)] = static_cast<GifPixelType>(f.index(x, y));
            EGifPutLine(gif, line.data(), f.width);
        }
    }
    EGifCloseFile(gif, &error);
    GifFreeMapObject(global);
}

using tracelle::testing::bytesOf;
using tracelle::testing::writeBytes;

class GifCodecTest : public tracelle::testing::TempSuite<GifCodecTest> {
public:
    static fs::path dir() { return tracelle::testing::tempFolder("tracelle_gif_"); }
};

TEST_F(GifCodecTest, FirstFrameOnTheBackgroundOfTheScreen) {
    const Colours global = ramp(0), local = ramp(16);
    const Pixel white = rgb555(255, 255, 255);
    const auto diagonal = [](int x, int y) { return (x + 2 * y) % 32; };
    const auto byRow = [](int, int y) { return y % 32; };
    // A diagonal frame through `map`, `outside` elsewhere on the screen.
    const auto framed = [&](int left, int top, int w, int h, const Colours& map, Pixel outside) {
        return [=, &map](int x, int y) {
            const bool inside = x >= left && x < left + w && y >= top && y < top + h;
            return inside ? colourOf(map, diagonal(x - left, y - top)) : outside;
        };
    };
    const struct {
        const char* name;
        Gif gif;
        // The colour expected at x, y of the screen, given the frame drawn there.
        std::function<Pixel(int, int)> expected;
        // Kept a byte a pixel unless the screen outside the frame shows a colour that is not
        // in the frame's palette.
        bool indexed = true;
    } cases[] = {
        {"offset frame with a transparent colour, then a second frame",
         {12, 10, 5, global, {{3, 2, 5, 4, diagonal, false, {}, 7}, {0, 0, 12, 10, byRow}}},
         [&](int x, int y) {
             const bool inside = x >= 3 && x < 8 && y >= 2 && y < 6;
             const int i = inside ? diagonal(x - 3, y - 2) : 5;
             return colourOf(global, i == 7 ? 5 : i);
         }},
        {"interlaced frame",
         {7, 19, 0, global, {{0, 0, 7, 19, byRow, true}}},
         [&](int x, int y) { return colourOf(global, byRow(x, y)); }},
        {"local palette over the global one",
         {6, 5, 1, global, {{1, 1, 4, 3, diagonal, false, local}}},
         framed(1, 1, 4, 3, local, colourOf(global, 1))},
        {"local palette only: white background",
         {6, 5, 1, {}, {{1, 1, 4, 3, diagonal, false, local}}},
         framed(1, 1, 4, 3, local, white),
         false},
        {"frame overhanging the screen",
         {10, 8, 2, global, {{6, 5, 8, 6, diagonal}}},
         framed(6, 5, 8, 6, global, colourOf(global, 2))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeGif(path("fixture.gif"), c.gif);
        const Decoded d = decodeGif(path("fixture.gif"));
        ASSERT_TRUE(d.ok()) << d.error;
        EXPECT_EQ(d.sourceBits, 8);
        EXPECT_EQ(d.raster.indexed(), c.indexed);
        tracelle::testing::expectPixels(d.raster, c.gif.width, c.gif.height, c.expected);
    }
}

TEST_F(GifCodecTest, BrokenFilesFailCleanly) {
    writeGif(path("good.gif"),
             {64, 64, 0, ramp(0), {{0, 0, 64, 64, [](int x, int y) { return (x * y) % 32; }}}});
    const std::vector<char> good = bytesOf(path("good.gif"));
    // giflib does not write a file without any palette: drop the global one from a good file.
    writeGif(path("two.gif"),
             {4, 4, 0, {{0, 0, 0}, {255, 255, 255}}, {{0, 0, 4, 4, [](int, int) { return 1; }}}});
    std::vector<char> noPalette = bytesOf(path("two.gif"));
    ASSERT_EQ(noPalette[10] & 0x80, 0x80);
    noPalette[10] = 0;
    noPalette.erase(noPalette.begin() + 13, noPalette.begin() + 13 + 2 * 3);
    const struct {
        const char* name;
        std::vector<char> bytes;
        const char* error;
    } cases[] = {
        {"cut in the image data",
         {good.begin(), good.begin() + good.size() / 2},
         "fichier GIF tronqué"},
        {"palette cut short", {good.begin(), good.begin() + 20}, "fichier GIF tronqué"},
        {"no palette at all", noPalette, "GIF : pas de palette"},
        {"empty", {}, "fichier GIF vide"},
        {"not a GIF",
         {'\x89', 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13},
         "GIF : ce fichier n'est pas une image GIF"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        tracelle::testing::expectRefused(decodeGif, path("broken.gif"), c.bytes, c.error);
    }
    EXPECT_FALSE(decodeGif(path("nowhere.gif")).error.empty());
}

} // namespace
