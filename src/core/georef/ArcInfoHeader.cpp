// ARC/INFO (ESRI) headers as people and GIS tools write them: one key and its value a line,
// keys in any case and order, the picture's place given by the centre of its upper-left
// pixel or by its lower-left corner or centre.
#include "georef/CalagePoints.h"
#include "georef/Descriptor.h"
#include "georef/FindFile.h"
#include "georef/Georef.h"
#include "model/NumberText.h"
#include "platform/Language.h"

#include <cmath>
#include <filesystem>
#include <map>

namespace tracelle::georef {

namespace fs = std::filesystem;
using model::Real;

namespace {

constexpr const char* kRealKeys[] = {"xdim",      "ydim",      "cellsize",  "ulxmap",   "ulymap",
                                     "xllcorner", "yllcorner", "xllcenter", "yllcenter"};

struct Header {
    std::map<std::string, Real> reals;
    std::map<std::string, std::int32_t> integers;
    std::string error;

    bool has(const std::string& key) const { return reals.count(key) > 0; }
};

std::string_view trimmed(std::string_view s) {
    const std::size_t first = s.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

// The keys this reader knows, each read as its kind; other keys are passed over. A key given
// twice keeps its last value.
Header parse(const std::string& text) {
    Header h;
    for (std::size_t start = 0; start < text.size() && h.error.empty();) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        const std::string_view line = trimmed(std::string_view(text).substr(start, end - start));
        start = end + 1;
        const std::size_t blank = line.find_first_of(" \t");
        if (blank == std::string_view::npos) continue;
        const std::string key = model::minuscules(line.substr(0, blank));
        const std::string value(trimmed(line.substr(blank)));
        if (key == "ncols" || key == "nrows") {
            if (const auto n = entier(value, h.error)) h.integers[key] = *n;
        } else if (std::find(std::begin(kRealKeys), std::end(kRealKeys), key) !=
                   std::end(kRealKeys)) {
            const auto read = model::reel_de_champ(value);
            if (read)
                h.reals[key] = *read;
            else
                h.error = model::texte_pas_un_reel(model::excerptForMessage(value));
        }
    }
    return h;
}

std::string missing(const std::string& source, const char* key) {
    return platform::fill(platform::translate("ArcInfoHeader", "<%1> : la clé « %2 » manque"),
                          {source, key});
}

} // namespace

Calage lit_hdr(const std::string& path) {
    Calage c;
    c.source = fs::path(path).filename().string();
    const fs::path base(path);
    for (const char* extension : {".BMP", ".JPG", ".TIF"}) {
        c.picture = fs::path(base).replace_extension(extension).string();
        const std::string found =
            trouveSansCasse(base.parent_path(), fs::path(c.picture).filename().string());
        if (!found.empty()) {
            c.picture = found;
            break;
        }
    }
    std::error_code ec;
    if (!fs::is_regular_file(c.picture, ec)) {
        c.error = platform::fill(platform::translate("ArcInfoHeader", "%1 impossible à ouvrir"),
                                 {c.picture});
        return c;
    }
    const DescriptorText d = lit_descripteur(path);
    if (!d.ok()) {
        c.error = d.error;
        return c;
    }
    Header h = parse(d.text);
    if (!h.error.empty()) {
        c.error = "<" + c.source + "> : " + h.error;
        return c;
    }
    for (const char* key : {"ncols", "nrows"}) {
        if (!h.integers.count(key)) {
            c.error = missing(c.source, key);
            return c;
        }
    }
    for (const char* key : {"xdim", "ydim"}) {
        if (!h.has(key) && !h.has("cellsize")) {
            c.error = missing(c.source, key);
            return c;
        }
    }
    const std::int32_t ncols = h.integers["ncols"], nrows = h.integers["nrows"];
    if (ncols < 1 || nrows < 1) {
        c.error = platform::fill(platform::translate("ArcInfoHeader",
                                                     "<%1> : ncols et nrows comptent les pixels de "
                                                     "l'image : %2 x %3 n'en fait aucun"),
                                 {c.source, std::to_string(ncols), std::to_string(nrows)});
        return c;
    }
    const Real dx = h.has("xdim") ? h.reals["xdim"] : h.reals["cellsize"];
    // Rows run southwards: the Part's files write the height negative, GIS tools positive.
    const Real dy = std::fabs(h.has("ydim") ? h.reals["ydim"] : h.reals["cellsize"]);

    // The centre of the upper-left pixel, from whichever corner the header names.
    Real cx = 0, cy = 0;
    const auto pair = [&](const char* xKey, const char* yKey) {
        if (!h.has(xKey) && !h.has(yKey)) return false;
        for (const char* key : {xKey, yKey})
            if (!h.has(key)) c.error = missing(c.source, key);
        cx = h.reals[xKey];
        cy = h.reals[yKey];
        return true;
    };
    if (pair("xllcorner", "yllcorner")) {
        cx += dx / 2;
        cy += static_cast<Real>(nrows) * dy - dy / 2;
    } else if (pair("xllcenter", "yllcenter")) {
        cy += (static_cast<Real>(nrows) - 1) * dy;
    } else if (!pair("ulxmap", "ulymap")) {
        c.error = missing(c.source, "ulxmap") +
                  platform::translate("ArcInfoHeader", " (ni xllcorner, ni xllcenter)");
    }
    if (!c.ok()) return c;

    c.width = ncols;
    c.height = nrows;
    const Real bottom = cy - static_cast<Real>(nrows) * dy;
    setPoints(c, {GroundPoint{cx, cy, 0, 0}, GroundPoint{cx, bottom, 0, nrows},
                  GroundPoint{cx + static_cast<Real>(ncols) * dx, bottom, ncols, nrows}});
    return c;
}

} // namespace tracelle::georef
