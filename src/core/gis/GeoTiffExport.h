// The project's picture written as a GeoTIFF for GIS programs: its own pixels, placed by the
// calibration, with the coordinate system's keys.
#pragma once

#include <string>
#include <string_view>

namespace tracelle::model {
class Project;
}

namespace tracelle::gis {

// The picture at `out`, on linear axes: its own pixels for an affine or Helmert fit, resampled
// onto a north-up grid for the others. `system` as the GIS export takes it ("aucun": no
// system keys). "" or the reason; a failed write leaves a previous `out` whole.
std::string ecritGeoTiff(const model::Project& project, std::string_view system,
                         const std::string& out);

} // namespace tracelle::gis
