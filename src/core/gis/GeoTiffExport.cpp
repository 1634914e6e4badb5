#include "gis/GeoTiffExport.h"

#include "gis/CoordinateSystem.h"
#include "gis/GeoreferencedPicture.h"
#include "model/Project.h"
#include "picture/Decoder.h"
#include "platform/Language.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cpl_error.h>
#include <filesystem>
#include <gdal.h>
#include <gdalwarper.h>
#include <memory>
#include <vector>

namespace tracelle::gis {

namespace fs = std::filesystem;

namespace {

struct DatasetCloser {
    void operator()(void* d) const { GDALClose(d); }
};
using Dataset = std::unique_ptr<void, DatasetCloser>;

// Bands of 8 bits that say they are red, green, blue (and alpha): GDAL's own default leaves
// them undefined in the GeoTIFF, and GIS programs then do not show them as the picture's colours.
Dataset rgbDataset(int width, int height, bool alpha = false) {
    const int bands = alpha ? 4 : 3;
    Dataset d(GDALCreate(GDALGetDriverByName("MEM"), "", width, height, bands, GDT_Byte, nullptr));
    if (!d) return d;
    const GDALColorInterp colours[4] = {GCI_RedBand, GCI_GreenBand, GCI_BlueBand, GCI_AlphaBand};
    for (int b = 0; b < bands; ++b)
        GDALSetRasterColorInterpretation(GDALGetRasterBand(d.get(), b + 1), colours[b]);
    return d;
}

// The picture's RGB555 widened as the view widens it.
Dataset memoryCopy(const picture::Raster& r) {
    Dataset d = rgbDataset(r.width(), r.height());
    if (!d) return d;
    std::vector<std::uint8_t> band(static_cast<std::size_t>(r.width()));
    std::vector<picture::Pixel> expanded(static_cast<std::size_t>(r.width()));
    using Channel = std::uint8_t (*)(picture::Pixel);
    const std::array<Channel, 3> channels = {picture::red8, picture::green8, picture::blue8};
    for (int b = 0; b < 3; ++b) {
        GDALRasterBandH h = GDALGetRasterBand(d.get(), b + 1);
        for (int y = 0; y < r.height(); ++y) {
            const picture::Pixel* row = r.rowInto(y, expanded.data());
            for (int x = 0; x < r.width(); ++x)
                band[static_cast<std::size_t>(x)] = channels[static_cast<std::size_t>(b)](row[x]);
            if (GDALRasterIO(h, GF_Write, 0, y, r.width(), 1, band.data(), r.width(), 1, GDT_Byte,
                             0, 0) != CE_None)
                return nullptr;
        }
    }
    return d;
}

// A north-up grid over the whole picture, cells about as large as its pixels at its centre.
struct Grid {
    double west = 0, north = 0, cell = 0;
    int width = 0, height = 0;
};

// Between GDAL's pixel and line of the picture (from its corner) and those of the grid,
// through the fitted model.
struct Resampling {
    const model::FittedCalibration* fit = nullptr;
    Grid grid;
    double ox = 0, oy = 0; // the canvas pixel of the picture's first pixel centre
};

int throughModel(void* arg, int gridToPicture, int count, double* x, double* y, double*,
                 int* success) {
    const Resampling& r = *static_cast<const Resampling*>(arg);
    for (int i = 0; i < count; ++i) {
        success[i] = FALSE;
        if (gridToPicture) {
            const auto p = r.fit->toImage(
                {r.grid.west + x[i] * r.grid.cell, r.grid.north - y[i] * r.grid.cell});
            if (!p) continue;
            x[i] = static_cast<double>(p->x) - r.ox + 0.5;
            y[i] = static_cast<double>(p->y) - r.oy + 0.5;
        } else {
            const auto v = r.fit->toReal({x[i] - 0.5 + r.ox, y[i] - 0.5 + r.oy});
            if (!v) continue;
            x[i] = (static_cast<double>(v->X) - r.grid.west) / r.grid.cell;
            y[i] = (r.grid.north - static_cast<double>(v->Y)) / r.grid.cell;
        }
        success[i] = std::isfinite(x[i]) && std::isfinite(y[i]);
    }
    return TRUE;
}

// The outline of the picture on the ground, sampled, since a curved fit bends its edges.
std::optional<Grid> gridOver(const Resampling& r, int w, int h) {
    constexpr int kSteps = 64;
    double west = INFINITY, east = -INFINITY, south = INFINITY, north = -INFINITY;
    for (int i = 0; i <= kSteps; ++i) {
        const double t = static_cast<double>(i) / kSteps;
        for (const auto& [c, l] :
             {std::pair{t * w, 0.0}, {t * w, double(h)}, {0.0, t * h}, {double(w), t * h}}) {
            const auto v = r.fit->toReal({c - 0.5 + r.ox, l - 0.5 + r.oy});
            if (!v) return std::nullopt;
            west = std::min(west, double(v->X));
            east = std::max(east, double(v->X));
            south = std::min(south, double(v->Y));
            north = std::max(north, double(v->Y));
        }
    }
    const auto scale = r.fit->localScale({r.ox + w / 2.0, r.oy + h / 2.0});
    if (!scale || !(*scale > 0)) return std::nullopt;
    Grid g{west, north, static_cast<double>(*scale), 0, 0};
    const double width = std::ceil((east - west) / g.cell),
                 height = std::ceil((north - south) / g.cell);
    // A fit that folds the picture far away would ask for an endless grid.
    if (!(width * height <= 16.0 * w * h)) return std::nullopt;
    g.width = std::max(1, static_cast<int>(width));
    g.height = std::max(1, static_cast<int>(height));
    return g;
}

Dataset warped(GDALDatasetH source, const model::Project& project, int w, int h) {
    Resampling r{
        &project.calibrationFit(), {}, double(project.picture().ox), double(project.picture().oy)};
    const auto grid = gridOver(r, w, h);
    if (!grid) return nullptr;
    r.grid = *grid;
    // The grid's corners beyond the picture are transparent: black, they would hide the maps
    // beneath the picture in a GIS.
    Dataset target = rgbDataset(grid->width, grid->height, true);
    if (!target) return target;
    std::array<double, 6> g = {grid->west, grid->cell, 0, grid->north, 0, -grid->cell};
    GDALSetGeoTransform(target.get(), g.data());
    GDALWarpOptions* o = GDALCreateWarpOptions();
    o->hSrcDS = source;
    o->hDstDS = target.get();
    GDALWarpInitDefaultBandMapping(o, 3);
    o->nDstAlphaBand = 4;
    o->eResampleAlg = GRA_Bilinear;
    o->pfnTransformer = throughModel;
    o->pTransformerArg = &r;
    GDALWarpOperationH warp = GDALCreateWarpOperation(o);
    const bool done =
        warp && GDALChunkAndWarpImage(warp, 0, 0, grid->width, grid->height) == CE_None;
    if (warp) GDALDestroyWarpOperation(warp);
    o->pTransformerArg = nullptr;
    GDALDestroyWarpOptions(o);
    if (!done) target.reset();
    return target;
}

// The picture placed on the ground and written to `out` through a temporary file.
std::string writePlaced(const model::Project& project, const picture::Raster& picture,
                        const std::string& wkt, const std::string& out) {
    std::string why;
    Dataset source = memoryCopy(picture);
    if (!source)
        return platform::translate("GeoTiffExport",
                                   "Mémoire insuffisante pour l'image géoréférencée.");
    if (affineInPixels(project.calibrationMethod())) {
        const auto map = pictureMap(project, &why);
        if (!map) return why;
        // GDAL counts from the corner of the upper-left pixel, the map from its centre.
        std::array<double, 6> g = {static_cast<double>(map->C - (map->A + map->B) / 2),
                                   static_cast<double>(map->A),
                                   static_cast<double>(map->B),
                                   static_cast<double>(map->F - (map->D + map->E) / 2),
                                   static_cast<double>(map->D),
                                   static_cast<double>(map->E)};
        GDALSetGeoTransform(source.get(), g.data());
    } else {
        source = warped(source.get(), project, picture.width(), picture.height());
        if (!source)
            return platform::translate("GeoTiffExport",
                                       "Le calage ne se ramène pas à une image orientée au nord.");
    }
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
        return platform::fill(platform::translate("GeoTiffExport", "Impossible d'écrire <%1>"),
                              {out});
    }
    return {};
}

} // namespace

std::string ecritGeoTiff(const model::Project& project, std::string_view system,
                         const std::string& out) {
    std::string why = whyNotGeoreferenced(project);
    if (!why.empty()) return why;
    const auto crs = CoordinateSystem::lit(system, &why);
    if (!crs) return why;
    const std::string wkt = crs->prjText();
    if (!crs->local() && wkt.empty())
        return platform::fill(
            platform::translate("GeoTiffExport", "« %1 » ne s'écrit pas dans un GeoTIFF"),
            {crs->name()});
    const std::string& file = project.picture().file;
    const picture::Decoded decoded = picture::decodeFile(file);
    if (!decoded.ok()) return picture::decodeFailureMessage(file, decoded.error);

    GDALAllRegister();
    // GDAL's own messages would add English lines to the one line the user reads.
    CPLPushErrorHandler(CPLQuietErrorHandler);
    const std::string error = writePlaced(project, decoded.raster, wkt, out);
    CPLPopErrorHandler();
    return error;
}

} // namespace tracelle::gis
