// Pictures of the formats Qt reads (PNM, TGA, WebP, ICO...) for the formats the program's
// own codecs do not know.
#pragma once

#include "picture/Decoded.h"

#include <QImage>
#include <string>

namespace tracelle::ui {

picture::Decoded decodeWithQt(const std::string& path);
// A picture drawn here (a PDF page) in the program's own form.
picture::Decoded fromQImage(const QImage& image);

// The open dialogs' filter of every picture the program reads: its own codecs' and Qt's.
std::string filtreImages();

} // namespace tracelle::ui
