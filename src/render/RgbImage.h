// Drawn pictures handed to the core's writers at their own depth, 8 bits a channel.
#pragma once

#include "picture/Rgb24.h"

#include <QImage>

namespace tracelle::render {

picture::Rgb24 toRgb24(const QImage& image);

} // namespace tracelle::render
