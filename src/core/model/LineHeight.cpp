#include "model/LineHeight.h"

#include "model/History.h"
#include "model/NumberText.h"
#include "model/Project.h"
#include "platform/Language.h"

#include <string>

namespace tracelle::model {

int setLineHeight(Project& project, std::int32_t L, Real Z) {
    const History::Step step(
        project.history(), platform::fill(platform::translate("History", "la cote de la ligne %1"),
                                          {format_entier(L, 1)}));
    TextTable& points = project.points();
    const int lineColumn = project.indice_col("L");
    const int zColumn = project.indice_col("Z");
    // Written as a point's Z always is, so that the grid and the files show it alike.
    const std::string text = _format2(Z, 18, project.D());
    int changed = 0;
    for (int i = 1; i <= project.N(); ++i)
        if (val_entier(points.cell(i, lineColumn)) == L) {
            points.setCell(i, zColumn, text);
            ++changed;
        }
    if (changed > 0) project.setSaved(false);
    return changed;
}

} // namespace tracelle::model
