#include "georef/Georef.h"

#include "georef/Affine.h"
#include "georef/Descriptor.h"
#include "georef/FindFile.h"
#include "georef/GeoTiff.h"
#include "georef/WorldFile.h"
#include "model/NumberText.h"

#include <algorithm>
#include <filesystem>

namespace tracelle::georef {

namespace fs = std::filesystem;
using model::Real;

namespace {

std::string impossibleAOuvrir(const std::string& picture) {
    return "<" + picture + "> impossible à ouvrir";
}

// The integer of a field, or the reason it is not one.
std::optional<std::int32_t> entier(const std::string& field, std::string& error) {
    const model::EntierLu read = model::lit_entier(field);
    if (read.errorPosition == 0) return read.value;
    std::string message(1, '<');
    message += model::excerptForMessage(field);
    message += "> n'est pas une valeur entière err=";
    message += std::to_string(read.errorPosition);
    error = std::move(message);
    return std::nullopt;
}

// The three points must span a triangle on the picture and on the ground: otherwise no click
// would ever get coordinates.
bool degenerate(const std::array<model::CalibrationPoint, 3>& p) {
    const auto area = [](Real x1, Real y1, Real x2, Real y2, Real x3, Real y3) {
        return (x2 - x1) * (y3 - y1) - (x3 - x1) * (y2 - y1);
    };
    Real X[3], Y[3];
    for (int k = 0; k < 3; ++k) {
        X[k] = model::val_reel(p[k].X);
        Y[k] = model::val_reel(p[k].Y);
    }
    return area(p[0].x, p[0].y, p[1].x, p[1].y, p[2].x, p[2].y) == 0 ||
           area(X[0], Y[0], X[1], Y[1], X[2], Y[2]) == 0;
}

std::string flatMessage(const std::string& source) {
    return "<" + source +
           "> : les trois points de calage sont alignés (sur l'image ou sur le terrain) : "
           "aucun point ne pourrait être calé";
}

} // namespace

Calage lit_tab(const std::string& path) {
    Calage c;
    c.source = fs::path(path).filename().string();
    DescriptorText d = lit_descripteur(path);
    if (!d.ok()) {
        c.error = d.error;
        return c;
    }
    std::string& text = d.text;
    // MapInfo writes Windows paths: a folder of the name is taken as a folder here too.
    const std::string name =
        model::remplace_car(extrait_entre(text, "File", "\"", "\"", false), '\\', '/');
    const fs::path named = fs::path(path).parent_path() / name;
    c.picture = named.string();
    if (name.empty() || name.front() == '?') {
        // No quoted name: the rest of the file would follow the marker into the message.
        c.error = impossibleAOuvrir(model::excerptForMessage(c.picture));
        return c;
    }
    const std::string found = trouveSansCasse(named.parent_path(), named.filename().string());
    if (found.empty()) {
        c.error = impossibleAOuvrir(c.picture);
        return c;
    }
    c.picture = found;
    for (std::size_t k = 0; k < 3; ++k) {
        model::CalibrationPoint& p = c.points[k];
        p.X = extrait_entre(text, k == 0 ? "Type" : "", "(", ",", false);
        p.Y = extrait_entre(text, "", ",", ")", false);
        const std::string x = extrait_entre(text, "", "(", ",", false);
        const std::string y = extrait_entre(text, "", ",", ")", false);
        for (std::string* real : {&p.X, &p.Y}) {
            const auto value = model::reel_de_champ(model::enleve_blancs(*real));
            if (!value) {
                c.error = model::texte_pas_un_reel(model::excerptForMessage(*real));
                break;
            }
            // A number the calibration would read otherwise ("6e5": its reader stops at a
            // small "e") is written as the program writes numbers.
            if (model::readRealQuietly(*real) != value) *real = model::texte_general(*value);
        }
        const auto xi = c.error.empty() ? entier(x, c.error) : std::nullopt;
        const auto yi = c.error.empty() ? entier(y, c.error) : std::nullopt;
        if (!c.error.empty()) {
            c.error += "\n (point de calage " + std::to_string(k + 1) + " de " + c.source + ")";
            return c;
        }
        p.x = *xi;
        p.y = *yi;
    }
    if (degenerate(c.points)) c.error = flatMessage(c.source);
    return c;
}

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
        c.error = c.picture + " impossible à ouvrir";
        return c;
    }
    DescriptorText d = lit_descripteur(path);
    if (!d.ok()) {
        c.error = d.error;
        return c;
    }
    std::string& text = d.text;
    // The last line ends at the end of the file, with or without its line feed.
    if (text.back() != '\n') text += '\n';
    Real xdim = 0, ydim = 0, ulxmap = 0, ulymap = 0;
    std::int32_t ncols = 0, nrows = 0;
    struct Field {
        const char* key;
        Real* real;
        std::int32_t* integer;
    };
    const Field fields[] = {{"xdim", &xdim, nullptr},     {"ydim", &ydim, nullptr},
                            {"ncols", nullptr, &ncols},   {"nrows", nullptr, &nrows},
                            {"ulxmap", &ulxmap, nullptr}, {"ulymap", &ulymap, nullptr}};
    for (const Field& f : fields) {
        // A key missing, in capitals or out of order would give an unrelated piece of text.
        if (text.find(f.key) == std::string::npos) {
            c.error = "<" + c.source + "> : la clé « " + f.key +
                      " » manque ou n'est pas à sa place (xdim, ydim, ncols, nrows, ulxmap, "
                      "ulymap, en minuscules et dans cet ordre)";
            return c;
        }
        const std::string raw = extrait_entre(text, f.key, " ", "\n", false);
        std::string value = raw;
        model::filtre_numerique(value);
        if (f.real) {
            // The number as written first: the filter drops a small "e", which would turn
            // "3e5" into 35.
            const std::size_t first = raw.find_first_not_of(" \t\r");
            const std::size_t last = raw.find_last_not_of(" \t\r");
            auto read =
                first == std::string::npos
                    ? std::nullopt
                    : model::reel_de_champ(std::string_view(raw).substr(first, last - first + 1));
            if (!read) read = model::texte_en_reel_strict(value);
            if (!read) {
                c.error = model::texte_pas_un_reel(model::excerptForMessage(value));
                return c;
            }
            *f.real = *read;
        } else {
            const auto read = entier(value, c.error);
            if (!read) return c;
            *f.integer = *read;
        }
    }
    const auto real = [](Real v) { return model::texte_general(v); };
    const auto count = [](std::int32_t v) { return static_cast<Real>(v); };
    c.points = {model::CalibrationPoint{real(ulxmap), real(ulymap), 0, 0},
                model::CalibrationPoint{real(ulxmap), real(ulymap + count(nrows) * ydim), 0, nrows},
                model::CalibrationPoint{real(ulxmap + count(ncols) * xdim),
                                        real(ulymap + count(nrows) * ydim), ncols, nrows}};
    if (degenerate(c.points)) c.error = flatMessage(c.source);
    return c;
}

Calage calageAffine(const Affine& m, int w, int h, std::string source) {
    Calage c;
    c.source = std::move(source);
    if (m.A * m.E - m.B * m.D == 0) {
        c.error = flatMessage(c.source);
        return c;
    }
    const auto point = [&m](int i, int j) {
        return model::CalibrationPoint{model::texte_general(m.A * i + m.B * j + m.C),
                                       model::texte_general(m.D * i + m.E * j + m.F), i, j};
    };
    c.points = {point(0, 0), point(0, h), point(w, h)};
    return c;
}

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

void appliqueCalage(model::Project& project, const Calage& calage) {
    auto points = calage.points;
    for (model::CalibrationPoint& p : points) {
        p.x += project.picture().ox;
        p.y += project.picture().oy;
    }
    project.setCalibration(points);
}

} // namespace tracelle::georef
