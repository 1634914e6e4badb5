// ESRI shapefiles through shapelib: the lines as a polyline layer, the points as a point layer
// with their attributes n, L, Libellé, Z; attributes in Windows-1252, the .prj from the system.
#pragma once

#include "gis/Features.h"
#include "gis/OutputFiles.h"

#include <string>
#include <vector>

namespace tracelle::gis {

// The path of each layer's .shp for the chosen name ("carte.shp" or "carte"): the lines in
// the chosen name, the points beside it.
struct ShapefileNames {
    std::string lines, points;
};
ShapefileNames nomsShapefile(const std::string& chosen);

struct ShapefileFiles {
    std::vector<OutputFile> files;
    int cutLabels = 0;
};

// The .shp, .shx and .dbf of both layers, with their .prj when `prj` is not empty.
ShapefileFiles fichiersShapefile(const Features& f, const std::string& prj,
                                 const ShapefileNames& names);

// "carte.shp" → "carte.prj": any of a shapefile's companion files.
std::string compagnon(const std::string& shp, const char* extension);

} // namespace tracelle::gis
