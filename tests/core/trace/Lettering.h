// Labels of a map drawn as a scan shows them: real letters of a font, anti-aliased, over what
// is already on the sheet.
#pragma once

#include "picture/Raster.h"
#include "trace/Trace.h"

#include <string>

namespace tracelle::testing {

// `text` in a sans-serif font `pixels` high, centred on `centre`, blended over the raster by
// the share of each pixel the letters cover.
void letter(picture::Raster& r, const std::string& text, trace::PointF centre, int pixels,
            trace::Rgb colour);

} // namespace tracelle::testing
