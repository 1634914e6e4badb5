// What the windows call of the GIS formats lives in the module tracelle_gis, which links GDAL,
// PROJ, libgeotiff, shapelib and dxflib: the program starts without them and opens the module
// on the first export, written picture, typed system or GeoTIFF picture.
#pragma once

#include "georef/GeoTiff.h"
#include "georef/Georef.h"
#include "gis/CoordinateSystem.h"
#include "gis/GeoreferencedPicture.h"
#include "gis/GisExport.h"

#include <optional>
#include <string>
#include <string_view>

namespace tracelle::gis {

// The module's functions, the same as the core's of the same names.
struct GisModule {
    GisResult (*exporteSig)(const model::Project& project, const GisChoices& choices,
                            const std::string& path, const MayReplace& mayReplace);
    std::string (*ecritGeoTiff)(const model::Project& project, std::string_view system,
                                const std::string& out);
    GeoreferencedPicture (*ecritCalageImage)(const model::Project& project,
                                             std::string_view system);
    std::optional<CoordinateSystem> (*litSysteme)(std::string_view text, std::string* why);
    georef::GeoTiffTags (*lit_geotiff)(const std::string& path);
};

// The table the module hands out, through its one C function.
using GisModuleFunction = const GisModule*(); // tracelle_gis_functions, below
inline constexpr const char* kGisModuleName = "tracelle_gis";
inline constexpr const char* kGisModuleFunction = "tracelle_gis_functions";

// The module's table, opened at the first call; nullptr with the reason, in the user's
// language, when the module cannot be had.
const GisModule* module(std::string* why);

// CoordinateSystem::lit, local coordinates told without the module.
std::optional<CoordinateSystem> readSystem(std::string_view text, std::string* why);

// georef::calagePropre, the module opened only for a picture that may carry GeoTIFF tags. Tags
// that cannot be read for want of the module give a Calage with the reason.
std::optional<georef::Calage> ownCalibration(const std::string& picture, int w, int h);

} // namespace tracelle::gis

// Defined by the module alone.
extern "C" const tracelle::gis::GisModule* tracelle_gis_functions();
