// The export of a project's lines and points for GIS and CAD programs: GeoJSON, KML,
// ESRI Shapefile or DXF, in the coordinate system the user names.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tracelle::model {
class Project;
}

namespace tracelle::gis {

enum class Format { GeoJson, Kml, Shapefile, Dxf };

// "geojson", "kml", "shp", "dxf"; nothing for another name.
std::optional<Format> formatNomme(std::string_view name);
// What the user sees: "GeoJSON", "KML", "Shapefile", "DXF".
const char* nomFormat(Format format);
// "geojson", "kml", "shp", "dxf".
const char* extensionFormat(Format format);
// GeoJSON and KML: longitude and latitude on WGS 84, which local coordinates cannot give.
bool enLongitudeLatitude(Format format);

struct GisChoices {
    Format format = Format::GeoJson;
    std::string system = "aucun"; // as CoordinateSystem::lit reads it
    bool shownLinesOnly = true;
};

struct GisResult {
    std::string error;                // why nothing was written
    std::vector<std::string> written; // the files, main file first
    int lines = 0;                    // line features (lines of two points or more)
    int points = 0;
};

// Writes the export to `path` (for a shapefile, the line layer; the point layer and the
// companion files beside it).
GisResult exporteSig(const model::Project& project, const GisChoices& choices,
                     const std::string& path);

} // namespace tracelle::gis
