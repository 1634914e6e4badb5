// The calibration a picture carries itself, apart from the descriptors: GeoTIFF tags need
// libgeotiff, and through it PROJ, which only the programs that read such tags load.
#include "georef/GeoTiff.h"
#include "georef/Georef.h"
#include "georef/WorldFile.h"

#include <filesystem>

namespace tracelle::georef {

namespace fs = std::filesystem;

std::optional<Calage> calagePropre(const std::string& picture, int w, int h) {
    // The tags inside the picture first, as GIS tools read them; then a world file beside.
    const GeoTiffTags tags = lit_geotiff(picture);
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
