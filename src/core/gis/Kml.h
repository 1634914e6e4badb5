// KML 2.2, for viewing on a globe: one Placemark a line, named "Ligne L", in the line's colour
// and width, and one for each point that a line does not already show: a labelled point (named
// by its label) and a point alone (a line of one point, or a lone point between line breaks).
// Longitude and latitude on WGS 84.
#pragma once

#include "gis/Features.h"

#include <string>

namespace tracelle::gis {

// `f` already in longitude and latitude; `title` names the document. UTF-8.
std::string texteKml(const Features& f, const std::string& title);

} // namespace tracelle::gis
