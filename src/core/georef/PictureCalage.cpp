// The calibration a picture carries itself, apart from the descriptors. GeoTIFF tags need
// libgeotiff, and through it PROJ: the reader of the tags is handed in, and called only for a
// TIFF that names tie points or a transformation, so that a program that opens it through a
// module does not load it for other pictures.
#include "georef/GeoTiff.h"
#include "georef/Georef.h"
#include "georef/WorldFile.h"

#include <climits>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <vector>

namespace tracelle::georef {

namespace fs = std::filesystem;

namespace {

constexpr std::uint64_t kTiePointsTag = 33922, kTransformationTag = 34264;

// The unsigned integer of `size` bytes at `p`, in the file's byte order.
std::uint64_t number(const unsigned char* p, int size, bool bigEndian) {
    std::uint64_t v = 0;
    for (int k = 0; k < size; ++k)
        v |= std::uint64_t{p[bigEndian ? k : size - 1 - k]} << (8 * (size - 1 - k));
    return v;
}

} // namespace

bool mayCarryGeoTiffTags(const std::string& path) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> f(std::fopen(path.c_str(), "rb"), std::fclose);
    unsigned char head[16] = {};
    if (!f || std::fread(head, 1, 8, f.get()) != 8) return false;
    const bool big = head[0] == 'M' && head[1] == 'M';
    if (!big && !(head[0] == 'I' && head[1] == 'I')) return false;
    const std::uint64_t version = number(head + 2, 2, big);
    if (version != 42 && version != 43) return false;
    // A TIFF from here on: a directory that cannot be followed is left to libgeotiff.
    const bool bigTiff = version == 43;
    if (bigTiff && std::fread(head + 8, 1, 8, f.get()) != 8) return true;
    const std::uint64_t directory = bigTiff ? number(head + 8, 8, big) : number(head + 4, 4, big);
    const int countSize = bigTiff ? 8 : 2, entrySize = bigTiff ? 20 : 12;
    unsigned char count[8];
    if (directory > std::uint64_t{LONG_MAX} ||
        std::fseek(f.get(), static_cast<long>(directory), SEEK_SET) != 0 ||
        std::fread(count, 1, countSize, f.get()) != static_cast<std::size_t>(countSize))
        return true;
    const std::uint64_t entries = number(count, countSize, big);
    if (entries > 0xFFFF) return true;
    std::vector<unsigned char> entry(entries * entrySize);
    if (std::fread(entry.data(), 1, entry.size(), f.get()) != entry.size()) return true;
    for (std::size_t at = 0; at < entry.size(); at += entrySize) {
        const std::uint64_t tag = number(&entry[at], 2, big);
        if (tag == kTiePointsTag || tag == kTransformationTag) return true;
    }
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
