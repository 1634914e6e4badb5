// Enhanced metafiles to SVG through libemf2svg.
#pragma once

#include "picture/MetafileHeader.h"

#include <QByteArray>
#include <cstdint>
#include <span>
#include <string>

namespace tracelle::render {

// The drawing of the EMF `bytes`, whose header `header` has read, as an SVG document whose
// viewport is the picture frame. Empty with `error` set when libemf2svg fails.
QByteArray emfToSvg(std::span<const std::uint8_t> bytes, const picture::MetafileHeader& header,
                    std::string* error);

} // namespace tracelle::render
