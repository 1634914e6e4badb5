// The calibration a picture carries itself, apart from the descriptors. GeoTIFF tags need
// libgeotiff, and through it PROJ: the reader of the tags is handed in, and called only for a
// TIFF that names tie points or a transformation, so that a program that opens it through a
// module does not load it for other pictures.
#include "georef/GeoTiff.h"
#include "georef/Georef.h"
#include "georef/WorldFile.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <tiffio.h>

namespace tracelle::georef {

namespace fs = std::filesystem;

namespace {

constexpr std::uint32_t kTiePointsTag = 33922, kTransformationTag = 34264;

// Warnings of unknown tags and the like are of no use here: the picture's decoder reports
// what matters.
int quiet(TIFF*, void*, const char*, const char*, va_list) {
    return 1;
}

} // namespace

QuietTiff openTiffQuietly(const std::string& path) {
    TIFFOpenOptions* options = TIFFOpenOptionsAlloc();
    if (!options) return {nullptr, TIFFClose};
    TIFFOpenOptionsSetErrorHandlerExtR(options, quiet, nullptr);
    TIFFOpenOptionsSetWarningHandlerExtR(options, quiet, nullptr);
    QuietTiff tif(TIFFOpenExt(path.c_str(), "rm", options), TIFFClose);
    TIFFOpenOptionsFree(options);
    return tif;
}

bool mayCarryGeoTiffTags(const std::string& path) {
    // Other pictures are passed over before libtiff, which would only refuse them.
    char magic[4] = {};
    if (std::ifstream in(path, std::ios::binary); !in.read(magic, sizeof magic)) return false;
    const std::string_view head(magic, sizeof magic);
    if (head != std::string_view("II*\0", 4) && head != std::string_view("MM\0*", 4) &&
        head != std::string_view("II+\0", 4) && head != std::string_view("MM\0+", 4))
        return false;
    const QuietTiff tif = openTiffQuietly(path);
    // A directory libtiff cannot read is left to libgeotiff, which says why.
    if (!tif) return true;
    for (int i = 0, n = TIFFGetTagListCount(tif.get()); i < n; ++i)
        if (const std::uint32_t tag = TIFFGetTagListEntry(tif.get(), i);
            tag == kTiePointsTag || tag == kTransformationTag)
            return true;
    return false;
}

std::optional<Calage> calagePropre(const std::string& picture, int w, int h,
                                   GeoTiffReader readTags) {
    // The tags inside the picture first, as GIS tools read them; then a world file beside.
    const GeoTiffTags tags = mayCarryGeoTiffTags(picture) ? readTags(picture) : GeoTiffTags{};
    Calage c;
    const std::string name = fs::path(picture).filename().string();
    if (tags.found) {
        c = tags.error.empty() ? calageAffine(tags.map, w, h, name) : Calage{};
        if (!tags.error.empty()) c.error = "<" + name + "> : " + tags.error;
        c.source = "GeoTIFF";
        c.crs = tags.crs;
    } else {
        const std::string world = worldFileFor(picture);
        if (world.empty()) return std::nullopt;
        const WorldRead read = lit_world(world);
        const std::string source = fs::path(world).filename().string();
        c = read.error.empty() ? calageAffine(read.map, w, h, source) : Calage{};
        if (!read.error.empty()) c.error = read.error;
        c.source = source;
    }
    c.picture = picture;
    return c;
}

} // namespace tracelle::georef
