#include "gis/GeoTiffExport.h"

#include "gis/CoordinateSystem.h"
#include "gis/GeoreferencedPicture.h"
#include "model/Project.h"
#include "picture/Decoder.h"

#include <array>
#include <cpl_error.h>
#include <filesystem>
#include <gdal.h>
#include <memory>
#include <vector>

namespace tracelle::gis {

namespace fs = std::filesystem;

namespace {

struct DatasetCloser {
    void operator()(void* d) const { GDALClose(d); }
};
using Dataset = std::unique_ptr<void, DatasetCloser>;

// Three bands of 8 bits, the picture's RGB555 widened as the view widens it.
Dataset memoryCopy(const picture::Raster& r) {
    GDALDriverH mem = GDALGetDriverByName("MEM");
    Dataset d(GDALCreate(mem, "", r.width(), r.height(), 3, GDT_Byte, nullptr));
    if (!d) return d;
    std::vector<std::uint8_t> band(static_cast<std::size_t>(r.width()));
    using Channel = std::uint8_t (*)(picture::Pixel);
    const std::array<Channel, 3> channels = {picture::red8, picture::green8, picture::blue8};
    for (int b = 0; b < 3; ++b) {
        GDALRasterBandH h = GDALGetRasterBand(d.get(), b + 1);
        for (int y = 0; y < r.height(); ++y) {
            const picture::Pixel* row = r.row(y);
            for (int x = 0; x < r.width(); ++x)
                band[static_cast<std::size_t>(x)] = channels[static_cast<std::size_t>(b)](row[x]);
            if (GDALRasterIO(h, GF_Write, 0, y, r.width(), 1, band.data(), r.width(), 1, GDT_Byte,
                             0, 0) != CE_None)
                return nullptr;
        }
    }
    return d;
}

} // namespace

std::string ecritGeoTiff(const model::Project& project, std::string_view system,
                         const std::string& out) {
    std::string why;
    const auto map = pictureMap(project, &why);
    if (!map) return why;
    const auto crs = CoordinateSystem::lit(system, &why);
    if (!crs) return why;
    const std::string wkt = crs->prjText();
    if (!crs->local() && wkt.empty())
        return "« " + crs->name() + " » ne s'écrit pas dans un GeoTIFF";
    const std::string& file = project.picture().file;
    const picture::Decoded decoded = picture::decodeFile(file);
    if (!decoded.ok()) return picture::decodeFailureMessage(file, decoded.error);

    GDALAllRegister();
    Dataset source = memoryCopy(decoded.raster);
    if (!source) return "Mémoire insuffisante pour l'image géoréférencée.";
    // GDAL counts from the corner of the upper-left pixel, the map from its centre.
    std::array<double, 6> g = {static_cast<double>(map->C - (map->A + map->B) / 2),
                               static_cast<double>(map->A),
                               static_cast<double>(map->B),
                               static_cast<double>(map->F - (map->D + map->E) / 2),
                               static_cast<double>(map->D),
                               static_cast<double>(map->E)};
    GDALSetGeoTransform(source.get(), g.data());
    if (!wkt.empty()) GDALSetProjection(source.get(), wkt.c_str());

    const std::string temporary = out + ".~tmp";
    CPLErrorReset();
    Dataset copy(GDALCreateCopy(GDALGetDriverByName("GTiff"), temporary.c_str(), source.get(),
                                FALSE, nullptr, nullptr, nullptr));
    const bool created = copy != nullptr;
    copy.reset(); // closing writes what the cache still holds
    const bool written = created && CPLGetLastErrorType() != CE_Failure;
    std::error_code error;
    if (written) fs::rename(temporary, out, error);
    if (!written || error) {
        fs::remove(temporary, error);
        return "Impossible d'écrire <" + out + ">";
    }
    return {};
}

} // namespace tracelle::gis
