#include "gis/GeoreferencedPicture.h"

#include "model/Project.h"
#include "platform/Language.h"

#include <charconv>
#include <filesystem>

namespace tracelle::gis {

namespace fs = std::filesystem;

std::string worldFileName(const std::string& picture) {
    fs::path p(picture);
    const std::string e = p.extension().string();
    p.replace_extension(e.size() < 2 ? std::string(".wld") : std::string{'.', e[1], e.back(), 'w'});
    return p.string();
}

std::string prjFileName(const std::string& picture) {
    return fs::path(picture).replace_extension(".prj").string();
}

std::string whyNotGeoreferenced(const model::Project& project) {
    const std::string& picture = project.picture().file;
    if (picture.empty())
        return platform::translate("GeoreferencedPicture", "Aucune image à géoréférencer.");
    if (!fs::exists(picture))
        return platform::fill(platform::translate("GeoreferencedPicture", "Image introuvable : %1"),
                              {picture});
    if (!project.isCalibrated())
        return platform::translate("GeoreferencedPicture", "L'image n'est pas calée.");
    if (!project.axisKinds().cartesianLinear())
        return platform::translate(
            "GeoreferencedPicture",
            "Axes logarithmiques ou polaires : l'image ne se géoréférence pas.");
    return {};
}

bool affineInPixels(model::TransformMethod method) {
    return method == model::TransformMethod::Affine || method == model::TransformMethod::Helmert;
}

std::optional<georef::Affine> pictureMap(const model::Project& project, std::string* why) {
    const auto refuse = [why](std::string text) {
        *why = std::move(text);
        return std::nullopt;
    };
    if (std::string no = whyNotGeoreferenced(project); !no.empty()) return refuse(std::move(no));
    const model::FittedCalibration& fit = project.calibrationFit();
    if (!affineInPixels(fit.method()))
        return refuse(platform::translate(
            "GeoreferencedPicture",
            "Un calage projectif ou polynomial ne tient pas dans un fichier de calage."));
    // Affine in the pixels: three pixels give the whole map.
    const model::Real ox = project.picture().ox, oy = project.picture().oy;
    const auto origin = fit.toReal({ox, oy});
    const auto right = fit.toReal({ox + 1, oy});
    const auto down = fit.toReal({ox, oy + 1});
    if (!origin || !right || !down)
        return refuse(platform::translate("GeoreferencedPicture", "L'image n'est pas calée."));
    georef::Affine m;
    m.A = right->X - origin->X;
    m.D = right->Y - origin->Y;
    m.B = down->X - origin->X;
    m.E = down->Y - origin->Y;
    m.C = origin->X;
    m.F = origin->Y;
    return m;
}

std::string worldFileText(const georef::Affine& map) {
    std::string text;
    for (const model::Real v : {map.A, map.D, map.B, map.E, map.C, map.F}) {
        // The shortest text that reads back as the same double, always with a point.
        char digits[32];
        const auto end = std::to_chars(digits, digits + sizeof digits, static_cast<double>(v));
        text.append(digits, end.ptr);
        text += "\r\n";
    }
    return text;
}

} // namespace tracelle::gis
