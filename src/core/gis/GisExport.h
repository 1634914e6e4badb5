// The export of a project's lines and points for GIS and CAD programs: GeoJSON, KML,
// ESRI Shapefile or DXF, in the coordinate system the user names.
#pragma once

#include <functional>
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
    bool declined = false;            // the user kept the files already there: nothing written
    std::vector<std::string> written; // the files, main file first
    int lines = 0;                    // line features (lines of two points or more)
    int points = 0;
    int cutLabels = 0; // shapefile and DXF: labels longer than kLabelWidth, written cut
};

// What the user is told of `count` labels written cut in `format` (the file is written).
std::string cutLabelsText(int count, Format format);

// Asked, before anything is written, with the files already there that the export would
// replace or remove besides the chosen one (a shapefile's companions); false keeps them all.
using MayReplace = std::function<bool(const std::vector<std::string>& existing)>;

// Writes the export to `path` (for a shapefile, the line layer; the point layer and the
// companion files beside it). Without `mayReplace`, files already there are replaced.
GisResult exporteSig(const model::Project& project, const GisChoices& choices,
                     const std::string& path, const MayReplace& mayReplace = {});

} // namespace tracelle::gis
