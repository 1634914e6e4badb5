// The calibration a picture carries itself, apart from the descriptors. GeoTIFF tags need
// libgeotiff, and through it PROJ: the reader of the tags is handed in, so that a program
// that opens them through a module does not load them for other pictures.
#include "georef/GeoTiff.h"
#include "georef/Georef.h"
#include "georef/WorldFile.h"

#include <cstdio>
#include <filesystem>
#include <memory>

namespace tracelle::georef {

namespace fs = std::filesystem;

bool estTiff(const std::string& path) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> f(std::fopen(path.c_str(), "rb"), std::fclose);
    unsigned char magic[4] = {};
    if (!f || std::fread(magic, 1, 4, f.get()) != 4) return false;
    return (magic[0] == 'I' && magic[1] == 'I' && magic[2] == 42 && magic[3] == 0) ||
           (magic[0] == 'M' && magic[1] == 'M' && magic[2] == 0 && magic[3] == 42) ||
           (magic[0] == 'I' && magic[1] == 'I' && magic[2] == 43 && magic[3] == 0) || // BigTIFF
           (magic[0] == 'M' && magic[1] == 'M' && magic[2] == 0 && magic[3] == 43);
}

std::optional<Calage> calagePropre(const std::string& picture, int w, int h,
                                   GeoTiffReader readTags) {
    // The tags inside the picture first, as GIS tools read them; then a world file beside.
    const GeoTiffTags tags = estTiff(picture) ? readTags(picture) : GeoTiffTags{};
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
