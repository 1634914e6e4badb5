// The writing of the world file and .prj, apart from the rest: the .prj needs PROJ, which the
// windows load only when a picture is written.
#include "gis/CoordinateSystem.h"
#include "gis/GeoreferencedPicture.h"
#include "gis/OutputFiles.h"
#include "model/Project.h"
#include "platform/Language.h"

namespace tracelle::gis {

GeoreferencedPicture ecritCalageImage(const model::Project& project, std::string_view system) {
    GeoreferencedPicture r;
    const auto map = pictureMap(project, &r.error);
    if (!map) return r;
    const auto crs = CoordinateSystem::lit(system, &r.error);
    if (!crs) return r;
    const std::string prj = crs->prjText();
    if (!crs->local() && prj.empty()) {
        r.error = platform::fill(
            platform::translate("GisExport", "« %1 » ne s'écrit pas dans un fichier .prj"),
            {crs->name()});
        return r;
    }
    const std::string& picture = project.picture().file;
    const std::string prjPath = prjFileName(picture);
    std::vector<OutputFile> files{{worldFileName(picture), worldFileText(*map)}};
    std::vector<std::string> stale;
    // Local coordinates: a .prj of an earlier save would place them wrongly.
    if (prj.empty())
        stale.push_back(prjPath);
    else
        files.push_back({prjPath, prj});
    r.error = ecritEnsemble(files, stale);
    if (!r.error.empty()) return r;
    for (const OutputFile& file : files)
        r.written.push_back(file.path);
    return r;
}

} // namespace tracelle::gis
