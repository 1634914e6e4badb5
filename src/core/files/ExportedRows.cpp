#include "files/ExportedRows.h"

#include "model/NumberText.h"
#include "model/Project.h"

namespace tracelle::files {

std::string forEachExportedRow(const model::Project& p, bool shownLinesOnly,
                               const std::function<void(const ExportedRow&)>& take) {
    const auto& points = p.points();
    const auto& lines = p.lines();
    const auto c = p.pointColumns();
    const int okCol = model::indice_col_grille(lines, "OK");
    for (int i = 1; i < points.rowCount(); ++i) {
        const model::EntierLu L = model::lit_entier(points.cell(i, c.L));
        if (L.errorPosition != 0) return model::notAnIntegerText(points.cell(i, c.L));
        if (shownLinesOnly && lines.cell(L.value, okCol) != "x") continue;
        const auto X = model::texte_en_reel_strict(points.cell(i, c.X));
        const auto Y = model::texte_en_reel_strict(points.cell(i, c.Y));
        if (!X || !Y) return model::texte_pas_un_reel(points.cell(i, X ? c.Y : c.X));
        take({i, L.value, *X, *Y});
    }
    return {};
}

} // namespace tracelle::files
