// Windows metafiles to SVG through libwmf's SVG output.
#pragma once

#include "picture/MetafileHeader.h"

#include <QByteArray>
#include <cstdint>
#include <span>
#include <string>

namespace tracelle::render {

struct WmfSvg {
    QByteArray svg; // empty on failure, with `error` set
    // The picture's size in pixels: the placeable header's, or else libwmf's estimate from
    // the drawing's extent at 96 pixels per inch (it takes 72 units an inch for a drawing
    // under a million square units, 1440 above).
    int width = 0;
    int height = 0;
    std::string error;
};

// The drawing of the WMF `bytes`, whose header `header` has read. With a placeable header the
// viewport is its box, else the drawing's extent.
WmfSvg wmfToSvg(std::span<const std::uint8_t> bytes, const picture::MetafileHeader& header);

} // namespace tracelle::render
