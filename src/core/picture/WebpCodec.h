// WebP pictures through libwebp, lossy or lossless, decoded straight into RGB555.
#pragma once

#include "picture/Decoded.h"

#include <string>

namespace tracelle::picture {

// Still pictures only; transparency is laid over white.
Decoded decodeWebp(const std::string& path);

} // namespace tracelle::picture
