#include "model/History.h"
#include "model/NumberText.h"
#include "model/Project.h"
#include "trace/Trace.h"

namespace tracelle::trace {

void appendTrace(model::Project& project, const std::vector<PixelPoint>& points) {
    if (points.empty()) return;
    const model::History::Step step(project.history(), "le tracé");
    const int n = project.N();
    const bool currentLineHasPoints =
        n > 0 && model::val_entier(project.points().cell(n, project.indice_col("L"))) ==
                     project.currentLine();
    if (currentLineHasPoints) project.Nouvelle_suite_de_points();
    for (const PixelPoint& p : points)
        project.ajoute_point(p.x, p.y);
}

} // namespace tracelle::trace
