// WebP pictures written by libwebp itself, for the tests of the decoder and of its callers.
#pragma once

#include "picture/Raster.h"

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>
#include <webp/encode.h>

namespace tracelle::testing {

struct Rgba {
    std::uint8_t r, g, b, a;
};

struct WebpOptions {
    bool lossless = true;
    float quality = 90; // lossy only
    bool alpha = false; // the samples' alpha written, else an opaque picture
};

// The picture of `width` × `height` whose pixel (x, y) is `at(x, y)`; false when libwebp or the
// file refuses.
inline bool writeWebp(const std::string& path, int width, int height,
                      const std::function<Rgba(int x, int y)>& at, WebpOptions options = {}) {
    const int channels = options.alpha ? 4 : 3;
    std::vector<std::uint8_t> samples;
    samples.reserve(static_cast<std::size_t>(width) * height * channels);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const Rgba p = at(x, y);
            samples.insert(samples.end(), {p.r, p.g, p.b});
            if (options.alpha) samples.push_back(p.a);
        }
    const int stride = width * channels;
    std::uint8_t* encoded = nullptr;
    std::size_t size = 0;
    if (options.lossless)
        size = options.alpha
                   ? WebPEncodeLosslessRGBA(samples.data(), width, height, stride, &encoded)
                   : WebPEncodeLosslessRGB(samples.data(), width, height, stride, &encoded);
    else
        size =
            options.alpha
                ? WebPEncodeRGBA(samples.data(), width, height, stride, options.quality, &encoded)
                : WebPEncodeRGB(samples.data(), width, height, stride, options.quality, &encoded);
    bool written = false;
    if (std::FILE* f = size ? std::fopen(path.c_str(), "wb") : nullptr) {
        written = std::fwrite(encoded, 1, size, f) == size;
        written = std::fclose(f) == 0 && written;
    }
    WebPFree(encoded);
    return written;
}

// A raster written as a lossless WebP: the same pixels come back.
inline bool writeWebp(const std::string& path, const picture::Raster& raster) {
    return writeWebp(path, raster.width(), raster.height(), [&raster](int x, int y) {
        const picture::Pixel p = raster.pixel(x, y);
        return Rgba{picture::red8(p), picture::green8(p), picture::blue8(p), 255};
    });
}

} // namespace tracelle::testing
