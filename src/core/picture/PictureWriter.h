// The picture saves of the program: the kind of file chosen by its name.
#pragma once

#include "picture/RowSource.h"

#include <string>

namespace tracelle::picture {

// JPEG of quality 90 when the extension is .jpg or .jpeg in any case, BMP otherwise. "" on success,
// else the reason; an existing file is then left as it was.
std::string writeBmpOrJpeg(const RowSource& rows, const std::string& path);

} // namespace tracelle::picture
