// WebP pictures written by libwebp itself, for the tests of the decoder and of its callers.
#pragma once

#include "picture/Raster.h"

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>
#include <webp/encode.h>
#include <webp/mux.h>

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

// An animation of `width` × `height`, one plain frame a colour, 100 ms each.
inline bool writeAnimatedWebp(const std::string& path, int width, int height,
                              const std::vector<Rgba>& frames) {
    WebPAnimEncoderOptions options;
    WebPConfig config;
    if (!WebPAnimEncoderOptionsInit(&options) || !WebPConfigInit(&config)) return false;
    config.lossless = 1;
    WebPAnimEncoder* encoder = WebPAnimEncoderNew(width, height, &options);
    bool ok = encoder != nullptr;
    int timestamp = 0;
    for (const Rgba& colour : frames) {
        WebPPicture frame;
        ok = ok && WebPPictureInit(&frame);
        frame.use_argb = 1;
        frame.width = width;
        frame.height = height;
        ok = ok && WebPPictureAlloc(&frame);
        for (int i = 0; ok && i < width * height; ++i)
            frame.argb[i] = 0xFF000000u | colour.r << 16 | colour.g << 8 | colour.b;
        ok = ok && WebPAnimEncoderAdd(encoder, &frame, timestamp, &config);
        WebPPictureFree(&frame);
        timestamp += 100;
    }
    WebPData data;
    WebPDataInit(&data);
    ok = ok && WebPAnimEncoderAdd(encoder, nullptr, timestamp, nullptr) &&
         WebPAnimEncoderAssemble(encoder, &data);
    if (std::FILE* f = ok ? std::fopen(path.c_str(), "wb") : nullptr) {
        ok = std::fwrite(data.bytes, 1, data.size, f) == data.size;
        ok = std::fclose(f) == 0 && ok;
    }
    WebPDataClear(&data);
    WebPAnimEncoderDelete(encoder);
    return ok;
}

// A raster written as a lossless WebP: the same pixels come back.
inline bool writeWebp(const std::string& path, const picture::Raster& raster) {
    return writeWebp(path, raster.width(), raster.height(), [&raster](int x, int y) {
        const picture::Pixel p = raster.pixel(x, y);
        return Rgba{picture::red8(p), picture::green8(p), picture::blue8(p), 255};
    });
}

} // namespace tracelle::testing
