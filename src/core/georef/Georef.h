// Pictures that arrive with their own position: a MapInfo .TAB, an ARC/INFO .hdr, a world
// file beside the picture, GeoTIFF tags. Each gives the three calibration points of the
// picture, read and checked whole before the project is touched.
#pragma once

#include "model/Project.h"

#include <array>
#include <optional>
#include <string>

namespace tracelle::georef {

struct Calage {
    std::string picture; // the picture to open
    // Pixels of the picture, before its offset in the canvas is added.
    std::array<model::CalibrationPoint, 3> points;
    std::string source; // what the calibration comes from, for the messages: a file name
    std::string crs;    // the coordinate system when the picture tells it; else empty
    std::string error;  // the message to show; empty when the calibration can be used
    bool ok() const { return error.empty(); }
};

// "=> Charger un *.TAB MapInfo": the picture named after "File", the three control points
// after "Type".
Calage lit_tab(const std::string& path);
// "=> Charger  un fichier *.hdr ARC/INFO ": the picture of the same name (.BMP, .JPG, .TIF),
// the corner and the pixel size.
Calage lit_hdr(const std::string& path);

// The picture's own calibration, from its GeoTIFF tags or else a world file beside it, for a
// picture of w × h pixels; nothing when it has none. A world file or tags that cannot be
// used give a Calage with its error.
std::optional<Calage> calagePropre(const std::string& picture, int w, int h);

// The calibration points moved by the picture's offset in the canvas, and written.
void appliqueCalage(model::Project& project, const Calage& calage);

} // namespace tracelle::georef
