#include "georef/GeoTiff.h"

#include "georef/Georef.h"
#include "platform/Language.h"

#include <cstdint>
#include <geotiff/geo_normalize.h>
#include <geotiff/geotiff.h>
#include <geotiff/geovalues.h>
#include <geotiff/xtiffio.h>
#include <memory>
#include <mutex>
#include <tiffio.h>

namespace tracelle::georef {

namespace {

struct GtifFreer {
    void operator()(GTIF* g) const { GTIFFree(g); }
};

std::string codeName(GTIF* gtif, geokey_t key, bool projected) {
    unsigned short code = 0;
    if (GTIFKeyGet(gtif, key, &code, 0, 1) != 1 || code == 0 || code == KvUserDefined) return {};
    std::string text = "EPSG:" + std::to_string(code);
    char* name = nullptr;
    const int found = projected ? GTIFGetPCSInfo(code, &name, nullptr, nullptr, nullptr)
                                : GTIFGetGCSInfo(code, &name, nullptr, nullptr, nullptr);
    if (found && name) text += std::string(" ") + name;
    GTIFFreeMemory(name);
    return text;
}

std::string citation(GTIF* gtif) {
    for (const geokey_t key : {PCSCitationGeoKey, GTCitationGeoKey, GeogCitationGeoKey}) {
        char text[512] = {};
        if (GTIFKeyGetASCII(gtif, key, text, sizeof text) > 0 && text[0]) return text;
    }
    return {};
}

} // namespace

GeoTiffTags lit_geotiff(const std::string& path) {
    GeoTiffTags g;
    static std::once_flag tags;
    std::call_once(tags, XTIFFInitialize); // libgeotiff's tags known to libtiff
    const QuietTiff tif = openTiffQuietly(path);
    if (!tif) return g;
    const std::unique_ptr<GTIF, GtifFreer> gtif(GTIFNew(tif.get()));
    if (!gtif) return g;

    // Pixel centres: half a pixel in from the corner the tie point names, unless the raster
    // says its values are points.
    unsigned short rasterType = RasterPixelIsArea;
    GTIFKeyGet(gtif.get(), GTRasterTypeGeoKey, &rasterType, 0, 1);
    const model::Real r = rasterType == RasterPixelIsPoint ? 0 : 0.5L;
    // The tags themselves rather than libgeotiff's conversion of three pixels: their
    // differences would lose the digits of a scale against coordinates of millions.
    std::uint16_t nMatrix = 0, nTie = 0, nScale = 0;
    double* m = nullptr;
    double* tie = nullptr;
    double* scale = nullptr;
    const bool hasMatrix = TIFFGetField(tif.get(), TIFFTAG_GEOTRANSMATRIX, &nMatrix, &m);
    const bool hasTie = TIFFGetField(tif.get(), TIFFTAG_GEOTIEPOINTS, &nTie, &tie) && nTie >= 6;
    const bool hasScale =
        TIFFGetField(tif.get(), TIFFTAG_GEOPIXELSCALE, &nScale, &scale) && nScale >= 2;
    if (hasMatrix && nMatrix >= 16) {
        const model::Real M[8] = {m[0], m[1], m[2], m[3], m[4], m[5], m[6], m[7]};
        g.map = {M[0], M[4], M[1], M[5], (M[0] + M[1]) * r + M[3], (M[4] + M[5]) * r + M[7]};
    } else if (hasTie && hasScale) {
        const model::Real sx = scale[0], sy = scale[1];
        g.map = {sx, 0, 0, -sy, tie[3] + (r - tie[0]) * sx, tie[4] - (r - tie[1]) * sy};
    } else if (hasMatrix) {
        g.found = true;
        g.error =
            platform::fill(platform::translate("GeoTiff", "matrice de transformation GeoTIFF "
                                                          "incomplète (%1 valeurs au lieu de 16)"),
                           {std::to_string(nMatrix)});
        return g;
    } else if (hasTie) {
        g.found = true;
        g.error = platform::translate("GeoTiff", "image GeoTIFF calée par des points d'appui sans "
                                                 "échelle ni transformation : ce calage n'est pas "
                                                 "pris en charge");
        return g;
    } else {
        return g;
    }
    g.found = true;

    g.crs = codeName(gtif.get(), ProjectedCSTypeGeoKey, true);
    if (g.crs.empty()) g.crs = codeName(gtif.get(), GeographicTypeGeoKey, false);
    if (g.crs.empty()) g.crs = citation(gtif.get());
    return g;
}

std::optional<Calage> calagePropre(const std::string& picture, int w, int h) {
    return calagePropre(picture, w, h, lit_geotiff);
}

} // namespace tracelle::georef
