// A page of a PDF document opened as the background picture, drawn at a resolution.
#pragma once

#include "picture/Decoded.h"

#include <string>

namespace tracelle::ui {

bool isPdf(const std::string& path);
// The document's page count; 0 with the reason when it cannot be read.
int pdfPageCount(const std::string& path, std::string* error);
// Page `page` (from 1) at `dpi` pixels an inch, on white.
picture::Decoded decodePdfPage(const std::string& path, int page, int dpi);

} // namespace tracelle::ui
