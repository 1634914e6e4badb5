// GIF pictures through giflib, kept a byte a pixel with their palette.
#pragma once

#include "picture/Decoded.h"

#include <string>

namespace tracelle::picture {

// The first frame only, drawn on the logical screen filled with the background colour.
Decoded decodeGif(const std::string& path);

} // namespace tracelle::picture
