// GeoTIFF pictures for the tests, written through libtiff and libgeotiff: a grey picture
// with a tie point and a pixel scale, or a transformation matrix, and an EPSG code.
#pragma once

#include <array>
#include <geotiff/geotiff.h>
#include <geotiff/geovalues.h>
#include <geotiff/xtiffio.h>
#include <optional>
#include <string>
#include <tiffio.h>
#include <vector>

namespace tracelle::testing {

struct GeoTiffSpec {
    int width = 40;
    int height = 30;
    // Raster (I, J) at model (X, Y), and the pixel scale; or a transformation.
    std::array<double, 6> tiePoint{};
    std::array<double, 3> scale{};
    std::optional<std::array<double, 16>> transformation{};
    bool pixelIsPoint = false;
    unsigned short epsg = 0; // projected system, none when 0
    const char* mode = "w";  // libtiff's: "wb" big-endian, "w8" BigTIFF
};

// True when written.
inline bool writeGeoTiff(const std::string& path, const GeoTiffSpec& s) {
    TIFF* tif = XTIFFOpen(path.c_str(), s.mode);
    if (!tif) return false;
    TIFFSetField(tif, TIFFTAG_IMAGEWIDTH, s.width);
    TIFFSetField(tif, TIFFTAG_IMAGELENGTH, s.height);
    TIFFSetField(tif, TIFFTAG_BITSPERSAMPLE, 8);
    TIFFSetField(tif, TIFFTAG_SAMPLESPERPIXEL, 1);
    TIFFSetField(tif, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_MINISBLACK);
    TIFFSetField(tif, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
    TIFFSetField(tif, TIFFTAG_ROWSPERSTRIP, s.height);
    if (s.transformation) {
        TIFFSetField(tif, TIFFTAG_GEOTRANSMATRIX, 16, s.transformation->data());
    } else {
        TIFFSetField(tif, TIFFTAG_GEOTIEPOINTS, 6, s.tiePoint.data());
        TIFFSetField(tif, TIFFTAG_GEOPIXELSCALE, 3, s.scale.data());
    }
    GTIF* gtif = GTIFNew(tif);
    GTIFKeySet(gtif, GTModelTypeGeoKey, TYPE_SHORT, 1, ModelTypeProjected);
    GTIFKeySet(gtif, GTRasterTypeGeoKey, TYPE_SHORT, 1,
               s.pixelIsPoint ? RasterPixelIsPoint : RasterPixelIsArea);
    if (s.epsg) GTIFKeySet(gtif, ProjectedCSTypeGeoKey, TYPE_SHORT, 1, s.epsg);
    GTIFWriteKeys(gtif);
    GTIFFree(gtif);
    std::vector<unsigned char> row(static_cast<std::size_t>(s.width));
    bool ok = true;
    for (int y = 0; y < s.height && ok; ++y) {
        for (int x = 0; x < s.width; ++x)
            row[static_cast<std::size_t>(x)] = static_cast<unsigned char>((x * 7 + y * 3) & 0xFF);
        ok = TIFFWriteScanline(tif, row.data(), static_cast<std::uint32_t>(y), 0) == 1;
    }
    XTIFFClose(tif);
    return ok;
}

} // namespace tracelle::testing
