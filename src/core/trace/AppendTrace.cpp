#include "model/History.h"
#include "model/NumberText.h"
#include "model/Project.h"
#include "platform/Language.h"
#include "trace/Trace.h"

namespace tracelle::trace {

void appendTrace(model::Project& project, const std::vector<PixelPoint>& points,
                 NewLineColour colour) {
    if (points.empty()) return;
    const model::History::Step step(project.history(), platform::translate("History", "le tracé"));
    const int n = project.N();
    const bool currentLineHasPoints =
        n > 0 && model::val_entier(project.points().cell(n, project.indice_col("L"))) ==
                     project.currentLine();
    if (currentLineHasPoints) {
        if (colour == NewLineColour::Asked)
            project.Nouvelle_suite_de_points();
        else
            project.startLine();
    }
    for (const PixelPoint& p : points)
        project.ajoute_point(p.x, p.y);
}

} // namespace tracelle::trace
