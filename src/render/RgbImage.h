// Drawn pictures handed to the core's writers at their own depth, 8 bits a channel, a row at
// a time: the writer never holds the picture a second time.
#pragma once

#include "picture/Rgb24.h"

#include <QImage>

namespace tracelle::render {

// The rows of `image`, read as they are asked for; the image is shared, not copied, when it
// is RGB32 or RGB555.
picture::Rgb24Rows rowsOf(const QImage& image);

} // namespace tracelle::render
