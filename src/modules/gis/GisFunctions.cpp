// The module tracelle_gis: the GIS formats with their libraries, for the window program that
// opens it on first use (gis/GisModule.h).
#include "gis/GeoTiffExport.h"
#include "gis/GisModule.h"

extern "C" const tracelle::gis::GisModule* tracelle_gis_functions() {
    using namespace tracelle;
    static constexpr gis::GisModule table{gis::exporteSig, gis::ecritGeoTiff, gis::ecritCalageImage,
                                          gis::CoordinateSystem::lit, georef::lit_geotiff};
    return &table;
}
