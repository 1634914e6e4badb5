#include "picture/WebpCodec.h"

#include "picture/PixelRows.h"
#include "platform/Language.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <webp/decode.h>

namespace tracelle::picture {

namespace {

struct Bytes {
    std::unique_ptr<std::uint8_t[]> data;
    std::size_t size = 0;
};

// libwebp decodes from memory: the whole file, read at once.
bool readWhole(const std::string& path, Bytes& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    bool ok = std::fseek(file, 0, SEEK_END) == 0;
    const long size = ok ? std::ftell(file) : -1;
    ok = size >= 0 && std::fseek(file, 0, SEEK_SET) == 0;
    if (ok) {
        bytes.size = static_cast<std::size_t>(size);
        bytes.data = std::make_unique_for_overwrite<std::uint8_t[]>(bytes.size);
        ok = std::fread(bytes.data.get(), 1, bytes.size, file) == bytes.size;
    }
    std::fclose(file);
    return ok;
}

// The RIFF header names the file's length: fewer bytes than that is a file cut short, whatever
// libwebp makes of the bytes that are there.
bool cutShort(const Bytes& bytes) {
    if (bytes.size < 12) return true;
    const std::uint8_t* b = bytes.data.get();
    const std::uint64_t declared = b[4] | b[5] << 8 | b[6] << 16 | std::uint64_t{b[7]} << 24;
    return bytes.size < declared + 8;
}

std::string reason(VP8StatusCode status, const Bytes& bytes) {
    if (status == VP8_STATUS_NOT_ENOUGH_DATA || cutShort(bytes))
        return platform::translate("WebpCodec", "fichier WebP tronqué");
    switch (status) {
    case VP8_STATUS_OUT_OF_MEMORY:
        return platform::translate("WebpCodec", "WebP : mémoire insuffisante");
    case VP8_STATUS_UNSUPPORTED_FEATURE:
        return platform::translate("WebpCodec", "WebP : variante de WebP non reconnue");
    default:
        return platform::translate("WebpCodec", "WebP : fichier endommagé");
    }
}

// libwebp writes RGB565 with the byte of red first; the raster wants RGB555 words.
TRACELLE_VECTOR_CLONES void rgb565BytesTo555(Pixel* pixels, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        const auto bytes = static_cast<unsigned>(pixels[i]);
        const unsigned v = (bytes & 0xFFu) << 8 | bytes >> 8;
        pixels[i] = static_cast<Pixel>((v >> 1 & 0x7FE0u) | (v & 0x1Fu));
    }
}

void decodeOpaque(const Bytes& bytes, WebPDecoderConfig& config, Raster& raster,
                  VP8StatusCode& status) {
    // Straight into the raster: 5 bits of red and blue, 6 of green, of which one is dropped.
    config.output.colorspace = MODE_RGB_565;
    config.output.is_external_memory = 1;
    config.output.u.RGBA.rgba = reinterpret_cast<std::uint8_t*>(raster.data());
    config.output.u.RGBA.stride = static_cast<int>(raster.stride() * sizeof(Pixel));
    config.output.u.RGBA.size = raster.byteSize();
    status = WebPDecode(bytes.data.get(), bytes.size, &config);
    if (status == VP8_STATUS_OK) rgb565BytesTo555(raster.data(), raster.stride() * raster.height());
}

void decodeTransparent(const Bytes& bytes, WebPDecoderConfig& config, Raster& raster,
                       VP8StatusCode& status) {
    const std::size_t rowBytes = static_cast<std::size_t>(raster.width()) * 4;
    const std::size_t size = rowBytes * static_cast<std::size_t>(raster.height());
    const auto rgba = std::make_unique_for_overwrite<std::uint8_t[]>(size);
    config.output.colorspace = MODE_RGBA;
    config.output.is_external_memory = 1;
    config.output.u.RGBA.rgba = rgba.get();
    config.output.u.RGBA.stride = static_cast<int>(rowBytes);
    config.output.u.RGBA.size = size;
    status = WebPDecode(bytes.data.get(), bytes.size, &config);
    if (status != VP8_STATUS_OK) return;
    for (int y = 0; y < raster.height(); ++y)
        rgbaOverWhiteRowTo555(rgba.get() + rowBytes * static_cast<std::size_t>(y), raster.row(y),
                              raster.width());
}

} // namespace

Decoded decodeWebp(const std::string& path) {
    Bytes bytes;
    if (!readWhole(path, bytes))
        return failed(platform::translate("WebpCodec", "fichier WebP introuvable ou illisible"));
    if (bytes.size == 0) return failed(platform::translate("WebpCodec", "fichier WebP vide"));
    const bool riff = bytes.size >= 4 && std::memcmp(bytes.data.get(), "RIFF", 4) == 0;
    if (!riff || (bytes.size >= 12 && std::memcmp(bytes.data.get() + 8, "WEBP", 4) != 0))
        return failed(
            platform::translate("WebpCodec", "WebP : ce fichier n'est pas une image WebP"));

    WebPDecoderConfig config;
    if (!WebPInitDecoderConfig(&config))
        return failed(platform::translate("WebpCodec", "WebP : bibliothèque libwebp incompatible"));
    VP8StatusCode status = WebPGetFeatures(bytes.data.get(), bytes.size, &config.input);
    if (status != VP8_STATUS_OK) return failed(reason(status, bytes));
    if (config.input.has_animation)
        return failed(
            platform::translate("WebpCodec", "WebP : les images animées ne sont pas lues"));
    const bool alpha = config.input.has_alpha != 0;
    const int width = config.input.width, height = config.input.height;

    // A transparent picture needs its 8-bit samples beside the raster, for the white under it.
    const std::uint64_t rgbaBytes = alpha ? std::uint64_t{4} * static_cast<std::uint64_t>(width) *
                                                static_cast<std::uint64_t>(height)
                                          : 0;
    if (std::string refused = checkFitsInMemory(static_cast<std::uint64_t>(width),
                                                static_cast<std::uint64_t>(height), rgbaBytes);
        !refused.empty())
        return failed(std::move(refused));
    Decoded decoded;
    decoded.raster = Raster::create(width, height, &decoded.error);
    if (decoded.raster.empty()) return decoded;
    decoded.sourceBits = alpha ? 32 : 24;

    config.options.use_threads = 1; // the filtering of a lossy picture on the second core
    if (alpha)
        decodeTransparent(bytes, config, decoded.raster, status);
    else
        decodeOpaque(bytes, config, decoded.raster, status);
    if (status != VP8_STATUS_OK) return failed(reason(status, bytes));
    return decoded;
}

} // namespace tracelle::picture
