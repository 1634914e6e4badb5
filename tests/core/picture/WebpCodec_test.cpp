#include "PixelCheck.h"
#include "picture/Decoder.h"
#include "picture/WebpCodec.h"
#include "support/TempFiles.h"
#include "support/WebpFile.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <webp/decode.h>

using namespace tracelle::picture;
using tracelle::testing::bytesOf;
using tracelle::testing::Rgba;
using tracelle::testing::writeWebp;

namespace {

class WebpCodecTest : public tracelle::testing::TempSuite<WebpCodecTest> {
public:
    static std::filesystem::path dir() { return tracelle::testing::tempFolder("tracelle_webp_"); }
};

// Smooth shading with a few sharp edges, every alpha from clear to opaque.
Rgba sample(int x, int y) {
    const bool road = std::abs(x - 2 * y) < 3;
    return {static_cast<std::uint8_t>(road ? 200 : x * 255 / 70),
            static_cast<std::uint8_t>(road ? 30 : y * 255 / 50),
            static_cast<std::uint8_t>(std::min(255, x + 2 * y)),
            static_cast<std::uint8_t>(x * 3 % 256)};
}

Pixel overWhite(Rgba p) {
    const auto over = [&](int c) {
        return static_cast<std::uint8_t>(std::lround(c * p.a / 255.0 + 255.0 * (1 - p.a / 255.0)));
    };
    return rgb555(over(p.r), over(p.g), over(p.b));
}

// The window and the tool read the file through the dispatch, by its content.
TEST_F(WebpCodecTest, LosslessGivesThePixelsBackAndTransparencyLiesOverWhite) {
    constexpr int W = 71, H = 53; // odd sizes: no row or column left out
    for (const bool alpha : {false, true}) {
        SCOPED_TRACE(alpha ? "with alpha" : "opaque");
        ASSERT_TRUE(writeWebp(path("carte.img"), W, H, sample, {.lossless = true, .alpha = alpha}));
        const Decoded d = decodeFile(path("carte.img"));
        ASSERT_TRUE(d.ok()) << d.error;
        EXPECT_EQ(d.sourceBits, alpha ? 32 : 24);
        tracelle::testing::expectPixels(d.raster, W, H, [&](int x, int y) {
            Rgba p = sample(x, y);
            if (!alpha) p.a = 255;
            return overWhite(p);
        });
    }
}

// Lossy: near the samples written, and exactly libwebp's own decoding cut to 5 bits a channel.
TEST_F(WebpCodecTest, LossyIsCloseAndExactlyWhatLibwebpDecodes) {
    constexpr int W = 97, H = 61;
    ASSERT_TRUE(writeWebp(path("photo.webp"), W, H, sample, {.lossless = false, .quality = 95}));
    const Decoded d = decodeFile(path("photo.webp"));
    ASSERT_TRUE(d.ok()) << d.error;
    ASSERT_EQ(d.raster.width(), W);
    ASSERT_EQ(d.raster.height(), H);

    const std::vector<char> file = bytesOf(path("photo.webp"));
    int width = 0, height = 0;
    std::uint8_t* rgb = WebPDecodeRGB(reinterpret_cast<const std::uint8_t*>(file.data()),
                                      file.size(), &width, &height);
    ASSERT_NE(rgb, nullptr);
    int wrong = 0;
    double error = 0;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const std::uint8_t* s = rgb + 3 * (static_cast<std::size_t>(y) * W + x);
            const Pixel got = d.raster.pixel(x, y);
            if (got != rgb555(s[0], s[1], s[2]) && wrong++ == 0)
                ADD_FAILURE() << "first pixel unlike libwebp's at " << x << ", " << y;
            const Rgba want = sample(x, y);
            error += std::abs(red8(got) - want.r) + std::abs(green8(got) - want.g) +
                     std::abs(blue8(got) - want.b);
        }
    WebPFree(rgb);
    EXPECT_EQ(wrong, 0);
    EXPECT_LT(error / (3.0 * W * H), 10.0) << "mean difference per channel";
}

TEST_F(WebpCodecTest, DamagedFilesAreRefusedWithTheirReason) {
    ASSERT_TRUE(writeWebp(path("entier.webp"), 120, 80, sample, {.lossless = false}));
    const std::vector<char> lossy = bytesOf(path("entier.webp"));
    ASSERT_TRUE(writeWebp(path("entier.webp"), 120, 80, sample, {.lossless = true, .alpha = true}));
    const std::vector<char> lossless = bytesOf(path("entier.webp"));
    const auto cut = [](const std::vector<char>& b, std::size_t keep) {
        return std::vector<char>(b.begin(), b.begin() + static_cast<long>(keep));
    };
    std::vector<char> scrambled = lossy;
    for (std::size_t i = 30; i < scrambled.size(); i += 3)
        scrambled[i] = static_cast<char>(scrambled[i] * 7 + 1);
    // An extended header that announces an animation, as a cartoon's file begins.
    const std::vector<char> animated = {'R', 'I', 'F', 'F', 22,  0,   0,  0,  'W', 'E',
                                        'B', 'P', 'V', 'P', '8', 'X', 10, 0,  0,   0,
                                        2,   0,   0,   0,   99,  0,   0,  99, 0,   0};
    const struct {
        const char* name;
        std::vector<char> bytes;
        const char* error;
    } cases[] = {
        {"lossy cut in half", cut(lossy, lossy.size() / 2), "fichier WebP tronqué"},
        {"lossy less its last byte", cut(lossy, lossy.size() - 1), "fichier WebP tronqué"},
        {"lossless cut in half", cut(lossless, lossless.size() / 2), "fichier WebP tronqué"},
        {"header only", cut(lossy, 12), "fichier WebP tronqué"},
        {"half a header", cut(lossy, 6), "fichier WebP tronqué"},
        {"lossy data scrambled", scrambled, "WebP : fichier endommagé"},
        {"an animation", animated, "WebP : les images animées ne sont pas lues"},
        {"a sound",
         {'R', 'I', 'F', 'F', 4, 0, 0, 0, 'W', 'A', 'V', 'E'},
         "WebP : ce fichier n'est pas une image WebP"},
        {"empty", {}, "fichier WebP vide"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        tracelle::testing::expectRefused(decodeWebp, path("abime.webp"), c.bytes, c.error);
    }
    EXPECT_EQ(decodeWebp(path("nulle-part.webp")).error, "fichier WebP introuvable ou illisible");
    // Through the dispatch, as the window and the tool open it, the reason is the same.
    tracelle::testing::writeBytes(path("coupe.webp"), cut(lossy, lossy.size() / 2));
    EXPECT_EQ(decodeFile(path("coupe.webp")).error, "fichier WebP tronqué");
}

} // namespace
