// DXF (AutoCAD 2000) through dxflib, in the native coordinates: a layer a line ("Ligne L", in
// its colour and width), one LWPOLYLINE a part of the line, the points as POINT entities at
// their altitude and their labels as TEXT beside them.
#pragma once

#include "gis/Features.h"

#include <string>

namespace tracelle::gis {

// Windows-1252, as the file's header says. `cutLabels` counts the labels cut to kLabelWidth.
std::string texteDxf(const Features& f, int* cutLabels);

// The layer of line L.
std::string calqueDxf(std::int32_t L);

} // namespace tracelle::gis
