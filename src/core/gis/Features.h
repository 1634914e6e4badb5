// The points and lines of a project as geometry: what every export for GIS and CAD writes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tracelle::model {
class Project;
}

namespace tracelle::gis {

struct FeaturePoint {
    double X, Y; // first: transformed in place, and handed to PROJ with a stride
    std::int32_t n, L;
    std::string label; // trimmed
    std::optional<double> Z;
};

// A run of consecutive points of one line, between two line breaks.
struct Part {
    std::size_t first, count; // in Features::points
};

struct FeatureLine {
    std::int32_t L;
    int width;               // pixels
    std::uint32_t colour;    // 0x00BBGGRR
    std::vector<Part> parts; // of two points or more; none for a line of single points
};

struct Features {
    std::vector<FeaturePoint> points; // in table order
    std::vector<FeatureLine> lines;   // every line with an exported point, by number
};

// The exported points (hidden lines passed over when `shownLinesOnly`). A line breaks where
// another line's point comes between two of its points in the table, as the map draws it.
// Nothing, and the conversion's message in `error`, when a cell cannot be read.
std::optional<Features> extrait(const model::Project& project, bool shownLinesOnly,
                                std::string* error);

// The longest label, in Windows-1252 bytes, that a shapefile's text field (dBASE: 254) and a
// DXF text (GIS and CAD programs read 256) hold; a longer label is written cut to it.
inline constexpr std::size_t kLabelWidth = 254;

// "#rrggbb" of a 0x00BBGGRR colour.
std::string couleurHtml(std::uint32_t colour);

} // namespace tracelle::gis
