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
    // The picture's size in pixels as the descriptor states it; 0 when it states none.
    int width = 0;
    int height = 0;
    bool ok() const { return error.empty(); }
};

// "=> Charger un *.TAB MapInfo": the picture named after "File", within the descriptor's
// folder, and the three control points after "Type", whose pixel (0, 0) is the picture's
// corner, as MapInfo and GDAL read them.
Calage lit_tab(const std::string& path);
// "=> Charger  un fichier *.hdr ARC/INFO ": the picture of the same name (.BMP, .JPG, .TIF),
// its size, its pixel size and its place, with the meaning ESRI gives the keys.
Calage lit_hdr(const std::string& path);

struct GeoTiffTags;
// Reads a picture's GeoTIFF tags: lit_geotiff, or the same through the GIS module.
using GeoTiffReader = GeoTiffTags (*)(const std::string& picture);

// The picture's own calibration, from its GeoTIFF tags or else a world file beside it, for a
// picture of w × h pixels; nothing when it has none. A world file or tags that cannot be
// used give a Calage with its error. `readTags` is called only for a picture that
// mayCarryGeoTiffTags.
std::optional<Calage> calagePropre(const std::string& picture, int w, int h,
                                   GeoTiffReader readTags);
// The same, the tags read here with libgeotiff.
std::optional<Calage> calagePropre(const std::string& picture, int w, int h);

// Why the calibration does not belong to a picture of w × h pixels; empty when it may.
std::string sizeMismatch(const Calage& calage, int w, int h);

// The calibration points moved by the picture's offset in the canvas, and written.
void appliqueCalage(model::Project& project, const Calage& calage);

} // namespace tracelle::georef
