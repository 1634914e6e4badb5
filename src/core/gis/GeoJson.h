// GeoJSON (RFC 7946): a FeatureCollection of the lines (LineString, MultiLineString where the
// line breaks) and of the points, in longitude and latitude on WGS 84.
#pragma once

#include "gis/Features.h"

#include <string>

namespace tracelle::gis {

// `f` already in longitude and latitude. UTF-8.
std::string texteGeoJson(const Features& f);

} // namespace tracelle::gis
