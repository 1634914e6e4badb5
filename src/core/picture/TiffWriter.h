// The TIFF files the picture conversion saves: little-endian and uncompressed, the picture in
// one strip right after the 8-byte header, then the resolution values, the Software text and
// the one directory. Readers that know only baseline TIFF open them.
#pragma once

#include "picture/Rgb24.h"
#include "picture/RowSource.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace tracelle::picture {

// The Software tag of our files: 10 characters (the tag stores them with a closing null).
inline constexpr char kTiffSoftware[] = "Tracelle 3";
static_assert(sizeof kTiffSoftware == 11);

// 87.7 pixels per inch in both directions, whatever resolution the picture was made for.
inline constexpr std::uint32_t kTiffResolution[2] = {877, 10};

enum class TiffForm {
    Rgb,      // three 8-bit samples a pixel: red, green, blue
    Palette8, // one 8-bit index a pixel into a palette of 256 colours
    Bilevel,  // one bit a pixel, most significant first, 0 black
};

struct TiffRows {
    TiffForm form = TiffForm::Rgb;
    int width = 0;
    int height = 0;
    // Row y (0 at the top) as stored: either `scratch` (tiffRowBytes long) filled, or memory of
    // the caller's own holding the same bytes.
    std::function<const std::uint8_t*(int y, std::uint8_t* scratch)> row;
    // Palette8 only: red, green and blue of each entry, entry after entry.
    std::array<std::uint8_t, 3 * 256> palette{};
};

std::size_t tiffRowBytes(TiffForm form, int width);

// "" on success, otherwise the reason; an existing file is then left as it was.
std::string writeTiff(const TiffRows& picture, const std::string& path);
std::string writeTiff(const Rgb24& picture, const std::string& path);
std::string writeTiff(const Rgb24Rows& rows, const std::string& path);
// RGB555 rows widened to 8 bits a channel, as the BMP and JPEG writers widen them.
std::string writeTiff(const RowSource& rows, const std::string& path);

} // namespace tracelle::picture
