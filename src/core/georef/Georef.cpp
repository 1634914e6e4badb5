#include "georef/Georef.h"

#include "georef/Affine.h"
#include "georef/CalagePoints.h"
#include "georef/Descriptor.h"
#include "georef/FindFile.h"
#include "model/NumberText.h"
#include "platform/Language.h"

#include <algorithm>
#include <filesystem>

namespace tracelle::georef {

namespace fs = std::filesystem;
using model::Real;

namespace {

std::string impossibleAOuvrir(const std::string& picture) {
    return platform::fill(platform::translate("Georef", "<%1> impossible à ouvrir"), {picture});
}

// MapInfo counts pixels from the picture's corner, the calibration from the centre of its
// pixel (0, 0): each point moves by half a pixel of the map the three points define.
std::optional<std::array<GroundPoint, 3>> atPixelCentres(std::array<GroundPoint, 3> p) {
    const Real u1 = p[1].x - p[0].x, v1 = p[1].y - p[0].y;
    const Real u2 = p[2].x - p[0].x, v2 = p[2].y - p[0].y;
    const Real det = u1 * v2 - u2 * v1;
    if (det == 0) return std::nullopt;
    // The derivatives of X and Y along a column and along a row.
    const auto slopes = [&](Real d1, Real d2) {
        return std::pair{(d1 * v2 - d2 * v1) / det, (u1 * d2 - u2 * d1) / det};
    };
    const auto [Xx, Xy] = slopes(p[1].X - p[0].X, p[2].X - p[0].X);
    const auto [Yx, Yy] = slopes(p[1].Y - p[0].Y, p[2].Y - p[0].Y);
    for (GroundPoint& g : p) {
        g.X += (Xx + Xy) / 2;
        g.Y += (Yx + Yy) / 2;
    }
    return p;
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
    // MapInfo writes Windows paths: a folder of the name is taken as a folder here too. The
    // name is read from the descriptor's folder even when it starts at a root: a picture of
    // that name elsewhere would be another map.
    std::string name =
        model::remplace_car(extrait_entre(text, "File", "\"", "\"", false), '\\', '/');
    const fs::path folder = fs::path(path).parent_path();
    if (name.empty() || name.front() == '?') {
        // No quoted name: the rest of the file would follow the marker into the message.
        c.error = impossibleAOuvrir(model::excerptForMessage((folder / name).string()));
        return c;
    }
    const std::size_t relative = name.find_first_not_of('/');
    const fs::path named = folder / (relative == std::string::npos ? "" : name.substr(relative));
    c.picture = named.string();
    const std::string found = trouveSansCasse(named.parent_path(), named.filename().string());
    if (found.empty()) {
        c.error = impossibleAOuvrir(c.picture);
        return c;
    }
    c.picture = found;
    std::array<GroundPoint, 3> ties;
    for (std::size_t k = 0; k < 3; ++k) {
        std::string X = extrait_entre(text, k == 0 ? "Type" : "", "(", ",", false);
        std::string Y = extrait_entre(text, "", ",", ")", false);
        const std::string x = extrait_entre(text, "", "(", ",", false);
        const std::string y = extrait_entre(text, "", ",", ")", false);
        std::optional<Real> real[2];
        for (int n = 0; n < 2 && c.error.empty(); ++n) {
            const std::string& field = n == 0 ? X : Y;
            real[n] = model::reel_de_champ(model::enleve_blancs(field));
            if (!real[n]) c.error = model::texte_pas_un_reel(model::excerptForMessage(field));
        }
        const auto xi = c.error.empty() ? entier(x, c.error) : std::nullopt;
        const auto yi = c.error.empty() ? entier(y, c.error) : std::nullopt;
        if (!c.error.empty()) {
            c.error +=
                platform::fill(platform::translate("Georef", "\n (point de calage %1 de %2)"),
                               {std::to_string(k + 1), c.source});
            return c;
        }
        ties[k] = {*real[0], *real[1], *xi, *yi};
    }
    const auto centred = atPixelCentres(ties);
    if (!centred) {
        c.error = flatMessage(c.source);
        return c;
    }
    setPoints(c, *centred);
    return c;
}

Calage calageAffine(const Affine& m, int w, int h, std::string source) {
    Calage c;
    c.source = std::move(source);
    const auto point = [&m](int i, int j) {
        return GroundPoint{m.A * i + m.B * j + m.C, m.D * i + m.E * j + m.F, i, j};
    };
    setPoints(c, {point(0, 0), point(0, h), point(w, h)});
    return c;
}

std::string sizeMismatch(const Calage& calage, int w, int h) {
    if (calage.width == 0 || (calage.width == w && calage.height == h)) return {};
    return platform::fill(
        platform::translate("Georef", "<%1> décrit une image de %2 x %3 pixels, <%4> "
                                      "en a %5 x %6 : ce calage ne lui correspond pas"),
        {calage.source, std::to_string(calage.width), std::to_string(calage.height),
         fs::path(calage.picture).filename().string(), std::to_string(w), std::to_string(h)});
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
