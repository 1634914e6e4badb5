#include "gis/GisExport.h"

#include "gis/CoordinateSystem.h"
#include "gis/Dxf.h"
#include "gis/Features.h"
#include "gis/GeoJson.h"
#include "gis/Kml.h"
#include "gis/OutputFiles.h"
#include "gis/Shapefile.h"
#include "model/Project.h"
#include "platform/Language.h"

#include <cmath>
#include <filesystem>

namespace tracelle::gis {

namespace {

// Longitude and latitude in place of X and Y; "" or why not.
std::string toWgs84(Features& f, const CoordinateSystem& system, Format format) {
    if (system.local())
        return platform::fill(platform::translate("GisExport",
                                                  "Le %1 situe les points en longitude et latitude "
                                                  "(WGS 84) : indiquez le système de coordonnées "
                                                  "des X, Y (par exemple EPSG:2154 pour le "
                                                  "Lambert-93) au lieu de « aucun »."),
                              {nomFormat(format)});
    if (f.points.empty()) return {};
    const std::string failed =
        system.versWgs84(&f.points[0].X, &f.points[0].Y, sizeof(FeaturePoint), f.points.size());
    if (!failed.empty()) return failed;
    for (const FeaturePoint& p : f.points) {
        if (!std::isfinite(p.X) || !std::isfinite(p.Y))
            return platform::fill(platform::translate("GisExport",
                                                      "le point %1 n'a ni longitude ni latitude "
                                                      "dans « %2 » : ses X, Y sont hors du "
                                                      "domaine du système"),
                                  {std::to_string(p.n), system.name()});
    }
    return {};
}

// The files already there that the export replaces or removes, the chosen one aside: the save
// dialog asked about that one only.
std::vector<std::string> existingBeside(const std::string& chosen,
                                        const std::vector<OutputFile>& files,
                                        const std::vector<std::string>& stale) {
    std::vector<std::string> existing;
    const auto note = [&](const std::string& path) {
        std::error_code ec;
        if (path != chosen && std::filesystem::exists(std::filesystem::symlink_status(path, ec)))
            existing.push_back(path);
    };
    for (const OutputFile& file : files)
        note(file.path);
    for (const std::string& path : stale)
        note(path);
    return existing;
}

} // namespace

GisResult exporteSig(const model::Project& project, const GisChoices& c, const std::string& path,
                     const MayReplace& mayReplace) {
    GisResult r;
    std::string why;
    const auto system = CoordinateSystem::lit(c.system, &why);
    if (!system) {
        r.error =
            platform::fill(platform::translate("GisExport", "Système de coordonnées « %1 » : %2"),
                           {c.system, why});
        return r;
    }
    auto f = extrait(project, c.shownLinesOnly, &r.error);
    if (!f) return r;
    if (f->points.empty()) {
        r.error = c.shownLinesOnly
                      ? platform::translate("GisExport",
                                            "Aucun point à exporter dans les lignes affichées.")
                      : platform::translate("GisExport", "Aucun point à exporter.");
        return r;
    }
    if (enLongitudeLatitude(c.format)) {
        r.error = toWgs84(*f, *system, c.format);
        if (!r.error.empty()) return r;
    }
    std::vector<OutputFile> files;
    std::vector<std::string> stale;
    switch (c.format) {
    case Format::GeoJson:
        files.push_back({path, texteGeoJson(*f)});
        break;
    case Format::Kml:
        files.push_back({path, texteKml(*f, std::filesystem::path(path).stem().string())});
        break;
    case Format::Shapefile: {
        const ShapefileNames names = nomsShapefile(path);
        const std::string prj = system->prjText();
        if (!system->local() && prj.empty()) {
            r.error = platform::fill(
                platform::translate("GisExport", "« %1 » ne s'écrit pas dans un fichier .prj"),
                {system->name()});
            return r;
        }
        ShapefileFiles made = fichiersShapefile(*f, prj, names);
        files = std::move(made.files);
        r.cutLabels = made.cutLabels;
        // Local coordinates: a .prj of an earlier export would place them wrongly.
        if (prj.empty()) stale = {compagnon(names.lines, "prj"), compagnon(names.points, "prj")};
        break;
    }
    case Format::Dxf:
        files.push_back({path, texteDxf(*f, &r.cutLabels)});
        break;
    }
    if (mayReplace) {
        const std::vector<std::string> existing = existingBeside(path, files, stale);
        if (!existing.empty() && !mayReplace(existing)) {
            r.declined = true;
            return r;
        }
    }
    r.error = ecritEnsemble(files, stale);
    if (!r.error.empty()) return r;
    for (const OutputFile& file : files)
        r.written.push_back(file.path);
    for (const FeatureLine& line : f->lines)
        if (!line.parts.empty()) ++r.lines;
    r.points = static_cast<int>(f->points.size());
    return r;
}

} // namespace tracelle::gis
