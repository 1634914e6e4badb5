// PNG pictures through libpng, decoded straight into RGB555.
#pragma once

#include "picture/Decoded.h"

#include <string>

namespace tracelle::picture {

// Every colour type and bit depth, interlaced or not; transparency is laid over white.
Decoded decodePng(const std::string& path);

} // namespace tracelle::picture
