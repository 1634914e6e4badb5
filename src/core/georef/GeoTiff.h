// The position a GeoTIFF picture carries in its tags, read through libgeotiff.
#pragma once

#include "georef/Affine.h"

#include <memory>
#include <string>

struct tiff; // libtiff's TIFF

namespace tracelle::georef {

struct GeoTiffTags {
    bool found = false; // the picture is a TIFF with a tie point and scale, or a transformation
    Affine map;         // pixel centres, as world files count them
    std::string crs;    // "EPSG:32631 WGS 84 / UTM zone 31N", the file's citation, or empty
    std::string error;  // tags found but unusable
};

// Whether the file is a TIFF or a BigTIFF whose first directory names tie points or a
// transformation, or whose directory libtiff cannot read: only such a file may carry a
// position. Its first directory read, without libgeotiff.
bool mayCarryGeoTiffTags(const std::string& path);

// The file opened by libtiff, which tells nothing of what it meets; null when it cannot.
using QuietTiff = std::unique_ptr<tiff, void (*)(tiff*)>;
QuietTiff openTiffQuietly(const std::string& path);

// Nothing found for a file that is not a TIFF or has no such tags.
GeoTiffTags lit_geotiff(const std::string& path);

} // namespace tracelle::georef
